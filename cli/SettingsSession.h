#pragma once

#include <optional>

#include "CliError.h"
#include "CliLink.h"
#include "session/SessionSettingsChannel.h"
#include "settings/SetBaseUnitModel.h"

namespace orbelle::cli {

// The settings conversation of one vkr run: the settings window's model with the command line
// as its view. The command line's own time-out covers both links: it is the model's reply
// timer over RS232 and the limit of every wait.
class SettingsSession : private SetBaseUnitView {
 public:
  enum class ReadOutcome { Loaded, Unset };

  explicit SettingsSession(CliLink& link);

  // Opens the window's model, which asks for the current settings; throws CliError for no
  // reply or a lost link. After Loaded the model shows them; after Unset only its version
  // texts changed.
  ReadOutcome read();
  // The same, with an unset unit as an error (exit 5).
  const BaseSettings& readCurrent();
  // Uploads what the model shows and waits for the echo; throws CliError when none comes.
  const BaseSettings& upload();

  SetBaseUnitModel& model() { return model_; }
  // Whether the window would have shown its channel message since the start.
  bool channelReset() const { return channelReset_; }

 private:
  void showMessage(SettingsMessage message) override;
  SettingsMessage awaitMessage(const char* what);
  CliError unsetError() const;
  // SIGINT or SIGTERM ended the wait: whether anything may have been uploaded.
  CliError interruptedError() const;

  CliLink& link_;
  SessionSettingsChannel settingsLink_;
  SetBaseUnitModel model_;
  std::optional<SettingsMessage> message_;
  bool channelReset_ = false;
  bool uploadSent_ = false;
};

}  // namespace orbelle::cli
