#pragma once

#include <chrono>
#include <string_view>

#include "protocol/CommandCode.h"
#include "protocol/FramePayload.h"
#include "protocol/LinkProtocol.h"

namespace orbelle {

// How long the settings window waits for a reply over RS232, where a missing unit sends
// nothing at all; vkr waits its --timeout instead.
inline constexpr std::chrono::milliseconds kSettingsReplyTimeout{1500};

// What the settings exchange asks of the channel: one implementation serves the window and vkr.
class SettingsChannel {
 public:
  virtual ~SettingsChannel() = default;
  // Sends the frame of `code` with the payload bytes `payload` sets over the chosen link.
  virtual void sendFrame(CommandCode code, const FramePayload& payload) = 0;
  virtual LinkProtocol protocol() const = 0;
  // The serial port's settings string, whatever the link: applied now when the port is open,
  // else at its next opening. Throws LinkError when the port refuses it.
  virtual void setSerialLineSettings(std::string_view settings) = 0;
  // The reply timer, used over RS232 only; its expiry comes back as replyTimerFired.
  virtual void startReplyTimer() = 0;
  virtual void stopReplyTimer() = 0;
};

}  // namespace orbelle
