#pragma once

#include <optional>

#include "CliError.h"
#include "CliLink.h"
#include "link/ReplyTimer.h"
#include "settings/SetBaseUnitModel.h"

namespace orbelle::cli {

// The settings conversation of one vkr run: the settings window's model with the command line
// as its view. The command line's own time-out covers both links: it is the model's reply
// timer over RS232 and the limit of every wait.
class SettingsSession : public SetBaseUnitHost, public ReplyReceiver {
 public:
  enum class ReadOutcome { Loaded, Unset };

  explicit SettingsSession(CliLink& link);
  ~SettingsSession() override;

  // Opens the window's model, which asks for the current settings; throws CliError for no
  // reply or a lost link. After Loaded the model shows them; after Unset only its version
  // texts changed.
  ReadOutcome read();
  // The same, with an unset unit as an error (exit 5).
  const BaseSettings& readCurrent();
  // Clicks Upload and waits for the echo; throws CliError when none comes.
  const BaseSettings& upload();

  SetBaseUnitModel& model() { return model_; }
  // Whether the window would have shown its channel message since the start.
  bool channelReset() const { return channelReset_; }

  ReportFrame& txFrame() override { return link_.state().txFrame; }
  void sendFrame(CommandCode code) override { link_.session().sendFrame(code); }
  LinkProtocol protocol() const override { return link_.state().protocol; }
  void setSerialLineSettings(std::string_view settings) override {
    link_.session().setSerialLineSettings(settings);
  }
  void startReplyTimer() override { replyTimer_.start(); }
  void stopReplyTimer() override { replyTimer_.stop(); }
  void showMessage(SetBaseUnitMessage message) override;
  void onLinkReply(const ReportFrame& rxFrame) override { model_.frameReceived(rxFrame); }

 private:
  SettingsMessage awaitMessage(const char* what);
  CliError unsetError() const;

  CliLink& link_;
  SetBaseUnitModel model_;
  ReplyTimer replyTimer_;
  std::optional<SettingsMessage> message_;
  bool channelReset_ = false;
};

}  // namespace orbelle::cli
