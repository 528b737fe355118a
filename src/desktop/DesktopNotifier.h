#pragma once

#include <QString>

#include "desktop/DesktopBus.h"

namespace orbelle {

// A desktop notification through the notification service on the session bus, tied to
// orbelle.desktop so the desktop shows our name and icon. Best-effort: the outcome is only
// traced.
class DesktopNotifier {
 public:
  explicit DesktopNotifier(DesktopTrace trace = {});
  ~DesktopNotifier();
  DesktopNotifier(const DesktopNotifier&) = delete;
  DesktopNotifier& operator=(const DesktopNotifier&) = delete;

  // `summary` is the title line, `body` the text under it.
  void notify(const QString& summary, const QString& body);

 private:
  SharedTrace trace_;
};

}  // namespace orbelle
