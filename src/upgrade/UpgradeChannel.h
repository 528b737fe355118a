#pragma once

#include <string_view>

#include "protocol/CommandCode.h"
#include "protocol/FramePayload.h"
#include "upgrade/UpgradePause.h"

namespace orbelle {

// What an upgrade transfer asks of the channel: frames, the serial steps and the pauses. The
// transfer itself does no I/O but reading the image file.
//
// Calls come from the thread that drives the transfer. A reply or the end of a pause may be
// handed to the transfer from inside one of these calls; it is taken up once the call in
// progress has finished, in arrival order.
class UpgradeChannel {
 public:
  virtual ~UpgradeChannel() = default;

  // Sends the frame of `code` with the payload bytes `payload` sets; the others keep what the
  // last frame held. The outcome of the send is not examined.
  virtual void sendFrame(CommandCode code, const FramePayload& payload) = 0;

  // Drops what the unit sent right behind the reply just taken (a repeat of it), once the line
  // has been quiet long enough for a repeat to show; nothing goes out.
  virtual void dropRepeats() = 0;

  // The serial steps below concern the serial port whatever link is active. Each throws
  // LinkError with the port's own description when the port refuses; the transfer then stops.
  //
  // A "9600,n,8,1" style settings string.
  virtual void setLineSettings(std::string_view settings) = 0;
  // Drop whatever has been received and not yet taken.
  virtual void discardInput() = 0;
  // Close it if open, then open it again at the chosen rate.
  virtual void reopenSerial() = 0;

  // Wait `count` pauses of `kind` without blocking: tell the transfer pauseArmed once the wait
  // runs, then pauseElapsed once. A new request replaces one still running. Replies that come
  // meanwhile are kept until the end.
  virtual void startPause(PauseKind kind, int count) = 0;
};

}  // namespace orbelle
