#pragma once

#include <string_view>

#include "protocol/CommandCode.h"
#include "protocol/MessageIcon.h"
#include "upgrade/UpgradePause.h"

namespace orbelle {

// What an upgrade transfer asks of the window or program that runs it. The GUI windows and
// the command-line tool each implement it; the transfer itself does no I/O but reading the
// image file.
//
// Calls come from the thread that drives the transfer. A host may hand a reply to
// handleReply or call pauseElapsed from inside one of these calls; the transfer then takes it
// up once the call in progress has finished, in arrival order.
class UpgradeHost {
 public:
  virtual ~UpgradeHost() = default;

  // SendFrame with this code on the shared LinkState; the transfer has already written its
  // payload into txFrame. The outcome of the send is not examined.
  virtual void sendFrame(CommandCode code) = 0;

  // The serial steps below concern the serial port whatever link is active. Each throws
  // LinkError with the port's own description when the port refuses; the transfer then stops.
  //
  // A "9600,n,8,1" style settings string.
  virtual void setLineSettings(std::string_view settings) = 0;
  // Drop whatever has been received and not yet taken.
  virtual void discardInput() = 0;
  // Close it if open, then open it again at LinkState.baudrate.
  virtual void reopenSerial() = 0;

  // Wait `count` pauses of `kind` without blocking, then call pauseElapsed() on the transfer
  // once. A new request replaces one still running. Input and replies are not to reach the
  // transfer as new operator actions meanwhile (replies that do are kept until the end, except
  // during the restart pause, whose input the serial discard drops).
  virtual void startPause(PauseKind kind, int count) = 0;

  virtual void setUpgradeEnabled(bool enabled) = 0;
  // 0..100.
  virtual void setProgress(int percent) = 0;
  // Returns once the operator has seen it (a modal box in the window, a line on the console).
  virtual void showMessage(std::string_view text, std::string_view title, MessageIcon icon) = 0;
};

}  // namespace orbelle
