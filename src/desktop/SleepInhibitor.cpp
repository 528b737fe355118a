#include "desktop/SleepInhibitor.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingReply>
#include <QDBusUnixFileDescriptor>
#include <QVariantMap>
#include <utility>

namespace orbelle {

namespace {

constexpr auto kLogin1Service = "org.freedesktop.login1";
constexpr auto kPortalService = "org.freedesktop.portal.Desktop";
// The portal's Inhibit flags: 4 suspend, 8 idle.
constexpr uint kPortalSuspendAndIdle = 4 | 8;

}  // namespace

// What one acquire() obtained. Shared with the calls in flight, so that an answer arriving
// after release() finds `released` set and gives its lock back.
struct SleepInhibitor::Hold {
  WeakTrace trace;
  bool released = false;
  QDBusUnixFileDescriptor loginLock;  // closing the last copy ends the lock
  std::optional<QDBusConnection> session;
  QString portalRequest;  // the request handle, once granted

  void say(const std::string& line) const { traceLine(trace, line); }

  void closePortalRequest() {
    const auto close = QDBusMessage::createMethodCall(kPortalService, portalRequest,
                                                      "org.freedesktop.portal.Request", "Close");
    whenAnswered(session->asyncCall(close), [trace = trace](const QDBusPendingCall& call) {
      traceLine(trace, call.isError() ? describeFailure("portal release", call.error())
                                      : "portal: inhibition released");
    });
    portalRequest.clear();
  }
};

SleepInhibitor::SleepInhibitor(DesktopTrace trace)
    : trace_(std::make_shared<DesktopTrace>(std::move(trace))) {}

SleepInhibitor::~SleepInhibitor() {
  release();
  trace_.reset();  // late answers are still given back, but no longer traced
}

void SleepInhibitor::acquire(const QString& why) {
  if (hold_) {
    return;
  }
  hold_ = std::make_shared<Hold>();
  hold_->trace = trace_;
  askLoginManager(hold_, why);
  askPortal(hold_, why);
}

void SleepInhibitor::release() {
  if (!hold_) {
    return;
  }
  const std::shared_ptr<Hold> hold = std::exchange(hold_, nullptr);
  hold->released = true;
  if (hold->loginLock.isValid()) {
    hold->loginLock = QDBusUnixFileDescriptor();
    hold->say("login manager: sleep lock released");
  }
  if (!hold->portalRequest.isEmpty()) {
    hold->closePortalRequest();
  }
}

void SleepInhibitor::askLoginManager(const std::shared_ptr<Hold>& hold, const QString& why) {
  QString whyNot;
  const std::optional<QDBusConnection> system = connectToDesktopBus(DesktopBus::System, whyNot);
  if (!system) {
    hold->say("login manager unavailable: " + whyNot.toStdString());
    return;
  }
  auto inhibit = QDBusMessage::createMethodCall(kLogin1Service, "/org/freedesktop/login1",
                                                "org.freedesktop.login1.Manager", "Inhibit");
  inhibit << QStringLiteral("sleep:idle") << QStringLiteral("Orbelle") << why
          << QStringLiteral("block");
  whenAnswered(system->asyncCall(inhibit), [hold](const QDBusPendingCall& call) {
    const QDBusPendingReply<QDBusUnixFileDescriptor> reply = call;
    if (reply.isError()) {
      hold->say(describeFailure("login manager", reply.error()));
    } else if (hold->released) {
      // Dropping the reply closes the descriptor it carried.
      hold->say("login manager: sleep lock granted after the end, released at once");
    } else {
      hold->loginLock = reply.value();
      hold->say("sleep inhibited by the login manager");
    }
  });
}

void SleepInhibitor::askPortal(const std::shared_ptr<Hold>& hold, const QString& why) {
  QString whyNot;
  hold->session = connectToDesktopBus(DesktopBus::Session, whyNot);
  if (!hold->session) {
    hold->say("portal unavailable: " + whyNot.toStdString());
    return;
  }
  auto inhibit = QDBusMessage::createMethodCall(kPortalService, "/org/freedesktop/portal/desktop",
                                                "org.freedesktop.portal.Inhibit", "Inhibit");
  inhibit << QString() << kPortalSuspendAndIdle << QVariantMap{{"reason", why}};
  whenAnswered(hold->session->asyncCall(inhibit), [hold](const QDBusPendingCall& call) {
    const QDBusPendingReply<QDBusObjectPath> reply = call;
    if (reply.isError()) {
      hold->say(describeFailure("portal", reply.error()));
      return;
    }
    hold->portalRequest = reply.value().path();
    if (hold->released) {
      hold->say("portal: inhibition granted after the end, released at once");
      hold->closePortalRequest();
    } else {
      hold->say("portal: suspend and idle inhibited");
    }
  });
}

}  // namespace orbelle
