#include "link/SessionSettingsLink.h"

namespace orbelle {

SessionSettingsLink::SessionSettingsLink(LinkSession& session,
                                         std::chrono::milliseconds replyTimeout, FailureSink failed,
                                         QObject* parent)
    : QObject(parent), session_(session), failed_(std::move(failed)), replyTimer_(this) {
  replyTimer_.setObjectName(QStringLiteral("settingsReplyTimer"));
  replyTimer_.setSingleShot(true);
  replyTimer_.setInterval(replyTimeout);
  connect(&replyTimer_, &QTimer::timeout, this, [this] {
    if (model_ != nullptr) {
      runGuarded(failed_, [this] { model_->replyTimerFired(); });
    }
  });
}

SessionSettingsLink::~SessionSettingsLink() { detach(); }

void SessionSettingsLink::attach(SetBaseUnitModel& model) {
  model_ = &model;
  session_.dispatcher().attach(Feature::SetBaseUnit, this);
}

void SessionSettingsLink::detach() {
  replyTimer_.stop();
  if (model_ != nullptr) {
    session_.dispatcher().detach(Feature::SetBaseUnit);
    model_ = nullptr;
  }
}

void SessionSettingsLink::onLinkReply(const ReportFrame& rxFrame) {
  runGuarded(failed_, [this, &rxFrame] { model_->frameReceived(rxFrame); });
}

}  // namespace orbelle
