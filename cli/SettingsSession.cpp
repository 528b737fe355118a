#include "SettingsSession.h"

#include <iomanip>
#include <sstream>

#include "CliError.h"
#include "InterruptWatch.h"

namespace orbelle::cli {

SettingsSession::SettingsSession(CliLink& link)
    : link_(link),
      settingsLink_(link.session(), link.timeout(), link.failureSink()),
      model_(settingsLink_, *this) {
  settingsLink_.attach(model_);
}

void SettingsSession::showMessage(SettingsMessage message) {
  if (message == SettingsMessage::ChannelReset) {
    channelReset_ = true;  // told with the upload's report
    return;
  }
  message_ = message;
  link_.finish();
}

SettingsMessage SettingsSession::awaitMessage(const char* what) {
  message_.reset();
  const bool answered = link_.waitForFinish(link_.timeout());
  settingsLink_.stopReplyTimer();
  if (link_.interruptedBy() != 0) {
    throw interruptedError();
  }
  if (!link_.linkProblem().empty()) {
    throw CliError(kLinkUnusable,
                   "Cannot communicate with the base unit. The link broke: " + link_.linkProblem());
  }
  // The reply timer and the wait's own limit run out together; whichever comes first, the
  // outcome is the same.
  if (!answered || !message_ || *message_ == SettingsMessage::NoReply) {
    std::ostringstream text;
    text << settingsMessageText(SettingsMessage::NoReply) << " No reply to " << what << " within "
         << std::setprecision(3) << link_.options().timeoutSeconds << " s.";
    throw CliError(exitCodeFor(SettingsMessage::NoReply), text.str());
  }
  return *message_;
}

CliError SettingsSession::unsetError() const {
  return {exitCodeFor(SettingsMessage::UnsetUnit),
          std::string(settingsMessageText(SettingsMessage::UnsetUnit)) + " (bootloader " +
              model_.bootloaderText() + ", application " + model_.applicationText() + ")"};
}

CliError SettingsSession::interruptedError() const {
  const int signal = link_.interruptedBy();
  return {exitCodeForSignal(signal),
          uploadSent_
              ? "interrupted before the base unit confirmed the upload: whether it took the "
                "new settings is unknown (vkr settings read shows what it has)"
              : "interrupted: nothing was uploaded",
          {{"outcome", "interrupted"},
           {"signal", signalName(signal)},
           {"upload", uploadSent_ ? "unknown" : "none"}}};
}

SettingsSession::ReadOutcome SettingsSession::read() {
  model_.open();
  const SettingsMessage message = awaitMessage("the settings request");
  if (message == SettingsMessage::UnsetUnit) {
    return ReadOutcome::Unset;
  }
  if (message != SettingsMessage::CurrentLoaded) {
    throw CliError(kFailed, std::string("unexpected answer: ") + settingsMessageText(message));
  }
  return ReadOutcome::Loaded;
}

const BaseSettings& SettingsSession::readCurrent() {
  if (read() == ReadOutcome::Unset) {
    throw unsetError();
  }
  return model_.record();
}

const BaseSettings& SettingsSession::upload() {
  link_.noticeInterruption();
  if (link_.interruptedBy() != 0) {
    throw interruptedError();
  }
  uploadSent_ = true;
  model_.clickUpload();
  const SettingsMessage message = awaitMessage("the upload");
  if (message == SettingsMessage::UnsetUnit) {
    throw unsetError();
  }
  if (message != SettingsMessage::UploadConfirmed) {
    throw CliError(kFailed, std::string("unexpected answer: ") + settingsMessageText(message));
  }
  return model_.record();
}

}  // namespace orbelle::cli
