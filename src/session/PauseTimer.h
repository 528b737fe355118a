#pragma once

#include <QTimer>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

#include "session/GuardedCall.h"

namespace orbelle {

class SerialLink;

// A single-shot wait on the event loop, so that replies still come in while it runs. Over RS232
// it counts from when everything written has left the port's buffer: the unit gets its whole
// pause after the frame that asked for it, not part of it spent on the wire.
class PauseTimer {
 public:
  struct Listener {
    // The timer is running now (after the drain, when one was waited for).
    std::function<void(std::chrono::milliseconds)> armed;
    std::function<void()> elapsed;
    // Takes whatever `armed` or `elapsed` threw: the event loop calls them, and no exception
    // may reach it.
    FailureSink failed;
  };

  PauseTimer(SerialLink& serial, Listener listener);
  PauseTimer(const PauseTimer&) = delete;
  PauseTimer& operator=(const PauseTimer&) = delete;
  ~PauseTimer() = default;

  // Replaces the pause still running, drain wait included.
  void start(std::chrono::milliseconds duration, bool afterDrain);
  // No pause ends after this until the next start.
  void cancel();

 private:
  void arm(std::uint64_t pause, std::chrono::milliseconds duration);

  SerialLink& serial_;
  Listener listener_;
  QTimer timer_;
  // Tells a drain notice of a replaced or cancelled pause from that of the current one.
  std::uint64_t pauseNumber_ = 0;
  // The serial link keeps drain notices until the port drains or closes, which may be after
  // this timer has gone.
  std::shared_ptr<const bool> lifetime_ = std::make_shared<const bool>(true);
};

}  // namespace orbelle
