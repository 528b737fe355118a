#include "desktop/DesktopFixture.h"
#include "desktop/SleepInhibitor.h"
#include "harness/Simulator.h"

namespace orbelle::testing {
namespace {

using SleepInhibitorTest = DesktopFixture;

TEST_F(SleepInhibitorTest, BothLocksAreTakenAndGivenBackAtTheEnd) {
  serveLoginManager([this](const QDBusMessage& call) { return grantLock(call); });
  servePortal([this](const QDBusMessage& call) { return grantPortal(call); });
  {
    SleepInhibitor inhibitor(tracer());
    inhibitor.acquire("Upgrading the base unit");
    ASSERT_TRUE(waitFor(
        [&] { return locks.granted == 1 && traceHas("portal: suspend and idle inhibited"); }));
    EXPECT_EQ(loginManager->calls[0].arguments(),
              (QVariantList{"sleep:idle", "Orbelle", "Upgrading the base unit", "block"}));
    const QVariantList portalArguments = portal->calls[0].arguments();
    EXPECT_EQ(portalArguments[0].toString(), "");
    EXPECT_EQ(portalArguments[1].toUInt(), 4u | 8u);
    const auto options = qdbus_cast<QVariantMap>(portalArguments[2]);
    EXPECT_EQ(options.value("reason"), "Upgrading the base unit");
    EXPECT_FALSE(options.value("handle_token").toString().isEmpty());
    EXPECT_TRUE(traceHas("sleep inhibited by the login manager"));
    EXPECT_TRUE(traceHas("portal: suspend and idle inhibited"));
    EXPECT_EQ(locks.closed, 0);
    EXPECT_EQ(portal->callsTo("Close"), 0);
  }  // the end of the program: the destructor gives both back
  ASSERT_TRUE(waitFor([&] { return locks.closed == 1 && portal->callsTo("Close") == 1; }));
  EXPECT_EQ(closedHandles(), requestHandles);
}

TEST_F(SleepInhibitorTest, LocksGrantedAfterTheEndAreGivenBackAtOnce) {
  serveLoginManager(later);
  servePortal(later);
  SleepInhibitor inhibitor(tracer());
  inhibitor.acquire("Upgrading the base unit");
  ASSERT_TRUE(
      waitFor([&] { return loginManager->calls.size() == 1 && portal->calls.size() == 1; }));

  inhibitor.release();  // the transfer failed before the services answered
  loginManager->reply(grantLock(loginManager->calls[0]));
  portal->reply(grantPortal(portal->calls[0]));

  ASSERT_TRUE(waitFor([&] { return locks.closed == 1 && portal->callsTo("Close") == 1; }));
  EXPECT_EQ(closedHandles(), requestHandles);
  EXPECT_TRUE(traceHas("login manager: sleep lock granted after the end, released at once"));
  EXPECT_TRUE(traceHas("portal: request answered after the end, closed at once"));

  // Answered, but its verdict still to come at the end: the request is closed all the same,
  // and a grant that follows is no inhibition.
  trace.clear();
  servePortalAnswering(std::nullopt);
  inhibitor.acquire("Upgrading the base unit");
  ASSERT_TRUE(waitFor([&] { return traceHas("portal: asked, waiting for its verdict"); }));
  inhibitor.release();
  respond(portal->calls.back().service(), requestHandles.back(), 0);
  ASSERT_TRUE(waitFor([&] { return traceHas("portal: request closed before its verdict"); }));
  EXPECT_EQ(closedHandles(), QStringList{requestHandles.back()});
  EXPECT_FALSE(traceHas("portal: suspend and idle inhibited"));
}

TEST_F(SleepInhibitorTest, RefusalsMissingServicesAndMissingBusesAreReportedWithoutWaiting) {
  SleepInhibitor inhibitor(tracer());
  inhibitor.acquire("Upgrading the base unit");
  ASSERT_TRUE(waitFor([&] { return trace.size() == 2; }));
  EXPECT_TRUE(traceHas("login manager unavailable: org.freedesktop.DBus.Error.ServiceUnknown"));
  EXPECT_TRUE(traceHas("portal unavailable: org.freedesktop.DBus.Error.ServiceUnknown"));
  inhibitor.release();

  // A refusal is reported and the other lock still holds.
  serveLoginManager(refuse);
  servePortal([this](const QDBusMessage& call) { return grantPortal(call); });
  inhibitor.acquire("Upgrading the base unit");
  ASSERT_TRUE(waitFor([&] {
    return traceHas(
               "login manager refused: org.freedesktop.DBus.Error.AccessDenied: Permission "
               "denied") &&
           traceHas("portal: suspend and idle inhibited");
  }));
  inhibitor.release();
  ASSERT_TRUE(waitFor([&] { return traceHas("portal: inhibition released"); }));
  EXPECT_EQ(std::tuple(portal->callsTo("Close"), locks.granted), std::tuple(1, 0));

  // The portal answers the call with a handle and refuses in the request's Response (as
  // Debian's portal does on a bus without a desktop): that is no inhibition, and there is
  // nothing to close. The user's cancelling is a refusal too.
  uint verdict = 2;
  portal.reset();
  servePortal([&](const QDBusMessage& call) { return answerPortal(call, verdict); });
  for (const uint refusal : {2U, 1U}) {
    verdict = refusal;
    inhibitor.acquire("Upgrading the base unit");
    ASSERT_TRUE(
        waitFor([&] { return traceHas("portal: refused (" + std::to_string(refusal) + ")"); }));
    inhibitor.release();
  }
  // A grant after them: its Close follows any that the refusals might have caused.
  verdict = 0;
  trace.clear();
  inhibitor.acquire("Upgrading the base unit");
  ASSERT_TRUE(waitFor([&] { return traceHas("portal: suspend and idle inhibited"); }));
  inhibitor.release();
  ASSERT_TRUE(waitFor([&] { return traceHas("portal: inhibition released"); }));
  EXPECT_EQ(closedHandles(), QStringList{requestHandles.back()});

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
          "login manager unavailable: no system bus at unix:path=" + (runtime / "gone").string(),
          "portal unavailable: no session bus at unix:path=" + (runtime / "bus").string()}));
  inhibitor.release();
  qputenv("XDG_RUNTIME_DIR", userRuntime);
}

