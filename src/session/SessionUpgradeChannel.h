#pragma once

#include <optional>

#include "protocol/LinkError.h"
#include "session/PauseTimer.h"
#include "upgrade/UpgradeChannel.h"

namespace orbelle {

class Session;
class UpgradeTransfer;

// An upgrade's side of the channel on the program's session, for the window and vkr alike:
// frames and serial steps go through the frame channel, so tracing sees them, and the serial steps
// reach the serial port even when USB is the active link. The pauses run on the event loop,
// counted from when the start frame has left the port over RS232.
class SessionUpgradeChannel : public UpgradeChannel {
 public:
  // `failed` takes what the end of a pause threw inside the event loop.
  SessionUpgradeChannel(Session& session, PauseDurations pauses, FailureSink failed);

  // The transfer told of each pause; set once, before the first start.
  void attach(UpgradeTransfer& transfer) { transfer_ = &transfer; }
  // No pause ends after this: the run is over, or the window closes.
  void cancelPause() { timer_.cancel(); }
  // Why the serial port last refused a step, so that a program can suggest a remedy.
  const std::optional<LinkRefusal>& lastRefusal() const { return refusal_; }

  void sendFrame(CommandCode code, const FramePayload& payload) override;
  void dropRepeats() override;
  void setLineSettings(std::string_view settings) override;
  void discardInput() override;
  void reopenSerial() override;
  void startPause(PauseKind kind, int count) override;

 private:
  template <typename Step>
  void serialStep(const Step& step);
  void armed(std::chrono::milliseconds duration);
  void elapsed();

  Session& session_;
  PauseDurations pauses_;
  UpgradeTransfer* transfer_ = nullptr;
  PauseKind kind_ = PauseKind::Short;
  int count_ = 0;
  std::optional<LinkRefusal> refusal_;
  PauseTimer timer_;
};

}  // namespace orbelle
