#include "desktop/DesktopFixture.h"
#include "desktop/DesktopNotifier.h"
#include "desktop/TaskbarProgress.h"

namespace orbelle::testing {
namespace {

using DesktopSignalsTest = DesktopFixture;
using std::chrono::milliseconds;

TEST_F(DesktopSignalsTest, TaskBarProgressIsThrottledKeepsTheLastValueAndHidesAtTheEnd) {
  launcher = std::make_unique<LauncherListener>(sessionSide());
  auto& updates = launcher->updates;
  {
    // A fast transfer reports every block; the task bar hears the first and, once the gap
    // has passed, the latest.
    TaskbarProgress progress;
    for (int block = 1; block <= 100; ++block) {
      progress.setProgress(block / 100.0);
    }
    ASSERT_TRUE(waitFor([&] { return updates.size() == 2; }));
    EXPECT_EQ(updates[0].appUri, "application://orbelle.desktop");
    EXPECT_DOUBLE_EQ(updates[0].progress, 0.01);
    EXPECT_DOUBLE_EQ(updates[1].progress, 1.0);
    EXPECT_TRUE(updates[0].visible && updates[1].visible);
    EXPECT_GE(updates[1].arrived - updates[0].arrived, milliseconds(200));

    progress.hide();
    ASSERT_TRUE(waitFor([&] { return updates.size() == 3; }));
    EXPECT_FALSE(updates[2].visible);
  }

  // An update held back when the transfer ends must not show the bar again after hide().
  // With no gap the held-back update would go out on the next turn of the event loop, so
  // it would arrive before the marker sent once the hiding has been heard.
  TaskbarProgress progress(milliseconds(0));
  progress.setProgress(0.3);
  progress.setProgress(0.6);
  progress.hide();
  ASSERT_TRUE(waitFor([&] { return updates.size() == 5; }));
  progress.setProgress(0.9);
  ASSERT_TRUE(waitFor([&] { return updates.size() >= 6; }));
  ASSERT_EQ(updates.size(), 6u);
  EXPECT_DOUBLE_EQ(updates[3].progress, 0.3);
  EXPECT_FALSE(updates[4].visible);
  EXPECT_DOUBLE_EQ(updates[5].progress, 0.9);
  EXPECT_TRUE(updates[5].visible);
}

TEST_F(DesktopSignalsTest, NotificationCarriesTheTextsAndOurDesktopEntry) {
  notifications = std::make_unique<FakeNotifications>(sessionSide());
  DesktopNotifier notifier(tracer());
  notifier.notify("Upgrade Base Unit", "The base unit has been upgraded.");
  ASSERT_TRUE(waitFor([&] { return notifications->received.size() == 1 && trace.size() == 1; }));
  const Notification& shown = notifications->received[0];
  EXPECT_EQ(shown.appName, "Orbelle");
  EXPECT_EQ(shown.replacesId, 0u);
  EXPECT_EQ(shown.appIcon, "orbelle");
  EXPECT_EQ(shown.summary, "Upgrade Base Unit");
  EXPECT_EQ(shown.body, "The base unit has been upgraded.");
  EXPECT_TRUE(shown.actions.isEmpty());
  EXPECT_EQ(shown.hints, (QVariantMap{{"desktop-entry", "orbelle"}}));
  EXPECT_EQ(shown.expireTimeout, -1);
  EXPECT_EQ(trace.back(), "~ notification shown");

  // Without the service, and then without a bus, the notifier only says so.
  notifications.reset();
  sessionSide().unregisterService("org.freedesktop.Notifications");
  notifier.notify("Upgrade Base Unit", "The base unit has been upgraded.");
  ASSERT_TRUE(waitFor([&] { return trace.size() == 2; }));
  EXPECT_TRUE(
      traceHas("~ notification service unavailable: "
               "org.freedesktop.DBus.Error.ServiceUnknown"));
  qputenv("DBUS_SESSION_BUS_ADDRESS", kNowhere);
  notifier.notify("Upgrade Base Unit", "The base unit has been upgraded.");
  EXPECT_EQ(trace.back(),
            std::string("~ notification service unavailable: no session bus at ") + kNowhere);
}

}  // namespace
}  // namespace orbelle::testing
