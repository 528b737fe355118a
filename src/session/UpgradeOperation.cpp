#include "session/UpgradeOperation.h"

#include "session/Session.h"
#include "session/UpgradeRecording.h"

namespace orbelle {

namespace {

const UpgradeCodeTable& tableOf(UpgradeOperation::Unit unit) {
  return unit == UpgradeOperation::Unit::Base ? kBaseUpgradeTable : kHandheldUpgradeTable;
}

UpgradeEnd endOf(UpgradeEnding ending) {
  UpgradeEnd end;
  end.ending = ending;
  return end;
}

}  // namespace

UpgradeOperation::UpgradeOperation(Session& session, Unit unit, RunHistory& runHistory,
                                   Options options, QObject* parent)
    : QObject(parent),
      session_(session),
      options_(options),
      feature_(unit == Unit::Base ? FeatureWindow::UpgradeBaseUnit
                                  : FeatureWindow::UpgradeHandheldUnit),
      channel_(session, options.pauses,
               [this](std::exception_ptr failure) { fail(std::move(failure)); }),
      transfer_(tableOf(unit), session.channel().choice(), channel_, *this, runHistory) {
  channel_.attach(transfer_);
  // A unit that stays silent is waited for (a slow one must not be abandoned), but not without
  // a word; the timer is not set anew for each reply: when it fires it looks at the time since
  // the last one.
  silence_.setSingleShot(true);
  connect(&silence_, &QTimer::timeout, this, [this] {
    runGuarded([this](std::exception_ptr failure) { fail(std::move(failure)); },
               [this] { silenceDue(); });
  });
}

UpgradeOperation::~UpgradeOperation() {
  session_.dispatcher().detach(feature_);
  channel_.cancelPause();
  // Whatever is still open or held is recorded as it stands; nobody is left to warn.
  if (record_) {
    if (!recordEnded_) {
      closeRecord("abandoned", "");
    }
    writeUpgradeRecord(*record_);
  }
}

FeatureWindow UpgradeOperation::feature() const { return feature_; }

void UpgradeOperation::listen() { session_.dispatcher().attach(feature_, &transfer_); }

void UpgradeOperation::start(const std::filesystem::path& image) {
  if (!options_.program.empty()) {
    if (record_) {
      // One still open or held: it is recorded as it stands.
      if (!recordEnded_) {
        closeRecord("abandoned", "");
      }
      writeRecord();
    }
    record_ = beginUpgradeRecord(session_, options_.program,
                                 feature_ == FeatureWindow::UpgradeBaseUnit, image);
    recordEnded_ = false;
    recordStartedAt_ = Clock::now();
  }
  lastHeard_ = Clock::now();
  silenceTold_ = false;
  silence_.start(options_.silenceLimit);
  if (session_.channel().outcome() != LinkOutcome::Usable) {
    // Released after it broke: opened again as the main window's command would.
    LinkedFeatureResult opened = session_.openFor(feature_);
    if (opened.outcome != LinkedFeatureOutcome::Open) {
      silence_.stop();
      UpgradeEnd refused = endOf(UpgradeEnding::LinkRefused);
      refused.opening = std::move(opened);
      announce(refused);
      return;
    }
  }
  transfer_.startUpgrade(image);
}

void UpgradeOperation::close() {
  if (record_ && !recordEnded_) {
    closeRecord("abandoned", "");  // the window was left in mid-transfer
    if (!options_.versionsFollow) {
      writeRecord();
    }
  }
  // Detached first: a reply already on its way finds no receiver rather than a closed image.
  session_.dispatcher().detach(feature_);
  endPause();
  transfer_.closeImage();
  silence_.stop();
  silenceTold_ = false;
  session_.closeLink();
}

void UpgradeOperation::linkBroke() { finish(endOf(UpgradeEnding::LinkBroke), true); }

void UpgradeOperation::interrupt() { finish(endOf(UpgradeEnding::Interrupted), false); }

void UpgradeOperation::fail(std::exception_ptr failure) {
  UpgradeEnd failed = endOf(UpgradeEnding::Failed);
  failed.failure = std::move(failure);
  finish(failed, false);
}

void UpgradeOperation::finish(UpgradeEnd end, bool releaseLink) {
  end.stateAtEnd = transfer_.state();
  endPause();
  transfer_.closeImage();
  silence_.stop();
  silenceTold_ = false;
  if (releaseLink) {
    // At once, so that nothing (a USB device above all) stays held until the window closes.
    session_.closeLink();
  }
  announce(end);
}

void UpgradeOperation::announce(const UpgradeEnd& end) {
  if (record_ && !recordEnded_) {
    closeRecord(upgradeOutcomeName(end), upgradeEndMessage(end));
    if (!options_.versionsFollow) {
      writeRecord();
    }
  }
  emit ended(end);
}

void UpgradeOperation::closeRecord(const std::string& outcome, const std::string& message) {
  UpgradeRecord& record = *record_;
  record.outcome = outcome;
  record.message = message;
  record.seconds = std::chrono::duration<double>(Clock::now() - recordStartedAt_).count();
  record.blocks = transfer_.counters().blocksSent;
  record.retries = transfer_.counters().retries;
  recordEnded_ = true;
}

void UpgradeOperation::recordVersions(const VersionCheck& check) {
  if (!record_ || !recordEnded_) {
    return;
  }
  record_->versionsChecked = true;
  record_->versionsBefore = check.before;
  record_->versionsAfter = check.after;
  record_->warning = check.warning;
  writeRecord();
}

void UpgradeOperation::writeRecord() {
  const UpgradeRecord record = std::move(*record_);
  record_.reset();
  if (const auto warning = writeUpgradeRecord(record)) {
    emit recordFailed(*warning);
  }
}

void UpgradeOperation::endPause() {
  channel_.cancelPause();
  pauseEnded();
}

void UpgradeOperation::setUpgradeEnabled(bool enabled) {
  if (enabled) {
    // The transfer is over, whichever way.
    silence_.stop();
    silenceTold_ = false;
  }
  emit upgradeAllowed(enabled);
}

void UpgradeOperation::transferFinished(UpgradeOutcome outcome, std::string_view text,
                                        std::string_view title, MessageIcon icon) {
  if (isSuccess(outcome) && !lastAckAt_) {
    lastAckAt_ = Clock::now();  // the done reply ended the block phase
  }
  silence_.stop();
  UpgradeEnd end = endOf(UpgradeEnding::Transfer);
  end.stateAtEnd = transfer_.state();
  end.outcome = outcome;
  end.message = {std::string(title), std::string(text), icon};
  if (outcome == UpgradeOutcome::LinkFailed) {
    end.refusal = channel_.lastRefusal();
  }
  announce(end);
}

void UpgradeOperation::replyReceived() {
  if (silenceTold_) {
    silenceTold_ = false;
    silence_.stop();
    emit unitAnswered();
  }
  // Time in a pause is not the unit's silence: no reply can be handled meanwhile.
  if (running() && !paused_) {
    lastHeard_ = Clock::now();
    if (!silence_.isActive()) {
      silence_.start(options_.silenceLimit);
    }
  }
}

void UpgradeOperation::silenceDue() {
  if (!running() || paused_) {
    return;
  }
  const auto silent =
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - lastHeard_);
  if (silent < options_.silenceLimit) {
    silence_.start(options_.silenceLimit - silent);
    return;
  }
  if (options_.endWhenSilent) {
    finish(endOf(UpgradeEnding::NoReply), false);
    return;
  }
  silenceTold_ = true;
  emit unitSilent(silent.count() / 1000);
  // The count goes on, second by second, until a reply comes.
  silence_.start(std::chrono::milliseconds(1000 - silent.count() % 1000));
}

