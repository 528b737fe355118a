#pragma once

#include <chrono>
#include <string_view>

#include "message/MessageIcon.h"
#include "upgrade/UpgradeReport.h"

namespace orbelle {

// What the operator's side hears of an upgrade transfer: the upgrade window, or vkr.
class UpgradeView {
 public:
  virtual ~UpgradeView() = default;

  virtual void setUpgradeEnabled(bool enabled) = 0;
  // 0..100.
  virtual void setProgress(int percent) = 0;
  // The transfer is over with `outcome`, and this is what the operator is told; returns once
  // the operator has seen it (a modal box in the window, a line on the console). A done reply
  // after a completion tells the completion again.
  virtual void transferFinished(UpgradeOutcome outcome, std::string_view text,
                                std::string_view title, MessageIcon icon) = 0;

  // A reply has come, whatever it holds.
  virtual void replyReceived() {}
  // A pause runs for `duration`; no reply is due, and no input is taken, until pauseEnded.
  // `restart`: the unit restarts after its last block; otherwise it takes the start frame.
  virtual void pauseStarted(bool /*restart*/, std::chrono::milliseconds /*duration*/) {}
  virtual void pauseEnded() {}
  // A step of the transfer, for timing and tracing.
  virtual void transferEvent(UpgradeEvent /*event*/) {}
};

}  // namespace orbelle
