#include "SettingsSession.h"

#include <iomanip>
#include <sstream>

#include "CliError.h"
#include "protocol/LineSettings.h"

namespace orbelle::cli {

SettingsSession::SettingsSession(CliLink& link) : link_(link), exchange_(*this) {
  link_.session().dispatcher().attach(Feature::SetBaseUnit, this);
}

SettingsSession::~SettingsSession() { link_.session().dispatcher().detach(Feature::SetBaseUnit); }

void SettingsSession::showMessage(SettingsMessage message) {
  message_ = message;
  link_.finish();
}

void SettingsSession::awaitMessage(SettingsMessage wanted, const char* what) {
  message_.reset();
  const bool answered = link_.waitForFinish(link_.timeout());
  if (!link_.linkProblem().empty()) {
    throw CliError(kLinkUnusable, "Cannot communicate with the base unit. The USB link broke: " +
                                      link_.linkProblem());
  }
  if (!answered || !message_) {
    std::ostringstream text;
    text << settingsMessageText(SettingsMessage::NoReply) << " No reply to " << what << " within "
         << std::setprecision(3) << link_.options().timeoutSeconds << " s.";
    throw CliError(kNoReply, text.str());
  }
  if (*message_ == SettingsMessage::UnsetUnit) {
    throw CliError(kUnsetUnit, std::string(settingsMessageText(*message_)) + " (bootloader " +
                                   exchange_.bootloaderText() + ", application " +
                                   exchange_.applicationText() + ")");
  }
  if (*message_ != wanted) {
    throw CliError(kFailed, std::string("unexpected answer: ") + settingsMessageText(*message_));
  }
}

const BaseSettings& SettingsSession::readCurrent() {
  // The settings conversation always runs at 9600 bit/s, whatever the preferred rate.
  if (protocol() == LinkProtocol::Rs232) {
    link_.session().serial().setLineSettings(kStartFrameLineSettings);
  }
  exchange_.requestCurrentSettings();
  awaitMessage(SettingsMessage::CurrentLoaded, "the settings request");
  return exchange_.record();
}

const BaseSettings& SettingsSession::upload(const BaseSettings& settings) {
  exchange_.uploadSettings(settings);
  awaitMessage(SettingsMessage::UploadConfirmed, "the upload");
  return exchange_.record();
}

}  // namespace orbelle::cli
