#pragma once

#include <poll.h>

#include <chrono>
#include <optional>
#include <span>
#include <vector>

namespace orbelle::sim {

using Clock = std::chrono::steady_clock;

// A transport in front of the model, driven by the event loop.
class Front {
 public:
  virtual ~Front() = default;
  // Appends the descriptors to wait for now.
  virtual void watch(std::vector<pollfd>& fds) = 0;
  // Called after every wake-up with the descriptors watch() appended, events filled in.
  virtual void serve(std::span<const pollfd> fds, Clock::time_point now) = 0;
  // The next moment serve() has work to do without any descriptor becoming ready.
  virtual std::optional<Clock::time_point> deadline() const = 0;
};

// Write end of the stop pipe; SIGTERM and SIGINT write a byte into it.
int installStopSignals();

// Whether standard input closing should end the program: a pipe, socket or terminal. A
// background job's /dev/null or a file would end it at once, so those are not watched.
bool standardInputIsWatchable();

// Serves the front until a stop signal arrives or, if watched, standard input reaches its
// end. Waits in poll() only: no busy loop.
void runUntilStopped(Front& front, int stopReadFd, bool watchStdin);

}  // namespace orbelle::sim
