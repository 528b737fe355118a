#include "desktop/DesktopNotifier.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>
#include <optional>

#include "desktop/BusSignal.h"

namespace orbelle {

namespace {

constexpr auto kService = "org.freedesktop.Notifications";
constexpr auto kPath = "/org/freedesktop/Notifications";
// The action a click on the notification itself invokes.
constexpr auto kDefaultAction = "default";

}  // namespace

// The last notification shown: its number, once the service has given it, and what a click
// on it does.
struct DesktopNotifier::Latest {
  std::optional<uint> id;
  std::function<void()> clicked;
};

DesktopNotifier::DesktopNotifier(DesktopTrace trace)
    : trace_(std::make_shared<DesktopTrace>(std::move(trace))) {}

DesktopNotifier::~DesktopNotifier() = default;

void DesktopNotifier::notify(const QString& summary, const QString& body,
                             std::function<void()> clicked) {
  QString whyNot;
  const std::optional<QDBusConnection> session = connectToDesktopBus(DesktopBus::Session, whyNot);
  if (!session) {
    traceLine(trace_, "notification service unavailable: " + whyNot.toStdString());
    return;
  }
  latest_ = std::make_shared<Latest>(Latest{std::nullopt, std::move(clicked)});
  actions_.reset();
  QStringList actions;
  if (latest_->clicked) {
    actions << kDefaultAction << QCoreApplication::translate("orbelle::DesktopNotifier", "Show");
    // Heard from before the notification shows, on the bus it goes to.
    actions_ = std::make_unique<BusSignal>(
        *session, BusSignal::Source{kService, kPath, kService, "ActionInvoked"},
        [this](const QDBusMessage& invoked) {
          const QVariantList arguments = invoked.arguments();
          if (latest_->id == arguments.value(0).toUInt() &&
              arguments.value(1).toString() == kDefaultAction) {
            latest_->clicked();
          }
        });
  }
  auto notify = QDBusMessage::createMethodCall(kService, kPath, kService, "Notify");
  const int serverDecidesWhenToExpire = -1;
  notify << QStringLiteral("Orbelle") << 0u << QStringLiteral("orbelle") << summary << body
         << actions << QVariantMap{{"desktop-entry", QStringLiteral("orbelle")}}
         << serverDecidesWhenToExpire;
  whenAnswered(session->asyncCall(notify),
               [trace = WeakTrace(trace_),
                latest = std::weak_ptr<Latest>(latest_)](const QDBusPendingCall& call) {
                 const QDBusPendingReply<uint> reply = call;
                 if (reply.isError()) {
                   traceLine(trace, describeFailure("notification service", reply.error()));
                   return;
                 }
                 if (const auto shown = latest.lock()) {
                   shown->id = reply.value();
                 }
                 traceLine(trace, "notification shown");
               });
}

}  // namespace orbelle
