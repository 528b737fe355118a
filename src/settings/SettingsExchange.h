#pragma once

#include <string>
#include <string_view>

#include "protocol/CommandCode.h"
#include "protocol/LinkProtocol.h"
#include "protocol/ReportFrame.h"
#include "settings/BaseSettings.h"
#include "settings/SettingsMessages.h"

namespace orbelle {

// The link side of the settings conversation, shared by the exchange's host and the Set Base
// Unit window's.
class SettingsLinkHost {
 public:
  virtual ~SettingsLinkHost() = default;
  virtual ReportFrame& txFrame() = 0;
  // SendFrame over the chosen link; the payload is already in txFrame.
  virtual void sendFrame(CommandCode code) = 0;
  virtual LinkProtocol protocol() const = 0;
  // The serial port's settings string, whatever the link: applied now when the port is open,
  // else at its next opening. Throws LinkError when the port refuses it. A host with no serial
  // port has nothing to set.
  virtual void setSerialLineSettings(std::string_view /*settings*/) {}
  // The 1500 ms reply timer, used over RS232 only.
  virtual void startReplyTimer() = 0;
  virtual void stopReplyTimer() = 0;
};

// What the exchange needs from its window (or from the command-line tool).
class SettingsExchangeHost : public SettingsLinkHost {
 public:
  // The record changed; show it (with the version texts when `withVersions`).
  virtual void refresh(bool withVersions) = 0;
  // Only the version texts changed (an unset unit's reply): show them as they are, without
  // a refresh, which would rebuild the lists from a record that did not change.
  virtual void showVersionTexts() {}
  virtual void setUploadEnabled(bool enabled) = 0;
  virtual void showMessage(SettingsMessage message) = 0;
};

// Reads and uploads the base unit's settings. Replies are not matched to requests: each
// received frame is judged by itself, by the unset test and then by its code.
class SettingsExchange {
 public:
  static constexpr int kReplyTimeoutMs = 1500;

  explicit SettingsExchange(SettingsExchangeHost& host) : host_(host) {}

  // The window's opening: the line goes to 9600,n,8,1, so the whole exchange over RS232 runs
  // at that rate whatever the preferences name, then the current settings are asked for.
  void open();
  void requestCurrentSettings();
  // Uploads `shown`, the values the window shows, with the nation byte left unset.
  void uploadSettings(const BaseSettings& shown);
  void onFrameReceived(const ReportFrame& rxFrame);
  void onReplyTimer();
  // Loads the defaults for a later upload; the nation is the one last reported in rxFrame.
  void returnDefaultSettings(const ReportFrame& rxFrame);

  const BaseSettings& record() const { return record_; }
  BaseSettings& record() { return record_; }
  const std::string& bootloaderText() const { return bootloaderText_; }
  const std::string& applicationText() const { return applicationText_; }

 private:
  SettingsExchangeHost& host_;
  BaseSettings record_;
  std::string bootloaderText_;
  std::string applicationText_;
};

}  // namespace orbelle
