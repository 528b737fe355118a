#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QDBusVirtualObject>
#include <QSocketNotifier>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "harness/Subprocess.h"
#include "harness/TempDir.h"

namespace orbelle::testing {

// Starts a dbus-daemon of our own, with its socket in `dir`, standing in for the system or
// the session bus; its address. It runs until `daemon` is terminated.
QString startPrivateBus(const TempDir& dir, std::unique_ptr<BackgroundProcess>& daemon);

// An object of a fake service, and everything below its path: records each call and sends
// back what `answer` makes of it; no answer leaves the call for the test to answer later.
class FakeService : public QDBusVirtualObject {
 public:
  using Answer = std::function<std::optional<QDBusMessage>(const QDBusMessage& call)>;

  FakeService(QDBusConnection bus, const QString& service, const QString& path, Answer answer);
  ~FakeService() override;

  void reply(const QDBusMessage& answer) { bus_.send(answer); }
  int callsTo(const QString& member) const;

  std::vector<QDBusMessage> calls;

 private:
  bool handleMessage(const QDBusMessage& call, const QDBusConnection& bus) override;
  QString introspect(const QString&) const override { return {}; }

  QDBusConnection bus_;
  QString service_;
  QString path_;
  Answer answer_;
};

// Locks handed out as the login manager does, as a file descriptor; the far end of each is
// kept to see when every copy of it has been closed.
class FakeLocks {
 public:
  ~FakeLocks();
  QDBusUnixFileDescriptor make();

  int granted = 0;
  int closed = 0;

 private:
  std::vector<std::unique_ptr<QSocketNotifier>> farEnds_;
};

// What a dock hears of a signal, from anyone and any object path.
class SignalRecorder : public QObject {
  Q_OBJECT

 public:
  SignalRecorder(QDBusConnection bus, const QString& interface, const QString& member);

  std::vector<QDBusMessage> heard;
  std::vector<std::chrono::steady_clock::time_point> arrived;

 public slots:
  void hear(const QDBusMessage& signal);
};

}  // namespace orbelle::testing
