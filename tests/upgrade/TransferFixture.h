#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "harness/TempDir.h"
#include "message/OperatorMessage.h"
#include "protocol/ByteOrder.h"
#include "protocol/FrameChannel.h"
#include "protocol/LinkError.h"
#include "upgrade/UpgradeTransfer.h"

namespace orbelle::testing {

// Both sides of the transfer: records every request, in order, as one log line each. Pauses
// end only when the test says so; the frames are those the channel built.
class FakeUpgradeHost : public UpgradeChannel, public UpgradeView {
 public:
  void sendFrame(CommandCode code, const FramePayload& payload) override {
    channel.send(code, payload);
    frames.push_back(channel.lastFrame());
    char line[16];
    std::snprintf(line, sizeof line, "send %02x", static_cast<unsigned>(codeByte(code)));
    log.emplace_back(line);
  }
  void dropRepeats() override { log.emplace_back("drop repeats"); }
  void setLineSettings(std::string_view settings) override {
    log.push_back("settings " + std::string(settings));
    if (!portRefusal.empty()) {
      throw LinkError(portRefusal);
    }
  }
  void discardInput() override { log.emplace_back("discard"); }
  void reopenSerial() override {
    log.emplace_back("reopen");
    if (!reopenRefusal.empty()) {
      throw LinkError(reopenRefusal);
    }
  }
  void startPause(PauseKind kind, int count) override {
    log.push_back((kind == PauseKind::Short ? "pause short x" : "pause long x") +
                  std::to_string(count));
  }
  void setUpgradeEnabled(bool enabled) override {
    upgradeEnabled = enabled;
    log.emplace_back(enabled ? "enable" : "disable");
  }
  void setProgress(int percent) override {
    progress = percent;
    log.push_back("progress " + std::to_string(percent));
  }
  void transferFinished(UpgradeOutcome outcome, std::string_view text, std::string_view title,
                        MessageIcon icon) override {
    outcomes.push_back(outcome);
    messages.push_back({std::string(title), std::string(text), icon});
    log.push_back("message " + std::string(text));
  }

  void transferEvent(UpgradeEvent event) override { events.push_back(event); }

  // The events are kept: a test follows them across a start.
  void clear() {
    log.clear();
    frames.clear();
    messages.clear();
  }

  std::vector<std::string> log;
  std::vector<ReportFrame> frames;
  std::vector<OperatorMessage> messages;
  std::vector<UpgradeOutcome> outcomes;
  std::vector<UpgradeEvent> events;
  LinkChoice choice{LinkProtocol::Usb, 1, 19200};
  FrameChannel channel{choice};
  bool upgradeEnabled = true;
  int progress = -1;
  std::string reopenRefusal;
  std::string portRefusal;  // line settings refused
};

// Image byte i; never zero, so zero padding stands out.
inline std::uint8_t imageByte(std::size_t i) { return static_cast<std::uint8_t>(i % 251 + 1); }

inline std::uint16_t pageOf(const ReportFrame& frame) { return readLe16(frame, 2); }
inline std::uint8_t slotOf(const ReportFrame& frame) { return frame[4]; }

struct TransferFixture : ::testing::Test {
  TempDir dir;
  RunHistory runHistory;
  FakeUpgradeHost host;
  LinkChoice& link = host.choice;
  UpgradeTransfer base{kBaseUpgradeTable, link, host, host, runHistory};
  UpgradeTransfer handheld{kHandheldUpgradeTable, link, host, host, runHistory};

  std::filesystem::path image(std::size_t size, const std::string& name = "image.dat") {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
      bytes[i] = static_cast<char>(imageByte(i));
    }
    writeFile(dir / name, bytes);
    return dir / name;
  }

  // A reply whose other bytes are noise: only the code and the FCS verdict may matter.
  static void reply(UpgradeTransfer& engine, CommandCode code, bool fcsGood = false) {
    ReportFrame rx{};
    rx.fill(0xEE);
    rx[1] = codeByte(code);
    engine.handleReply({rx, fcsGood});
  }
  // A frame sent before the transfer's, whose payload bytes 7..36 are `fill`.
  void sendEarlierFrame(std::uint8_t fill) {
    FramePayload earlier;
    earlier.bytes.fill(fill);
    earlier.end = frame_pos::kPayloadLast + 1;
    host.channel.send(CommandCode::UploadSettings, earlier);
  }

  // Start, let the pause after the start frame end, and clear what the host saw.
  void startPast(UpgradeTransfer& engine, const std::filesystem::path& path) {
    engine.startUpgrade(path);
    engine.pauseElapsed();
    host.clear();
  }
};

}  // namespace orbelle::testing
