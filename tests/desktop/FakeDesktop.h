#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <QSocketNotifier>
#include <QStringList>
#include <QVariantMap>
#include <chrono>
#include <memory>
#include <vector>

namespace orbelle::testing {

// How a fake service answers a request.
enum class Answer { Grant, Refuse, Later };

// The login manager's Inhibit. Keeps the far end of every lock it hands out and counts the
// locks whose descriptor was closed by every holder.
class FakeLoginManager : public QObject, protected QDBusContext {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")

 public:
  FakeLoginManager(QDBusConnection bus, Answer answer);
  ~FakeLoginManager() override;

  // Grants the request held back by Answer::Later.
  void grantHeldRequest();

  QStringList lastRequest;  // what, who, why, mode
  int requests = 0;
  int locksGranted = 0;
  int locksClosed = 0;

 public slots:
  QDBusUnixFileDescriptor Inhibit(const QString& what, const QString& who, const QString& why,
                                  const QString& mode);

 private:
  void grant(const QDBusMessage& request);

  QDBusConnection bus_;
  Answer answer_;
  QDBusMessage held_;
  std::vector<std::unique_ptr<QSocketNotifier>> farEnds_;
};

// The desktop portal's Inhibit, with a Request object per inhibition that Close ends.
class FakePortal : public QObject, protected QDBusContext {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Inhibit")

 public:
  FakePortal(QDBusConnection bus, Answer answer);

  void grantHeldRequest();
  void requestClosed(const QString& handle) { closed << handle; }

  QString lastWindow;
  uint lastFlags = 0;
  QVariantMap lastOptions;
  int requests = 0;
  QStringList granted;  // request handles
  QStringList closed;

 public slots:
  QDBusObjectPath Inhibit(const QString& window, uint flags, const QVariantMap& options);

 private:
  void grant(const QDBusMessage& request);

  QDBusConnection bus_;
  Answer answer_;
  QDBusMessage held_;
};

class FakePortalRequest : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Request")

 public:
  FakePortalRequest(FakePortal& portal, QString handle)
      : QObject(&portal), portal_(portal), handle_(std::move(handle)) {}

 public slots:
  void Close() { portal_.requestClosed(handle_); }

 private:
  FakePortal& portal_;
  QString handle_;
};

struct Notification {
  QString appName;
  uint replacesId = 0;
  QString appIcon;
  QString summary;
  QString body;
  QStringList actions;
  QVariantMap hints;
  int expireTimeout = 0;
};

class FakeNotifications : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

 public:
  explicit FakeNotifications(QDBusConnection bus);
  std::vector<Notification> received;

 public slots:
  uint Notify(const QString& appName, uint replacesId, const QString& appIcon,
              const QString& summary, const QString& body, const QStringList& actions,
              const QVariantMap& hints, int expireTimeout);
};

struct LauncherUpdate {
  QString appUri;
  double progress = -1;
  bool visible = false;
  std::chrono::steady_clock::time_point arrived;
};

// What a dock hears of the LauncherEntry signal, from any object path.
class LauncherListener : public QObject {
  Q_OBJECT

 public:
  explicit LauncherListener(QDBusConnection bus);
  std::vector<LauncherUpdate> updates;

 public slots:
  void Update(const QString& appUri, const QVariantMap& properties);
};

}  // namespace orbelle::testing
