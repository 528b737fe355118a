#include "session/SettingsExchange.h"

#include <stdexcept>

#include "session/Session.h"

namespace orbelle {

SettingsExchange::SettingsExchange(Session& session, std::chrono::milliseconds deadline,
                                   QObject* parent)
    : QObject(parent),
      // The deadline below is the one wait, over either link: the model's own timer stays off.
      channel_(session, std::nullopt,
               [this](std::exception_ptr failure) { fail(std::move(failure)); }),
      model_(channel_, *this) {
  deadline_.setSingleShot(true);
  deadline_.setInterval(deadline);
  connect(&deadline_, &QTimer::timeout, this, [this] { end(SettingsEnding::NoReply); });
}

SettingsExchange::~SettingsExchange() { channel_.detach(); }

void SettingsExchange::read() { begin(Job::Read); }

void SettingsExchange::change(const SettingsChange& change) {
  change_ = change;
  begin(Job::Change);
}

void SettingsExchange::restoreDefaults() { begin(Job::Defaults); }

void SettingsExchange::apply(const SettingsChange& change, bool dryRun) {
  change_ = change;
  dryRun_ = dryRun;
  begin(Job::Apply);
}

const char* SettingsExchange::waitingFor() const {
  switch (phase_) {
    case Phase::Uploading:
      return "the upload";
    case Phase::ReadingBack:
      return "the settings request after the upload";
    case Phase::Reading:
      break;
  }
  return "the settings request";
}

void SettingsExchange::begin(Job job) {
  job_ = job;
  channel_.attach(model_);
  // As the window opens: the line to 9600,n,8,1 over RS232, and the current settings asked for.
  model_.open();
  deadline_.start();
}

void SettingsExchange::showMessage(SettingsMessage message) {
  if (hasEnded()) {
    return;
  }
  if (message == SettingsMessage::ChannelReset) {
    record_.channelReset = true;  // told with the upload's report
    return;
  }
  deadline_.stop();
  switch (phase_) {
    case Phase::Reading:
      settingsRead(message);
      return;
    case Phase::Uploading:
      uploadAnswered(message);
      return;
    case Phase::ReadingBack:
      readBack(message);
      return;
  }
}

void SettingsExchange::settingsRead(SettingsMessage message) {
  const bool unset = message == SettingsMessage::UnsetUnit;
  if (!unset && message != SettingsMessage::CurrentLoaded) {
    unexpected_ = message;
    end(SettingsEnding::UnexpectedAnswer);
    return;
  }
  if (!unset) {
    record_.nationBefore = model_.reported().nation;
  }
  switch (job_) {
    case Job::Read:
      keepRecord();
      end(unset ? SettingsEnding::Unset : SettingsEnding::Read);
      return;
    case Job::Change:
      if (unset) {
        // Never set: the defaults are the start, as Return Default Settings loads them.
        record_.startedFromDefaults = true;
        model_.clickReturnDefaultSettings();
      }
      try {
        record_.adjusted = model_.applyChange(change_);
      } catch (const std::invalid_argument& refused) {
        refusal_ = refused.what();
        end(SettingsEnding::ChangeRefused);
        return;
      }
      break;
    case Job::Defaults:
      model_.clickReturnDefaultSettings();
      break;
    case Job::Apply:
      if (!compare(unset)) {
        return;
      }
      break;
  }
  upload();
}

bool SettingsExchange::compare(bool unset) {
  if (unset) {
    record_.startedFromDefaults = true;
    model_.clickReturnDefaultSettings();
  }
  // The unit's settings as read, whatever the comparison finds.
  keepRecord();
  const BaseSettings before = model_.record();
  try {
    // An unset unit's nation is not known: its reply carries none that counts.
    if (!unset) {
      checkNation(change_, before.nation);
    }
    record_.adjusted = model_.applyChange(change_);
  } catch (const std::invalid_argument& refused) {
    refusal_ = refused.what();
    end(SettingsEnding::ChangeRefused);
    return false;
  }
  uploaded_ = model_.uploadValues();
  record_.differences = settingsDifferences(before, uploaded_);
  if (dryRun_ || (record_.differences.empty() && !unset)) {
    end(SettingsEnding::Unchanged);
    return false;
  }
  return true;
}

void SettingsExchange::upload() {
  emit aboutToUpload();
  if (hasEnded()) {
    return;
  }
  uploadSent_ = true;
  record_.uploaded = true;
  phase_ = Phase::Uploading;
  // As the window's Upload button does.
  model_.clickUpload();
  deadline_.start();
}

void SettingsExchange::uploadAnswered(SettingsMessage message) {
  keepRecord();
  switch (message) {
    case SettingsMessage::UploadConfirmed:
      if (job_ == Job::Apply) {
        // As Display Current Settings does: what the unit keeps, not what it echoed.
        phase_ = Phase::ReadingBack;
        model_.clickDisplayCurrentSettings();
        deadline_.start();
        return;
      }
      end(SettingsEnding::Uploaded);
      return;
    case SettingsMessage::UnsetUnit:
      end(SettingsEnding::Unset);
      return;
    default:
      unexpected_ = message;
      end(SettingsEnding::UnexpectedAnswer);
      return;
  }
}

void SettingsExchange::readBack(SettingsMessage message) {
  if (message != SettingsMessage::CurrentLoaded) {
    unexpected_ = message;
    end(SettingsEnding::UnexpectedAnswer);
    return;
  }
  keepRecord();
  record_.mismatches = settingsDifferences(uploaded_, model_.record());
  end(record_.mismatches.empty() ? SettingsEnding::Uploaded : SettingsEnding::ReadBackDiffers);
}

void SettingsExchange::keepRecord() {
  record_.settings = model_.record();
  record_.bootloaderVersion = model_.bootloaderText();
  record_.applicationVersion = model_.applicationText();
}

void SettingsExchange::linkBroke() { end(SettingsEnding::LinkBroke); }

void SettingsExchange::interrupt() { end(SettingsEnding::Interrupted); }

void SettingsExchange::fail(std::exception_ptr failure) {
  failure_ = std::move(failure);
  end(SettingsEnding::Failed);
}

void SettingsExchange::end(SettingsEnding ending) {
  if (hasEnded()) {
    return;
  }
  ending_ = ending;
  deadline_.stop();
  channel_.detach();
  emit ended();
}

}  // namespace orbelle
