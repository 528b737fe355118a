#include "desktop/DesktopFixture.h"
#include "desktop/SleepInhibitor.h"

namespace orbelle::testing {
namespace {

using SleepInhibitorTest = DesktopFixture;

TEST_F(SleepInhibitorTest, BothLocksAreTakenAndGivenBackEveryTime) {
  loginManager = std::make_unique<FakeLoginManager>(systemSide(), Answer::Grant);
  portal = std::make_unique<FakePortal>(sessionSide(), Answer::Grant);
  {
    SleepInhibitor inhibitor(tracer());
    inhibitor.acquire("Upgrading the base unit");
    ASSERT_TRUE(waitFor([&] { return loginManager->locksGranted == 1 && trace.size() == 2; }));
    EXPECT_EQ(loginManager->lastRequest,
              (QStringList{"sleep:idle", "Orbelle", "Upgrading the base unit", "block"}));
    EXPECT_EQ(portal->lastWindow, "");
    EXPECT_EQ(portal->lastFlags, 4u | 8u);
    EXPECT_EQ(portal->lastOptions.value("reason").toString(), "Upgrading the base unit");
    EXPECT_TRUE(traceHas("~ sleep inhibited by the login manager"));
    EXPECT_TRUE(traceHas("~ portal: suspend and idle inhibited"));
    EXPECT_EQ(loginManager->locksClosed, 0);
    EXPECT_TRUE(portal->closed.isEmpty());
  }  // the end of the program: the destructor gives both back

  ASSERT_TRUE(
      waitFor([&] { return loginManager->locksClosed == 1 && portal->closed.size() == 1; }));
  EXPECT_EQ(portal->closed, portal->granted);

  // A second transfer in the same run takes fresh locks and gives them back on release().
  SleepInhibitor inhibitor(tracer());
  inhibitor.acquire("Upgrading the handheld unit");
  ASSERT_TRUE(
      waitFor([&] { return loginManager->locksGranted == 2 && portal->granted.size() == 2; }));
  EXPECT_EQ(loginManager->locksClosed, 1);
  inhibitor.release();
  ASSERT_TRUE(
      waitFor([&] { return loginManager->locksClosed == 2 && portal->closed.size() == 2; }));
  EXPECT_FALSE(inhibitor.acquired());
  EXPECT_TRUE(traceHas("~ portal: inhibition released"));
}

TEST_F(SleepInhibitorTest, LocksGrantedAfterTheEndAreGivenBackAtOnce) {
  loginManager = std::make_unique<FakeLoginManager>(systemSide(), Answer::Later);
  portal = std::make_unique<FakePortal>(sessionSide(), Answer::Later);
  SleepInhibitor inhibitor(tracer());
  inhibitor.acquire("Upgrading the base unit");
  ASSERT_TRUE(waitFor([&] { return loginManager->requests == 1 && portal->requests == 1; }));

  inhibitor.release();  // the transfer failed before the services answered
  loginManager->grantHeldRequest();
  portal->grantHeldRequest();

  ASSERT_TRUE(
      waitFor([&] { return loginManager->locksClosed == 1 && portal->closed.size() == 1; }));
  EXPECT_TRUE(traceHas("~ login manager: sleep lock granted after the end, released at once"));
  EXPECT_TRUE(traceHas("~ portal: inhibition granted after the end, released at once"));
}

TEST_F(SleepInhibitorTest, ARefusalIsReportedAndTheOtherLockStillHolds) {
  loginManager = std::make_unique<FakeLoginManager>(systemSide(), Answer::Refuse);
  portal = std::make_unique<FakePortal>(sessionSide(), Answer::Grant);
  SleepInhibitor inhibitor(tracer());
  inhibitor.acquire("Upgrading the base unit");
  ASSERT_TRUE(waitFor([&] { return trace.size() == 2; }));
  EXPECT_TRUE(traceHas(
      "~ login manager refused: org.freedesktop.DBus.Error.AccessDenied: Permission denied"));
  EXPECT_TRUE(traceHas("~ portal: suspend and idle inhibited"));
  EXPECT_TRUE(inhibitor.acquired());

  inhibitor.release();
  ASSERT_TRUE(waitFor([&] { return portal->closed.size() == 1; }));
  EXPECT_EQ(loginManager->locksGranted, 0);
}

TEST_F(SleepInhibitorTest, MissingServicesAndMissingBusesAreReportedWithoutWaiting) {
  SleepInhibitor inhibitor(tracer());
  inhibitor.acquire("Upgrading the base unit");
  ASSERT_TRUE(waitFor([&] { return trace.size() == 2; }));
  EXPECT_TRUE(traceHas("~ login manager unavailable: org.freedesktop.DBus.Error.ServiceUnknown"));
  EXPECT_TRUE(traceHas("~ portal unavailable: org.freedesktop.DBus.Error.ServiceUnknown"));
  inhibitor.release();

  // Variables that lead nowhere, and no session bus where the user session would have one:
  // said at once, with no connection tried and nothing autolaunched.
  TempDir runtime;
  const QByteArray userRuntime = qgetenv("XDG_RUNTIME_DIR");
  qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + QByteArray((runtime / "gone").c_str()));
  qunsetenv("DBUS_SESSION_BUS_ADDRESS");
  qputenv("XDG_RUNTIME_DIR", runtime.path().c_str());
  trace.clear();
  inhibitor.acquire("Upgrading the base unit");
  EXPECT_EQ(
      trace,
      (std::vector<std::string>{
          "~ login manager unavailable: no system bus at unix:path=" + (runtime / "gone").string(),
          "~ portal unavailable: no session bus at unix:path=" + (runtime / "bus").string()}));
  inhibitor.release();
  qputenv("XDG_RUNTIME_DIR", userRuntime);
}

}  // namespace
}  // namespace orbelle::testing