// vkr takes the lock when the start frame goes out and gives it back however the run ends;
// a refusal costs the transfer nothing.
TEST_F(SleepInhibitorTest, VkrHoldsTheLockFromTheStartFrameToTheEndOfEveryRun) {
  TempDir dir;
  writeFile(dir / "image.dat", imageBytes(640));
  const auto upgrade = [&](const std::vector<std::string>& faults, const std::string& last) {
    Simulator sim(SimLink::Serial, faults);
    std::vector<std::string> args = sim.vkrLinkArgs();
    args.insert(args.end(), {"--trace", "--timeout", "2", "upgrade", "base",
                             (dir / "image.dat").string(), "--pause-scale", "0.01"});
    // The fakes answer from this thread's event loop while vkr runs.
    BackgroundProcess vkr(VKR_PATH, args, sim.vkrEnv());
    EXPECT_TRUE(waitFor([&] { return vkr.waitForStderr(last, 1, {}); }));
    const int exitCode = vkr.waitForExit();
    return std::pair{exitCode, vkr.drainStderr()};
  };
  serveLoginManager([this](const QDBusMessage& call) { return grantLock(call); });
  const std::string upgraded = "The base unit has been upgraded.";
  const auto [completed, trace] = upgrade({}, upgraded);
  EXPECT_EQ(completed, 0) << trace;
  ASSERT_TRUE(waitFor([&] { return locks.granted == 1 && locks.closed == 1; }));
  const std::size_t startFrame = trace.find(" > 00 5a ");
  EXPECT_LT(startFrame, trace.find("~ sleep inhibited by the login manager")) << trace;
  // Held to the last acknowledgement; the versions read afterwards need no hold.
  EXPECT_LT(trace.rfind(" < 00 56 "), trace.find("~ login manager: sleep lock released")) << trace;

  const auto [vanished, vanishedTrace] =
      upgrade({"--fault", "vanish-after=5"}, "vkr: Cannot communicate");
  EXPECT_EQ(vanished, 3) << vanishedTrace;
  EXPECT_TRUE(waitFor([&] { return locks.granted == 2 && locks.closed == 2; }));

  loginManager.reset();  // gone before its successor takes the name
  serveLoginManager(refuse);
  const auto [refused, refusedTrace] = upgrade({}, upgraded);
  EXPECT_EQ(refused, 0) << refusedTrace;
  EXPECT_NE(refusedTrace.find("~ login manager refused: org.freedesktop.DBus.Error.AccessDenied"),
            std::string::npos)
      << refusedTrace;
}

}  // namespace
}  // namespace orbelle::testing
