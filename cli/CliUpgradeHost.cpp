#include "CliUpgradeHost.h"

#include "link/LinkSession.h"
#include "upgrade/UpgradeTransfer.h"

namespace orbelle::cli {

CliUpgradeHost::CliUpgradeHost(LinkSession& session, PauseDurations pauses, Listener listener)
    : UpgradeLinkHost(session.state(), session.endpoints()),
      session_(session),
      pauses_(pauses),
      listener_(std::move(listener)) {
  timer_.setSingleShot(true);
  // The pauses give the unit time to restart; a coarse timer could cut them short.
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout,
                   [this] { runGuarded(listener_.failed, [this] { elapsed(); }); });
}

void CliUpgradeHost::startPause(PauseKind kind, int count) {
  // A new request replaces the one still running, drain wait included.
  timer_.stop();
  const std::uint64_t pause = ++pauseNumber_;
  if (link().protocol != LinkProtocol::Rs232) {
    arm(pause, kind, count);
    return;
  }
  session_.serial().whenDrained(
      [this, alive = std::weak_ptr<const bool>(lifetime_), pause, kind, count] {
        if (!alive.expired()) {
          runGuarded(listener_.failed, [&] { arm(pause, kind, count); });
        }
      });
}

void CliUpgradeHost::arm(std::uint64_t pause, PauseKind kind, int count) {
  if (pause != pauseNumber_) {
    return;
  }
  const std::chrono::milliseconds duration = pauses_.of(kind, count);
  timer_.start(duration);
  if (listener_.pauseArmed) {
    listener_.pauseArmed(kind, count, duration);
  }
}

void CliUpgradeHost::elapsed() {
  if (listener_.pauseOver) {
    listener_.pauseOver();
  }
  if (transfer_ != nullptr) {
    transfer_->pauseElapsed();
  }
}

void CliUpgradeHost::cancelPause() {
  ++pauseNumber_;
  timer_.stop();
}

void CliUpgradeHost::showMessage(std::string_view text, std::string_view title, MessageIcon icon) {
  if (listener_.message) {
    listener_.message(text, title, icon);
  }
}

}  // namespace orbelle::cli
