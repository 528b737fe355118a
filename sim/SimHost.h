#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <span>

#include "BaseUnitModel.h"

namespace orbelle::sim {

struct HostOptions {
  bool trace = false;                             // frames in and out on the error stream
  std::optional<std::filesystem::path> imageDir;  // where received images are kept
};

// What both fronts share around the model: tracing, notes, keeping received images and the
// event lines on standard output that scripts wait for.
class SimHost {
 public:
  SimHost(BaseUnitModel& model, HostOptions options, std::ostream& out, std::ostream& err);

  // One frame as received (bytes 1..38); the replies to send come back.
  ModelOutput handle(std::span<const std::uint8_t, kWireFrameSize> wire);

  // A problem of a front that is not about one frame.
  void warn(const std::string& text);
  // The front has gone away after a vanish-after fault.
  void reportVanished();

  const FaultPlan& faults() const { return model_.faults(); }

 private:
  void trace(bool received, std::span<const std::uint8_t, kWireFrameSize> wire);
  void keep(const CompletedImage& image);

  BaseUnitModel& model_;
  HostOptions options_;
  std::ostream& out_;
  std::ostream& err_;
  int baseImages_ = 0;
  int handheldImages_ = 0;
};

}  // namespace orbelle::sim
