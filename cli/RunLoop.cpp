#include "RunLoop.h"

#include <QCoreApplication>
#include <vector>

#include "desktop/SleepInhibitor.h"

namespace orbelle::cli {

RunLoop::RunLoop()
    : interrupts_([this](int signal) {
        interruptedBy_ = signal;
        // A listener may forget itself or another while it is told.
        std::vector<std::function<void()>> told;
        for (const auto& [key, listener] : listeners_) {
          told.push_back(listener);
        }
        for (const auto& listener : told) {
          listener();
        }
      }) {}

RunLoop::~RunLoop() = default;

int RunLoop::onInterrupt(std::function<void()> interrupted) {
  listeners_.emplace(++nextKey_, std::move(interrupted));
  return nextKey_;
}

void RunLoop::runUntil(std::function<bool()> ended) {
  ended_ = std::move(ended);
  if (!ended_()) {
    QCoreApplication::exec();
  }
  ended_ = nullptr;
}

void RunLoop::check() {
  if (ended_ && ended_()) {
    QCoreApplication::exit(0);
  }
}

void RunLoop::keepAwake(const QString& why, DesktopTrace trace) {
  if (awakeHolds_++ > 0) {
    return;
  }
  if (!sleep_) {
    sleep_ = std::make_unique<SleepInhibitor>(std::move(trace));
  }
  sleep_->acquire(why);
}

void RunLoop::letSleep() {
  if (awakeHolds_ > 0 && --awakeHolds_ == 0 && sleep_) {
    sleep_->release();
  }
}

}  // namespace orbelle::cli
