#include "desktop/DesktopNotifier.h"

#include <QDBusMessage>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

namespace orbelle {

DesktopNotifier::DesktopNotifier(DesktopTrace trace)
    : trace_(std::make_shared<DesktopTrace>(std::move(trace))) {}

DesktopNotifier::~DesktopNotifier() = default;

void DesktopNotifier::notify(const QString& summary, const QString& body) {
  QString whyNot;
  const std::optional<QDBusConnection> session = connectToDesktopBus(DesktopBus::Session, whyNot);
  if (!session) {
    traceLine(trace_, "notification service unavailable: " + whyNot.toStdString());
    return;
  }
  auto notify = QDBusMessage::createMethodCall("org.freedesktop.Notifications",
                                               "/org/freedesktop/Notifications",
                                               "org.freedesktop.Notifications", "Notify");
  const int serverDecidesWhenToExpire = -1;
  notify << QStringLiteral("Orbelle") << 0u << QStringLiteral("orbelle") << summary << body
         << QStringList() << QVariantMap{{"desktop-entry", QStringLiteral("orbelle")}}
         << serverDecidesWhenToExpire;
  whenAnswered(
      session->asyncCall(notify), [trace = WeakTrace(trace_)](const QDBusPendingCall& call) {
        const QDBusPendingReply<uint> reply = call;
        traceLine(trace, reply.isError() ? describeFailure("notification service", reply.error())
                                         : "notification shown");
      });
}

}  // namespace orbelle
