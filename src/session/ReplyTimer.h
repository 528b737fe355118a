#pragma once

#include <QTimer>
#include <chrono>
#include <functional>

#include "session/GuardedCall.h"

namespace orbelle {

// A single-shot timer for vkr's waits: its expiry runs on the event loop, and what that throws
// goes to a failure sink instead of the loop.
class ReplyTimer {
 public:
  // `expired` runs on the event loop; what it throws goes to `failed`.
  ReplyTimer(std::chrono::milliseconds duration, std::function<void()> expired,
             FailureSink failed = {});
  ReplyTimer(const ReplyTimer&) = delete;
  ReplyTimer& operator=(const ReplyTimer&) = delete;
  ~ReplyTimer() = default;

  // Starts it again from the full duration.
  void start() { timer_.start(); }
  void stop() { timer_.stop(); }
  bool running() const { return timer_.isActive(); }

 private:
  std::function<void()> expired_;
  FailureSink failed_;
  QTimer timer_;
};

}  // namespace orbelle
