#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace orbelle {

// Lets a worker thread wake the thread that owns this object, which then runs `onWake`.
// Several wakes before the handler runs may run it once: the handler drains a mailbox.
// On POSIX the wake is a byte through a pipe that a socket notifier watches, so the
// worker never touches a Qt object and the hand-over is visible to race detectors.
class ThreadWakeUp : public QObject {
  Q_OBJECT

 public:
  explicit ThreadWakeUp(std::function<void()> onWake, QObject* parent = nullptr);
  ~ThreadWakeUp() override;
  ThreadWakeUp(const ThreadWakeUp&) = delete;
  ThreadWakeUp& operator=(const ThreadWakeUp&) = delete;

  // Safe from any thread.
  void wake();

 private:
  void drain();

  std::function<void()> onWake_;
#ifndef _WIN32
  int readFd_ = -1;
  int writeFd_ = -1;
  QSocketNotifier* notifier_ = nullptr;
#endif
};

}  // namespace orbelle
