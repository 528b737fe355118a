#pragma once

#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace orbelle::cli {

// SIGINT and SIGTERM as events of the event loop, for as long as this object lives: the
// handler only writes the signal's number to a pipe, and the loop reads it and tells
// `interrupted`, so that a run can stop sending, let go of what it holds and say how far it
// got. A signal ignored when the program started (a background job's SIGINT) stays ignored;
// after the first one the previous actions are back, so a second ends the program at once.
// One at a time.
class InterruptWatch {
 public:
  explicit InterruptWatch(std::function<void(int signal)> interrupted);
  ~InterruptWatch();
  InterruptWatch(const InterruptWatch&) = delete;
  InterruptWatch& operator=(const InterruptWatch&) = delete;

  // Acts on a signal caught since the event loop last ran, without waiting for it: before a
  // step that cannot be taken back.
  void takeSignal();

 private:
  struct Previous;

  void restore();

  std::function<void(int)> interrupted_;
  int readEnd_ = -1;
  std::unique_ptr<QSocketNotifier> notifier_;
  std::unique_ptr<Previous> previous_;
};

// "SIGINT", "SIGTERM".
const char* signalName(int signal);

}  // namespace orbelle::cli
