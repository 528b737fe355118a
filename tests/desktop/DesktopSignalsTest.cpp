#include "desktop/DesktopFixture.h"
#include "desktop/DesktopNotifier.h"
#include "desktop/TaskbarProgress.h"

namespace orbelle::testing {
namespace {

using DesktopSignalsTest = DesktopFixture;
using std::chrono::milliseconds;

// Each update the dock heard: the progress it shows, or "hidden".
std::vector<std::string> shown(const std::vector<QDBusMessage>& updates) {
  std::vector<std::string> seen;
  for (const QDBusMessage& update : updates) {
    EXPECT_EQ(update.arguments().value(0).toString(), "application://orbelle.desktop");
    const auto properties = qdbus_cast<QVariantMap>(update.arguments().value(1));
    seen.push_back(properties.value("progress-visible").toBool()
                       ? QString::number(properties.value("progress").toDouble()).toStdString()
                       : "hidden");
  }
  return seen;
}

TEST_F(DesktopSignalsTest, TaskBarProgressIsThrottledKeepsTheLastValueAndHidesAtTheEnd) {
  SignalRecorder dock(sessionSide(), "com.canonical.Unity.LauncherEntry", "Update");
  const auto& heard = dock.heard;
  {
    // A fast transfer reports every block; the task bar hears the first and, once the gap
    // has passed, the latest.
    TaskbarProgress progress;
    for (int block = 1; block <= 100; ++block) {
      progress.setProgress(block / 100.0);
    }
    ASSERT_TRUE(waitFor([&] { return heard.size() == 2; }));
    EXPECT_GE(dock.arrived[1] - dock.arrived[0], milliseconds(200));
    progress.hide();
    ASSERT_TRUE(waitFor([&] { return heard.size() == 3; }));
  }

  // An update held back when the transfer ends must not show the bar again after hide().
  // With no gap the held-back update would go out on the next turn of the event loop, so
  // it would arrive before the marker sent once the hiding has been heard.
  auto progress = std::make_unique<TaskbarProgress>(milliseconds(0));
  progress->setProgress(0.3);
  progress->setProgress(0.6);
  progress->hide();
  ASSERT_TRUE(waitFor([&] { return heard.size() == 5; }));
  progress->setProgress(0.9);
  ASSERT_TRUE(waitFor([&] { return heard.size() >= 6; }));
  // A window closed mid-transfer takes its progress off the task bar.
  progress.reset();
  ASSERT_TRUE(waitFor([&] { return heard.size() >= 7; }));
  EXPECT_EQ(shown(heard),
            (std::vector<std::string>{"0.01", "1", "hidden", "0.3", "hidden", "0.9", "hidden"}));
}

// A click on the notification (its default action) runs what the caller gave, and only a
// click on the latest one of ours: the service numbers every program's notifications.
TEST_F(DesktopSignalsTest, NotificationCarriesTheTextsAndOurDesktopEntryAndTellsItsClick) {
  serveNotifications();
  DesktopNotifier notifier(tracer());
  int clicks = 0;
  notifier.notify("Base unit upgraded", "The base unit has been upgraded.", [&] { ++clicks; });
  ASSERT_TRUE(waitFor([&] { return trace.size() == 1; }));
  ASSERT_EQ(notifications->callsTo("Notify"), 1);
  const QVariantList arguments = notifications->calls[0].arguments();
  EXPECT_EQ(arguments.mid(0, 5), (QVariantList{"Orbelle", 0u, "orbelle", "Base unit upgraded",
                                               "The base unit has been upgraded."}));
  EXPECT_EQ(arguments[5].toStringList(), (QStringList{"default", "Show"}));
  EXPECT_EQ(qdbus_cast<QVariantMap>(arguments[6]), (QVariantMap{{"desktop-entry", "orbelle"}}));
  EXPECT_EQ(arguments[7].toInt(), -1);
  EXPECT_EQ(trace.back(), "notification shown");
  invokeNotificationAction(2, "default");  // another program's
  invokeNotificationAction(1, "other");
  invokeNotificationAction(1, "default");
  ASSERT_TRUE(waitFor([&] { return clicks > 0; }));
  EXPECT_EQ(clicks, 1) << "the signals before it came first and were passed over";

  // Without the service, and then without a bus, the notifier only says so.
  notifications.reset();
  notifier.notify("Upgrade Base Unit", "The base unit has been upgraded.");
  ASSERT_TRUE(waitFor([&] { return trace.size() == 2; }));
  EXPECT_TRUE(
      traceHas("notification service unavailable: "
               "org.freedesktop.DBus.Error.ServiceUnknown"));
  qputenv("DBUS_SESSION_BUS_ADDRESS", kNowhere);
  notifier.notify("Upgrade Base Unit", "The base unit has been upgraded.");
  EXPECT_EQ(trace.back(),
            std::string("notification service unavailable: no session bus at ") + kNowhere);
}

}  // namespace
}  // namespace orbelle::testing
