#include "session/ReplyTimer.h"

namespace orbelle {

ReplyTimer::ReplyTimer(std::chrono::milliseconds duration, std::function<void()> expired,
                       FailureSink failed)
    : expired_(std::move(expired)), failed_(std::move(failed)) {
  timer_.setSingleShot(true);
  timer_.setInterval(duration);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    runGuarded(failed_, [this] {
      if (expired_) {
        expired_();
      }
    });
  });
}

}  // namespace orbelle