void UpgradeOperation::pauseStarted(bool restart, std::chrono::milliseconds duration) {
  paused_ = true;
  silence_.stop();
  emit pauseBegan(restart, duration);
}

void UpgradeOperation::pauseEnded() {
  if (!paused_) {
    return;
  }
  paused_ = false;
  if (running()) {
    lastHeard_ = Clock::now();
    silence_.start(options_.silenceLimit);
  }
  emit pauseOver();
}

void UpgradeOperation::transferEvent(UpgradeEvent event) {
  const Clock::time_point now = Clock::now();
  switch (event) {
    case UpgradeEvent::StartSent:
      startedAt_ = now;
      firstBlockAt_.reset();
      lastAckAt_.reset();
      advised_ = false;
      session_.serial().clearTurnarounds();
      emit startSent();
      return;
    case UpgradeEvent::BlockSent:
      if (!firstBlockAt_) {
        firstBlockAt_ = now;
      }
      emit blockSent();
      adviseOnAdapterDelay();
      return;
    case UpgradeEvent::AllBlocksAcknowledged:
      lastAckAt_ = now;
      return;
    case UpgradeEvent::BlockResent:
    case UpgradeEvent::HandshakeAnswered:
    case UpgradeEvent::Completed:
      return;
  }
}

void UpgradeOperation::adviseOnAdapterDelay() {
  if (advised_ || !firstBlockAt_ || session_.channel().choice().protocol != LinkProtocol::Rs232) {
    return;
  }
  const SerialLink& serial = session_.serial();
  if (const auto advice = adapterDelayAdvice(
          serial.turnarounds(), secondsSinceFirstBlock(Clock::now()),
          transfer_.counters().blocksSent, transfer_.imageLength(), serial.devicePath())) {
    advised_ = true;
    emit advised(*advice);
  }
}

double UpgradeOperation::secondsSinceFirstBlock(Clock::time_point now) const {
  return firstBlockAt_ ? std::chrono::duration<double>(now - *firstBlockAt_).count() : 0.0;
}

std::optional<ProgressFigures> UpgradeOperation::figures() const {
  if (!firstBlockAt_) {
    return std::nullopt;
  }
  return progressFigures(transfer_.counters().imageBytesSent, transfer_.imageLength(),
                         secondsSinceFirstBlock(Clock::now()));
}

double UpgradeOperation::blockPhaseSeconds() const {
  if (!firstBlockAt_ || !lastAckAt_) {
    return 0.0;
  }
  return std::chrono::duration<double>(*lastAckAt_ - *firstBlockAt_).count();
}

double UpgradeOperation::effectiveRate() const {
  // Resent blocks took wire time but brought no new image bytes.
  const double seconds = blockPhaseSeconds();
  return seconds > 0.0 ? static_cast<double>(transfer_.counters().imageBytesSent) / seconds : 0.0;
}

const TurnaroundStats* UpgradeOperation::turnarounds() const {
  const TurnaroundStats& measured = session_.serial().turnarounds();
  // Measured on a serial line only.
  if (session_.channel().choice().protocol != LinkProtocol::Rs232 || measured.count() == 0) {
    return nullptr;
  }
  return &measured;
}

}  // namespace orbelle
