#include "desktop/FakeDesktop.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDBusConnectionInterface>

namespace orbelle::testing {

FakeLoginManager::FakeLoginManager(QDBusConnection bus, Answer answer)
    : bus_(std::move(bus)), answer_(answer) {
  bus_.registerObject("/org/freedesktop/login1", this, QDBusConnection::ExportAllSlots);
  bus_.registerService("org.freedesktop.login1");
}

FakeLoginManager::~FakeLoginManager() {
  for (const auto& farEnd : farEnds_) {
    if (farEnd->isEnabled()) {
      ::close(static_cast<int>(farEnd->socket()));
    }
  }
}

QDBusUnixFileDescriptor FakeLoginManager::Inhibit(const QString& what, const QString& who,
                                                  const QString& why, const QString& mode) {
  lastRequest = {what, who, why, mode};
  ++requests;
  setDelayedReply(true);
  if (answer_ == Answer::Refuse) {
    sendErrorReply(QDBusError::AccessDenied, "Permission denied");
  } else if (answer_ == Answer::Later) {
    held_ = message();
  } else {
    grant(message());
  }
  return {};
}

void FakeLoginManager::grantHeldRequest() { grant(std::exchange(held_, QDBusMessage())); }

void FakeLoginManager::grant(const QDBusMessage& request) {
  int ends[2];
  if (::pipe2(ends, O_CLOEXEC) != 0) {
    return;
  }
  // The lock goes out as a copy of the write end; the read end sees EOF once every copy
  // of it, the holder's included, is closed.
  {
    const QDBusUnixFileDescriptor lock(ends[1]);
    ::close(ends[1]);
    bus_.send(request.createReply(QVariant::fromValue(lock)));
  }
  ++locksGranted;
  auto farEnd = std::make_unique<QSocketNotifier>(ends[0], QSocketNotifier::Read);
  QObject::connect(farEnd.get(), &QSocketNotifier::activated, this,
                   [this, notifier = farEnd.get(), fd = ends[0]] {
                     char byte;
                     if (::read(fd, &byte, 1) <= 0) {
                       notifier->setEnabled(false);
                       ::close(fd);
                       ++locksClosed;
                     }
                   });
  farEnds_.push_back(std::move(farEnd));
}

FakePortal::FakePortal(QDBusConnection bus, Answer answer) : bus_(std::move(bus)), answer_(answer) {
  bus_.registerObject("/org/freedesktop/portal/desktop", this, QDBusConnection::ExportAllSlots);
  bus_.registerService("org.freedesktop.portal.Desktop");
}

QDBusObjectPath FakePortal::Inhibit(const QString& window, uint flags, const QVariantMap& options) {
  lastWindow = window;
  lastFlags = flags;
  lastOptions = options;
  ++requests;
  setDelayedReply(true);
  if (answer_ == Answer::Refuse) {
    sendErrorReply(QDBusError::AccessDenied, "Inhibiting is not allowed");
  } else if (answer_ == Answer::Later) {
    held_ = message();
  } else {
    grant(message());
  }
  return {};
}

void FakePortal::grantHeldRequest() { grant(std::exchange(held_, QDBusMessage())); }

void FakePortal::grant(const QDBusMessage& request) {
  const QString handle =
      QStringLiteral("/org/freedesktop/portal/desktop/request/1_1/t%1").arg(granted.size());
  bus_.registerObject(handle, new FakePortalRequest(*this, handle),
                      QDBusConnection::ExportAllSlots);
  granted << handle;
  bus_.send(request.createReply(QVariant::fromValue(QDBusObjectPath(handle))));
}

FakeNotifications::FakeNotifications(QDBusConnection bus) {
  bus.registerObject("/org/freedesktop/Notifications", this, QDBusConnection::ExportAllSlots);
  bus.registerService("org.freedesktop.Notifications");
}

uint FakeNotifications::Notify(const QString& appName, uint replacesId, const QString& appIcon,
                               const QString& summary, const QString& body,
                               const QStringList& actions, const QVariantMap& hints,
                               int expireTimeout) {
  received.push_back({appName, replacesId, appIcon, summary, body, actions, hints, expireTimeout});
  return static_cast<uint>(received.size());
}

LauncherListener::LauncherListener(QDBusConnection bus) {
  bus.connect(QString(), QString(), "com.canonical.Unity.LauncherEntry", "Update", this,
              SLOT(Update(QString, QVariantMap)));
  // A round trip to the bus: the match rule is in place before anyone emits.
  bus.interface()->isServiceRegistered("org.freedesktop.DBus");
}

void LauncherListener::Update(const QString& appUri, const QVariantMap& properties) {
  updates.push_back({appUri, properties.value("progress", -1.0).toDouble(),
                     properties.value("progress-visible").toBool(),
                     std::chrono::steady_clock::now()});
}

}  // namespace orbelle::testing
