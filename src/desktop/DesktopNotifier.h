#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "desktop/DesktopBus.h"

namespace orbelle {

class BusSignal;

// A desktop notification through the notification service on the session bus, tied to
// orbelle.desktop so the desktop shows our name and icon. Best-effort: the outcome is only
// traced.
class DesktopNotifier {
 public:
  explicit DesktopNotifier(DesktopTrace trace = {});
  ~DesktopNotifier();
  DesktopNotifier(const DesktopNotifier&) = delete;
  DesktopNotifier& operator=(const DesktopNotifier&) = delete;

  // `summary` is the title line, `body` the text under it. `clicked`, when given, runs when the
  // operator clicks the notification (its default action); only the latest one is clickable.
  void notify(const QString& summary, const QString& body, std::function<void()> clicked = {});

 private:
  struct Latest;

  SharedTrace trace_;
  std::shared_ptr<Latest> latest_;
  std::unique_ptr<BusSignal> actions_;
};

}  // namespace orbelle
