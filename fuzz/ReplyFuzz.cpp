// Feeds arbitrary frames from the "device" to everything that reads replies: the settings
// codec and model, and an upgrade in progress.

#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>

#include "protocol/FrameChannel.h"
#include "settings/SetBaseUnitModel.h"
#include "settings/SettingsCodec.h"
#include "upgrade/UpgradeCodeTable.h"
#include "upgrade/UpgradeTransfer.h"

namespace {

class QuietSettingsLink : public orbelle::SettingsChannel, public orbelle::SetBaseUnitView {
 public:
  void sendFrame(orbelle::CommandCode code, const orbelle::FramePayload& payload) override {
    channel.send(code, payload);
  }
  orbelle::LinkProtocol protocol() const override { return orbelle::LinkProtocol::Rs232; }
  void setSerialLineSettings(std::string_view) override {}
  void startReplyTimer() override {}
  void stopReplyTimer() override {}
  void showMessage(orbelle::SettingsMessage) override {}
  orbelle::LinkChoice choice{orbelle::LinkProtocol::Rs232, 1, 19200};
  orbelle::FrameChannel channel{choice};
};

class QuietUpgradeHost : public orbelle::UpgradeChannel, public orbelle::UpgradeView {
 public:
  void sendFrame(orbelle::CommandCode, const orbelle::FramePayload&) override {}
  void dropRepeats() override {}
  void setLineSettings(std::string_view) override {}
  void discardInput() override {}
  void reopenSerial() override {}
  void startPause(orbelle::PauseKind, int) override { pausing = true; }
  void setUpgradeEnabled(bool) override {}
  void setProgress(int percent) override {
    if (percent < 0 || percent > 100) {
      std::abort();
    }
  }
  void transferFinished(orbelle::UpgradeOutcome, std::string_view, std::string_view,
                        orbelle::MessageIcon) override {}
  bool pausing = false;
};

const char* imagePath() {
  static const char* path = [] {
    static char name[] = "/tmp/orbelle-fuzz-image-XXXXXX";
    const int fd = ::mkstemp(name);
    std::ofstream(name, std::ios::binary) << std::string(1000, '\x5A');
    (void)fd;
    return name;
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  QuietSettingsLink settingsLink;
  orbelle::SetBaseUnitModel settings(settingsLink, settingsLink);
  const orbelle::LinkChoice link{orbelle::LinkProtocol::Rs232, 1, 19200};
  orbelle::RunHistory flags;
  QuietUpgradeHost upgradeHost;
  orbelle::UpgradeTransfer transfer(orbelle::kBaseUpgradeTable, link, upgradeHost, upgradeHost,
                                    flags);
  transfer.startUpgrade(imagePath());

  for (std::size_t at = 0; at + orbelle::kFrameSize <= size; at += orbelle::kFrameSize) {
    orbelle::ReportFrame frame{};
    std::copy(data + at, data + at + orbelle::kFrameSize, frame.begin());
    (void)orbelle::decodeCurrentSettings(frame);
    (void)orbelle::versionText(orbelle::bootloaderVersionOf(frame));
    settings.frameReceived(frame);
    if (upgradeHost.pausing) {
      upgradeHost.pausing = false;
      transfer.pauseElapsed();
    }
    transfer.handleReply({frame, (frame[0] & 1) != 0});  // either verdict, as the input has it
    if (transfer.offset() > 1000) {
      std::abort();
    }
  }
  return 0;
}
