#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "FaultPlan.h"
#include "ImageReceiver.h"
#include "protocol/ReportFrame.h"
#include "settings/BaseSettings.h"

namespace orbelle::sim {

// A frame as it crosses the wire: frame bytes 1..38, without the report ID.
using WireFrame = std::array<std::uint8_t, kWireFrameSize>;

struct Note {
  enum class Level { Info, Warning };
  Level level;
  std::string text;
};

struct CompletedImage {
  ImageKind kind;
  std::vector<std::uint8_t> bytes;
};

// What one received frame led to. Replies are final: reply faults are already applied.
struct ModelOutput {
  std::vector<WireFrame> replies;
  std::vector<CompletedImage> images;
  std::vector<Note> notes;
  bool vanished = false;  // the unit is gone from now on; send the replies, then leave
};

// The settings and versions a simulated unit starts with when no file gives them.
BaseSettings defaultSimSettings();

ReportFrame toReportFrame(std::span<const std::uint8_t, kWireFrameSize> wire);
WireFrame toWireFrame(const ReportFrame& frame);

// A base unit as seen from the PC: settings, the two upgrade transfers and the faults it
// is told to show. No I/O: frames in, frames out.
class BaseUnitModel {
 public:
  BaseUnitModel(BaseSettings settings, bool unset, FaultPlan faults);

  ModelOutput receive(std::span<const std::uint8_t, kWireFrameSize> wire);
  // The application version the unit reports once a base upgrade has come in whole.
  void setApplicationVersionAfterUpgrade(VersionChars version) { versionAfterUpgrade_ = version; }

  const BaseSettings& settings() const { return settings_; }
  bool vanished() const { return vanished_; }
  const FaultPlan& faults() const { return faults_; }

 private:
  void dispatch(const ReportFrame& frame, ModelOutput& out);
  void startUpgrade(ImageKind kind, const ReportFrame& frame, ModelOutput& out);
  void takeBlock(ImageKind kind, const ReportFrame& frame, ModelOutput& out);
  void takeHandshakeReply(const ReportFrame& frame, ModelOutput& out);
  void emit(std::uint8_t code, ReportFrame reply, ModelOutput& out);
  void collect(const ImageReceiver::Step& step, ModelOutput& out);

  BaseSettings settings_;
  bool unset_;
  FaultPlan faults_;
  std::optional<ImageReceiver> upgrade_;
  std::optional<VersionChars> versionAfterUpgrade_;
  std::uint64_t framesReceived_ = 0;
  std::uint64_t repliesMade_ = 0;
  bool vanished_ = false;
};

}  // namespace orbelle::sim
