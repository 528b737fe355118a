#include "session/PauseTimer.h"

#include "link/SerialLink.h"

namespace orbelle {

PauseTimer::PauseTimer(SerialLink& serial, Listener listener)
    : serial_(serial), listener_(std::move(listener)) {
  timer_.setSingleShot(true);
  // The pauses give the unit time to restart; a coarse timer could cut them short.
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    runGuarded(listener_.failed, [this] {
      if (listener_.elapsed) {
        listener_.elapsed();
      }
    });
  });
}

void PauseTimer::start(std::chrono::milliseconds duration, bool afterDrain) {
  timer_.stop();
  const std::uint64_t pause = ++pauseNumber_;
  if (!afterDrain) {
    arm(pause, duration);
    return;
  }
  serial_.whenDrained([this, alive = std::weak_ptr<const bool>(lifetime_), pause, duration] {
    if (!alive.expired()) {
      runGuarded(listener_.failed, [&] { arm(pause, duration); });
    }
  });
}

void PauseTimer::cancel() {
  ++pauseNumber_;
  timer_.stop();
}

void PauseTimer::arm(std::uint64_t pause, std::chrono::milliseconds duration) {
  if (pause != pauseNumber_) {
    return;
  }
  timer_.start(duration);
  if (listener_.armed) {
    listener_.armed(duration);
  }
}

}  // namespace orbelle
