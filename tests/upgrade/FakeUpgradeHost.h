#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "protocol/LinkError.h"
#include "protocol/LinkSteps.h"
#include "upgrade/UpgradeHost.h"

namespace orbelle::testing {

struct ShownMessage {
  std::string text;
  std::string title;
  MessageIcon icon;
};

// Records every request of the transfer, in order, as one log line each. Pauses end only when
// the test says so; the frames are those SendFrame built in the shared txFrame.
class FakeUpgradeHost : public UpgradeHost {
 public:
  explicit FakeUpgradeHost(LinkState& link) : link_(link) {}

  void sendFrame(CommandCode code) override {
    SendFrame(link_, LinkEndpoints{}, code);
    frames.push_back(link_.txFrame);
    char line[16];
    std::snprintf(line, sizeof line, "send %02x", static_cast<unsigned>(codeByte(code)));
    log.emplace_back(line);
  }
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
    std::string line = kind == PauseKind::Short ? "pause short x" : "pause long x";
    line.append(std::to_string(count));
    log.push_back(line);
  }
  void setUpgradeEnabled(bool enabled) override {
    upgradeEnabled = enabled;
    log.emplace_back(enabled ? "enable" : "disable");
  }
  void setProgress(int percent) override {
    progress = percent;
    log.push_back("progress " + std::to_string(percent));
  }
  void showMessage(std::string_view text, std::string_view title, MessageIcon icon) override {
    messages.push_back({std::string(text), std::string(title), icon});
    log.push_back("message " + std::string(text));
  }

  void clear() {
    log.clear();
    frames.clear();
    messages.clear();
  }

  std::vector<std::string> log;
  std::vector<ReportFrame> frames;
  std::vector<ShownMessage> messages;
  bool upgradeEnabled = true;
  int progress = -1;
  std::string reopenRefusal;
  std::string portRefusal;  // line settings refused

 private:
  LinkState& link_;
};

}  // namespace orbelle::testing
