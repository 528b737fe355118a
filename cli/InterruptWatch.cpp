#include "InterruptWatch.h"

#include <cerrno>
#include <csignal>
#include <stdexcept>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace orbelle::cli {

const char* signalName(int signal) { return signal == SIGTERM ? "SIGTERM" : "SIGINT"; }

#ifdef _WIN32
// The console's Ctrl-C keeps its default action there.
struct InterruptWatch::Previous {};
InterruptWatch::InterruptWatch(std::function<void(int)> interrupted)
    : interrupted_(std::move(interrupted)) {}
InterruptWatch::~InterruptWatch() = default;
void InterruptWatch::takeSignal() {}
void InterruptWatch::restore() {}
#else
namespace {

constexpr int kWatched[] = {SIGINT, SIGTERM};

// Where the handler writes; the handler may touch nothing else.
volatile std::sig_atomic_t writeEnd = -1;

void onSignal(int signal) {
  const int saved = errno;
  const auto byte = static_cast<unsigned char>(signal);
  // A full pipe already holds a signal to act on: this one can be dropped.
  [[maybe_unused]] const auto written = ::write(writeEnd, &byte, 1);
  errno = saved;
}

}  // namespace

// The actions there were before, put back at the first signal or at the end.
struct InterruptWatch::Previous {
  struct sigaction actions[std::size(kWatched)]{};
  bool taken[std::size(kWatched)] = {};
};

InterruptWatch::InterruptWatch(std::function<void(int)> interrupted)
    : interrupted_(std::move(interrupted)), previous_(std::make_unique<Previous>()) {
  int ends[2] = {-1, -1};
  if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
    throw std::runtime_error("cannot make the pipe that takes SIGINT and SIGTERM");
  }
  readEnd_ = ends[0];
  writeEnd = ends[1];
  notifier_ = std::make_unique<QSocketNotifier>(readEnd_, QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                   [this] { takeSignal(); });
  struct sigaction action {};
  action.sa_handler = onSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (std::size_t i = 0; i < std::size(kWatched); ++i) {
    ::sigaction(kWatched[i], nullptr, &previous_->actions[i]);
    if (previous_->actions[i].sa_handler != SIG_IGN) {
      previous_->taken[i] = ::sigaction(kWatched[i], &action, nullptr) == 0;
    }
  }
}

InterruptWatch::~InterruptWatch() {
  restore();
  notifier_.reset();
  ::close(readEnd_);
  ::close(writeEnd);
  writeEnd = -1;
}

void InterruptWatch::restore() {
  for (std::size_t i = 0; i < std::size(kWatched); ++i) {
    if (previous_->taken[i]) {
      ::sigaction(kWatched[i], &previous_->actions[i], nullptr);
      previous_->taken[i] = false;
    }
  }
}

void InterruptWatch::takeSignal() {
  unsigned char byte = 0;
  if (!notifier_->isEnabled() || ::read(readEnd_, &byte, 1) != 1) {
    return;
  }
  restore();
  notifier_->setEnabled(false);
  interrupted_(byte);
}
#endif

}  // namespace orbelle::cli
