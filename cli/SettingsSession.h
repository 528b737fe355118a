#pragma once

#include <optional>

#include "CliLink.h"
#include "settings/SettingsExchange.h"

namespace orbelle::cli {

// The settings conversation of one vkr run: the exchange of the settings window with the
// command line as its host. The command line's own time-out covers both links.
class SettingsSession : public SettingsExchangeHost, public ReplyReceiver {
 public:
  explicit SettingsSession(CliLink& link);
  ~SettingsSession() override;

  // Reads the current settings; throws CliError for an unset unit, no reply or a lost link.
  const BaseSettings& readCurrent();
  // Uploads and waits for the echo; throws CliError when none comes.
  const BaseSettings& upload(const BaseSettings& settings);

  SettingsExchange& exchange() { return exchange_; }

  ReportFrame& txFrame() override { return link_.state().txFrame; }
  void sendFrame(CommandCode code) override { link_.session().sendFrame(code); }
  LinkProtocol protocol() const override { return link_.state().protocol; }
  void startReplyTimer() override {}
  void stopReplyTimer() override {}
  void refresh(bool) override {}
  void setUploadEnabled(bool) override {}
  void showMessage(SettingsMessage message) override;
  void onLinkReply(const ReportFrame& rxFrame) override { exchange_.onFrameReceived(rxFrame); }

 private:
  void awaitMessage(SettingsMessage wanted, const char* what);

  CliLink& link_;
  SettingsExchange exchange_;
  std::optional<SettingsMessage> message_;
};

}  // namespace orbelle::cli
