#include "desktop/SleepInhibitor.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingReply>
#include <QDBusUnixFileDescriptor>
#include <QVariantMap>
#include <utility>

#include "desktop/BusSignal.h"

namespace orbelle {

namespace {

constexpr auto kLogin1Service = "org.freedesktop.login1";
constexpr auto kPortalService = "org.freedesktop.portal.Desktop";
constexpr auto kPortalRequestInterface = "org.freedesktop.portal.Request";
// The portal's Inhibit flags: 4 suspend, 8 idle.
constexpr uint kPortalSuspendAndIdle = 4 | 8;
// The verdict in a request's Response: 0 granted, 1 cancelled by the user, 2 refused or ended
// another way.
constexpr uint kPortalGranted = 0;

// Unique among the requests of this program's connection.
QString nextRequestToken() {
  static uint made = 0;
  return QStringLiteral("orbelle%1").arg(++made);
}

// Where the portal puts the request that a call with `token` makes: below the caller's unique
// name, without its ':' and with '_' for each '.'.
QString requestPath(const QDBusConnection& bus, const QString& token) {
  QString sender = bus.baseService();
  sender.remove(QLatin1Char(':')).replace(QLatin1Char('.'), QLatin1Char('_'));
  return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
}

}  // namespace

// What one acquire() obtained. Shared with the calls in flight, so that an answer arriving
// after release() finds `released` set and gives its lock back.
struct SleepInhibitor::Hold {
  WeakTrace trace;
  bool released = false;
  QDBusUnixFileDescriptor loginLock;  // closing the last copy ends the lock
  std::optional<QDBusConnection> session;
  // The portal answers Inhibit at once with the request's handle and gives its verdict later,
  // in the request's Response.
  std::unique_ptr<BusSignal> portalResponse;
  QString portalRequest;  // the handle, while it may hold an inhibition: granted or undecided
  std::optional<uint> portalVerdict;

  void say(const std::string& line) const { traceLine(trace, line); }

  void listenForVerdict(const QString& request) {
    portalResponse = std::make_unique<BusSignal>(
        *session, BusSignal::Source{kPortalService, request, kPortalRequestInterface, "Response"},
        [this](const QDBusMessage& response) {
          heardVerdict(response.arguments().value(0).toUInt());
        });
  }

  void heardVerdict(uint verdict) {
    if (portalVerdict) {
      return;
    }
    portalVerdict = verdict;
    if (verdict != kPortalGranted) {
      // The portal has ended the request itself: there is nothing to close.
      portalRequest.clear();
      say("portal: refused (" + std::to_string(verdict) + ")");
    } else if (!released) {
      say("portal: suspend and idle inhibited");
    }
  }

  void closePortalRequest() {
    const auto close = QDBusMessage::createMethodCall(kPortalService, portalRequest,
                                                      kPortalRequestInterface, "Close");
    const bool granted = portalVerdict == kPortalGranted;
    whenAnswered(session->asyncCall(close), [trace = trace, granted](const QDBusPendingCall& call) {
      traceLine(trace, call.isError() ? describeFailure("portal release", call.error())
                       : granted      ? "portal: inhibition released"
                                      : "portal: request closed before its verdict");
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
  // Heard from before the call: a portal that decides at once may send its verdict before
  // the call's answer reaches us.
  const QString token = nextRequestToken();
  const QString expected = requestPath(*hold->session, token);
  hold->listenForVerdict(expected);
  auto inhibit = QDBusMessage::createMethodCall(kPortalService, "/org/freedesktop/portal/desktop",
                                                "org.freedesktop.portal.Inhibit", "Inhibit");
  inhibit << QString() << kPortalSuspendAndIdle
          << QVariantMap{{"reason", why}, {"handle_token", token}};
  whenAnswered(hold->session->asyncCall(inhibit), [hold, expected](const QDBusPendingCall& call) {
    const QDBusPendingReply<QDBusObjectPath> reply = call;
    if (reply.isError()) {
      hold->portalResponse.reset();
      hold->say(describeFailure("portal", reply.error()));
      return;
    }
    const QString request = reply.value().path();
    if (request != expected) {
      hold->listenForVerdict(request);  // a portal that ignores the token names its own
    }
    if (hold->portalVerdict && *hold->portalVerdict != kPortalGranted) {
      return;  // refused before the answer came
    }
    hold->portalRequest = request;
    if (hold->released) {
      hold->say("portal: request answered after the end, closed at once");
      hold->closePortalRequest();
    } else if (!hold->portalVerdict) {
      hold->say("portal: asked, waiting for its verdict");
    }
  });
}

}  // namespace orbelle
