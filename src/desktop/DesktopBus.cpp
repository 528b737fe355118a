#include "desktop/DesktopBus.h"

#include <QDBusPendingCallWatcher>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QUrl>
#include <algorithm>

namespace orbelle {

namespace {

// libdbus's own default for the system bus.
constexpr auto kSystemSocket = "unix:path=/var/run/dbus/system_bus_socket";

QString addressOf(DesktopBus bus) {
  if (bus == DesktopBus::System) {
    const QString address = qEnvironmentVariable("DBUS_SYSTEM_BUS_ADDRESS");
    return address.isEmpty() ? QString::fromLatin1(kSystemSocket) : address;
  }
  const QString address = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
  if (!address.isEmpty()) {
    return address;
  }
  // Where a systemd user session puts it; without it there is no session bus to use.
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  return runtime.isEmpty() ? QString() : "unix:path=" + QDir(runtime).filePath("bus");
}

// An entry "unix:path=/some/socket,guid=..." whose socket file is missing cannot be
// reached; other transports are left to the connection attempt to judge.
bool leadsNowhere(const QString& entry) {
  if (!entry.startsWith("unix:")) {
    return false;
  }
  for (const QString& pair : entry.mid(5).split(',')) {
    if (pair.startsWith("path=")) {
      return !QFileInfo::exists(QUrl::fromPercentEncoding(pair.mid(5).toUtf8()));
    }
  }
  return false;
}

bool addressLeadsNowhere(const QString& address) {
  const QStringList entries = address.split(';', Qt::SkipEmptyParts);
  return std::all_of(entries.begin(), entries.end(), leadsNowhere);
}

}  // namespace

void traceLine(const WeakTrace& trace, const std::string& line) {
  if (const SharedTrace sink = trace.lock(); sink && *sink) {
    (*sink)(line);
  }
}

std::optional<QDBusConnection> connectToDesktopBus(DesktopBus bus, QString& whyNot) {
  const bool system = bus == DesktopBus::System;
  const QString address = addressOf(bus);
  if (address.isEmpty() || addressLeadsNowhere(address)) {
    whyNot = QStringLiteral("no %1 bus").arg(system ? "system" : "session") +
             (address.isEmpty() ? QString() : " at " + address);
    return std::nullopt;
  }
  // One connection per address for the whole run, shared by the components: the portal
  // ties an inhibition to the connection that asked for it.
  const QString name = QStringLiteral("orbelle-%1 %2").arg(system ? "system" : "session", address);
  QDBusConnection connection = QDBusConnection::connectToBus(address, name);
  if (!connection.isConnected()) {
    whyNot = connection.lastError().message();
    QDBusConnection::disconnectFromBus(name);  // a later attempt tries again
    return std::nullopt;
  }
  return connection;
}

void whenAnswered(const QDBusPendingCall& call, std::function<void(const QDBusPendingCall&)> done) {
  // Not parented to the caller: an answer that comes after the caller is gone must still be
  // seen, so that a late lock can be given back.
  auto* watcher = new QDBusPendingCallWatcher(call);
  QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                   [done = std::move(done)](QDBusPendingCallWatcher* finished) {
                     done(*finished);
                     finished->deleteLater();
                   });
}

std::string describeFailure(std::string_view who, const QDBusError& error) {
  const bool absent =
      error.type() == QDBusError::ServiceUnknown || error.type() == QDBusError::NoServer ||
      error.type() == QDBusError::Disconnected || error.type() == QDBusError::NoReply ||
      error.type() == QDBusError::Timeout || error.type() == QDBusError::TimedOut;
  return "" + std::string(who) + (absent ? " unavailable: " : " refused: ") +
         error.name().toStdString() + ": " + error.message().toStdString();
}

}  // namespace orbelle
