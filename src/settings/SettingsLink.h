#pragma once

#include <chrono>
#include <string_view>

#include "protocol/CommandCode.h"
#include "protocol/LinkProtocol.h"
#include "protocol/ReportFrame.h"

namespace orbelle {

// How long the settings window waits for a reply over RS232, where a missing unit sends
// nothing at all; vkr waits its --timeout instead.
inline constexpr std::chrono::milliseconds kSettingsReplyTimeout{1500};

// The link side of the settings exchange: one implementation serves the window and vkr.
class SettingsLink {
 public:
  virtual ~SettingsLink() = default;
  virtual ReportFrame& txFrame() = 0;
  // Sends over the chosen link; the payload is already in txFrame.
  virtual void sendFrame(CommandCode code) = 0;
  virtual LinkProtocol protocol() const = 0;
  // The serial port's settings string, whatever the link: applied now when the port is open,
  // else at its next opening. Throws LinkError when the port refuses it.
  virtual void setSerialLineSettings(std::string_view settings) = 0;
  // The reply timer, used over RS232 only; its expiry comes back as replyTimerFired.
  virtual void startReplyTimer() = 0;
  virtual void stopReplyTimer() = 0;
};

}  // namespace orbelle
