#include "link/ThreadWakeUp.h"

#ifdef _WIN32
#include <QMetaObject>
#else
#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <stdexcept>
#endif

namespace orbelle {

#ifdef _WIN32

ThreadWakeUp::ThreadWakeUp(std::function<void()> onWake, QObject* parent)
    : QObject(parent), onWake_(std::move(onWake)) {}

ThreadWakeUp::~ThreadWakeUp() = default;

void ThreadWakeUp::wake() {
  QMetaObject::invokeMethod(
      this, [this] { drain(); }, Qt::QueuedConnection);
}

void ThreadWakeUp::drain() { onWake_(); }

#else

ThreadWakeUp::ThreadWakeUp(std::function<void()> onWake, QObject* parent)
    : QObject(parent), onWake_(std::move(onWake)) {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
    throw std::runtime_error("cannot create the receive thread's wake-up pipe");
  }
  readFd_ = fds[0];
  writeFd_ = fds[1];
  notifier_ = new QSocketNotifier(readFd_, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &ThreadWakeUp::drain);
}

ThreadWakeUp::~ThreadWakeUp() {
  delete notifier_;
  ::close(readFd_);
  ::close(writeFd_);
}

void ThreadWakeUp::wake() {
  const char byte = 1;
  // A full pipe already holds a pending wake, so a failed write loses nothing.
  while (::write(writeFd_, &byte, 1) < 0 && errno == EINTR) {
  }
}

void ThreadWakeUp::drain() {
  // A pipe hands over everything it holds in one read: only a full buffer may leave more.
  char buffer[64];
  while (::read(readFd_, buffer, sizeof buffer) == static_cast<ssize_t>(sizeof buffer)) {
  }
  onWake_();
}

#endif

}  // namespace orbelle
