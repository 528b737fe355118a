#pragma once

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusObjectPath>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "desktop/DesktopBus.h"
#include "desktop/FakeDesktop.h"

namespace orbelle::testing {

// Where the bus variables point between tests: a socket that does not exist, so that
// nothing in this program ever reaches the machine's own buses.
inline constexpr auto kNowhere = "unix:path=/nonexistent/orbelle-test-bus";

// A private system bus and a private session bus, named by the environment as the real ones
// would be, and the fake services' own connections to them; for as long as it lives.
class FakeDesktopSession {
 public:
  FakeDesktopSession()
      : systemAddress_(startPrivateBus(dir_, systemBus_)),
        sessionAddress_(startPrivateBus(dir_, sessionBus_)) {
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", systemAddress_.toUtf8());
    qputenv("DBUS_SESSION_BUS_ADDRESS", sessionAddress_.toUtf8());
    EXPECT_TRUE(systemSide().isConnected() && sessionSide().isConnected());
  }
  FakeDesktopSession(const FakeDesktopSession&) = delete;
  FakeDesktopSession& operator=(const FakeDesktopSession&) = delete;

  ~FakeDesktopSession() {
    loginManager.reset();
    portal.reset();
    notifications.reset();
    QDBusConnection::disconnectFromBus("fake-system");
    QDBusConnection::disconnectFromBus("fake-session");
    systemBus_->terminate();
    sessionBus_->terminate();
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", kNowhere);
    qputenv("DBUS_SESSION_BUS_ADDRESS", kNowhere);
  }

  QDBusConnection systemSide() {
    return QDBusConnection::connectToBus(systemAddress_, "fake-system");
  }
  QDBusConnection sessionSide() {
    return QDBusConnection::connectToBus(sessionAddress_, "fake-session");
  }

  void serveNotifications() {
    notifications = std::make_unique<FakeService>(
        sessionSide(), "org.freedesktop.Notifications", "/org/freedesktop/Notifications",
        [](const QDBusMessage& call) { return call.createReply(QVariant::fromValue(1U)); });
  }
  // The notification service says that a notification of `id` was clicked (`key` "default")
  // or had one of its actions chosen.
  void invokeNotificationAction(uint id, const QString& key) {
    QDBusMessage invoked = QDBusMessage::createSignal(
        "/org/freedesktop/Notifications", "org.freedesktop.Notifications", "ActionInvoked");
    invoked << id << key;
    sessionSide().send(invoked);
  }
  void serveLoginManager(const FakeService::Answer& answer) {
    loginManager = std::make_unique<FakeService>(systemSide(), "org.freedesktop.login1",
                                                 "/org/freedesktop/login1", answer);
  }
  // Inhibit gets a request handle of its own below the portal's path; Close on it is
  // recorded like any call.
  void servePortal(const FakeService::Answer& inhibit) {
    portal = std::make_unique<FakeService>(
        sessionSide(), "org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop",
        [inhibit](const QDBusMessage& call) {
          return call.member() == "Close" ? std::optional(call.createReply()) : inhibit(call);
        });
  }
  QDBusMessage grantLock(const QDBusMessage& call) {
    return call.createReply(QVariant::fromValue(locks.make()));
  }
  // The portal's answer to Inhibit: the request its caller expects, below the caller's unique
  // name and named by its handle_token. With a `verdict` (0 granted, 1 cancelled, 2 refused)
  // the request's Response goes first, ahead of the answer, as a portal deciding at once may
  // send it; without one the verdict is left for respond().
  QDBusMessage answerPortal(const QDBusMessage& call, std::optional<uint> verdict) {
    const auto options = qdbus_cast<QVariantMap>(call.arguments().value(2));
    const QString handle =
        QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
            .arg(call.service().mid(1).replace('.', '_'), options.value("handle_token").toString());
    requestHandles << handle;
    if (verdict) {
      respond(call.service(), handle, *verdict);
    }
    return call.createReply(QVariant::fromValue(QDBusObjectPath(handle)));
  }
  QDBusMessage grantPortal(const QDBusMessage& call) { return answerPortal(call, 0U); }
  // A portal (started afresh) that answers every Inhibit with `verdict`.
  void servePortalAnswering(std::optional<uint> verdict) {
    portal.reset();
    servePortal([this, verdict](const QDBusMessage& call) { return answerPortal(call, verdict); });
  }
  void respond(const QString& caller, const QString& handle, uint verdict) {
    QDBusMessage response = QDBusMessage::createTargetedSignal(
        caller, handle, "org.freedesktop.portal.Request", "Response");
    response << verdict << QVariantMap{};
    sessionSide().send(response);
  }
  static std::optional<QDBusMessage> refuse(const QDBusMessage& call) {
    return call.createErrorReply(QDBusError::AccessDenied, "Permission denied");
  }
  static std::optional<QDBusMessage> later(const QDBusMessage&) { return std::nullopt; }
  // The handles the portal was asked to close, in order.
  QStringList closedHandles() const {
    QStringList closed;
    for (const QDBusMessage& call : portal->calls) {
      if (call.member() == "Close") {
        closed << call.path();
      }
    }
    return closed;
  }

  DesktopTrace tracer() {
    return [this](const std::string& line) { trace.push_back(line); };
  }
  bool traceHas(const std::string& text) const {
    return std::any_of(trace.begin(), trace.end(), [&](const std::string& line) {
      return line.find(text) != std::string::npos;
    });
  }
  bool waitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done); }

  FakeLocks locks;
  std::unique_ptr<FakeService> loginManager;
  std::unique_ptr<FakeService> portal;
  std::unique_ptr<FakeService> notifications;
  QStringList requestHandles;  // those Inhibit was answered with, in order
  std::vector<std::string> trace;

 private:
  TempDir dir_;
  std::unique_ptr<BackgroundProcess> systemBus_;
  std::unique_ptr<BackgroundProcess> sessionBus_;
  QString systemAddress_;
  QString sessionAddress_;
};

class DesktopFixture : public ::testing::Test, public FakeDesktopSession {};

}  // namespace orbelle::testing
