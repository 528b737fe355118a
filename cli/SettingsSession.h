#pragma once

#include <optional>

#include "CliError.h"
#include "CliLink.h"
#include "link/ReplyTimer.h"
#include "settings/SettingsExchange.h"

namespace orbelle::cli {

// The settings conversation of one vkr run: the exchange of the settings window with the
// command line as its host. The command line's own time-out covers both links: it is the
// exchange's reply timer over RS232 and the limit of every wait.
class SettingsSession : public SettingsExchangeHost, public ReplyReceiver {
 public:
  enum class ReadOutcome { Loaded, Unset };

  explicit SettingsSession(CliLink& link);
  ~SettingsSession() override;

  // Opens the exchange as the settings window does and asks for the current settings; throws
  // CliError for no reply or a lost link. After Loaded the exchange's record holds them; after
  // Unset only its version texts changed.
  ReadOutcome read();
  // The same, with an unset unit as an error (exit 5).
  const BaseSettings& readCurrent();
  // Uploads and waits for the echo; throws CliError when none comes.
  const BaseSettings& upload(const BaseSettings& settings);

  SettingsExchange& exchange() { return exchange_; }
  // The last frame received, as the window's rxFrame.
  const ReportFrame& lastReply() const { return lastReply_; }

  ReportFrame& txFrame() override { return link_.state().txFrame; }
  void sendFrame(CommandCode code) override { link_.session().sendFrame(code); }
  LinkProtocol protocol() const override { return link_.state().protocol; }
  void setSerialLineSettings(std::string_view settings) override {
    link_.session().setSerialLineSettings(settings);
  }
  void startReplyTimer() override { replyTimer_.start(); }
  void stopReplyTimer() override { replyTimer_.stop(); }
  void refresh(bool) override {}
  void setUploadEnabled(bool) override {}
  void showMessage(SettingsMessage message) override;
  void onLinkReply(const ReportFrame& rxFrame) override {
    lastReply_ = rxFrame;
    exchange_.onFrameReceived(rxFrame);
  }

 private:
  SettingsMessage awaitMessage(const char* what);
  CliError unsetError() const;

  CliLink& link_;
  SettingsExchange exchange_;
  ReplyTimer replyTimer_;
  ReportFrame lastReply_{};
  std::optional<SettingsMessage> message_;
};

}  // namespace orbelle::cli
