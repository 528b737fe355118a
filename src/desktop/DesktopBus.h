#pragma once

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusPendingCall>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace orbelle {

// The desktop services talk to the login manager on the system bus and to the portal, the
// notification service and the task bar on the session bus. Every call is best-effort and
// asynchronous: a fake service in the same thread (or a stuck real one) never blocks us.

enum class DesktopBus { System, Session };

// Receives one line per outcome ("sleep inhibited by the login manager") for --trace.
using DesktopTrace = std::function<void(const std::string&)>;
// Held by the component, watched by its calls: an answer that arrives after the component
// is gone is not traced to an owner that may be gone too.
using SharedTrace = std::shared_ptr<DesktopTrace>;
using WeakTrace = std::weak_ptr<DesktopTrace>;

void traceLine(const WeakTrace& trace, const std::string& line);

// The connection to `bus` at the address the environment gives (DBUS_SYSTEM_BUS_ADDRESS,
// DBUS_SESSION_BUS_ADDRESS, else the usual places). When the address leads nowhere (no
// variable and no usual socket, or a socket file that does not exist) nothing is attempted
// and `whyNot` says so; the session bus is never autolaunched.
std::optional<QDBusConnection> connectToDesktopBus(DesktopBus bus, QString& whyNot);

// Calls `done` with the finished call once its answer (or error) is in.
void whenAnswered(const QDBusPendingCall& call, std::function<void(const QDBusPendingCall&)> done);

// "login manager refused: <error name>: <message>", or "unavailable" when nobody was
// there to answer at all.
std::string describeFailure(std::string_view who, const QDBusError& error);

}  // namespace orbelle
