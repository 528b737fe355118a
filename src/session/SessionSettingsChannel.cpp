#include "session/SessionSettingsChannel.h"

namespace orbelle {

SessionSettingsChannel::SessionSettingsChannel(
    Session& session, std::optional<std::chrono::milliseconds> replyTimeout, FailureSink failed,
    QObject* parent)
    : QObject(parent),
      session_(session),
      failed_(std::move(failed)),
      timed_(replyTimeout.has_value()),
      replyTimer_(this) {
  replyTimer_.setObjectName(QStringLiteral("settingsReplyTimer"));
  replyTimer_.setSingleShot(true);
  replyTimer_.setInterval(replyTimeout.value_or(std::chrono::milliseconds(0)));
  connect(&replyTimer_, &QTimer::timeout, this, [this] {
    if (model_ != nullptr) {
      runGuarded(failed_, [this] { model_->replyTimerFired(); });
    }
  });
}

SessionSettingsChannel::~SessionSettingsChannel() { detach(); }

void SessionSettingsChannel::attach(SetBaseUnitModel& model) {
  model_ = &model;
  session_.dispatcher().attach(FeatureWindow::SetBaseUnit, this);
}

void SessionSettingsChannel::detach() {
  replyTimer_.stop();
  if (model_ != nullptr) {
    session_.dispatcher().detach(FeatureWindow::SetBaseUnit);
    model_ = nullptr;
  }
}

void SessionSettingsChannel::onLinkReply(const Reply& reply) {
  runGuarded(failed_, [this, &reply] { model_->frameReceived(reply.frame); });
}

}  // namespace orbelle
