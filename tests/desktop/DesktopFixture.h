#pragma once

#include <QDBusConnection>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "desktop/DesktopBus.h"
#include "desktop/FakeDesktop.h"
#include "desktop/PrivateBus.h"
#include "link/EventLoopWait.h"

namespace orbelle::testing {

// Where the bus variables point between tests: a socket that does not exist, so that
// nothing in this program ever reaches the machine's own buses.
inline constexpr auto kNowhere = "unix:path=/nonexistent/orbelle-test-bus";

// A private system bus and a private session bus, named by the environment as the real ones
// would be, with the fake services' own connections to them.
class DesktopFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    systemBus_ = std::make_unique<PrivateBus>();
    sessionBus_ = std::make_unique<PrivateBus>();
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", systemBus_->address().toUtf8());
    qputenv("DBUS_SESSION_BUS_ADDRESS", sessionBus_->address().toUtf8());
    ASSERT_TRUE(systemSide().isConnected());
    ASSERT_TRUE(sessionSide().isConnected());
  }

  void TearDown() override {
    loginManager.reset();
    portal.reset();
    notifications.reset();
    launcher.reset();
    QDBusConnection::disconnectFromBus("fake-system");
    QDBusConnection::disconnectFromBus("fake-session");
    systemBus_.reset();
    sessionBus_.reset();
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", kNowhere);
    qputenv("DBUS_SESSION_BUS_ADDRESS", kNowhere);
  }

  QDBusConnection systemSide() {
    return QDBusConnection::connectToBus(systemBus_->address(), "fake-system");
  }
  QDBusConnection sessionSide() {
    return QDBusConnection::connectToBus(sessionBus_->address(), "fake-session");
  }

  DesktopTrace tracer() {
    return [this](const std::string& line) { trace.push_back(line); };
  }
  bool traceHas(const std::string& text) const {
    for (const std::string& line : trace) {
      if (line.find(text) != std::string::npos) {
        return true;
      }
    }
    return false;
  }
  bool waitFor(const std::function<bool()>& done) { return processEventsUntil(done); }

  std::unique_ptr<FakeLoginManager> loginManager;
  std::unique_ptr<FakePortal> portal;
  std::unique_ptr<FakeNotifications> notifications;
  std::unique_ptr<LauncherListener> launcher;
  std::vector<std::string> trace;

 private:
  std::unique_ptr<PrivateBus> systemBus_;
  std::unique_ptr<PrivateBus> sessionBus_;
};

}  // namespace orbelle::testing
