#pragma once

#include <QString>
#include <memory>

#include "support/Subprocess.h"
#include "support/TempDir.h"

namespace orbelle::testing {

// A dbus-daemon of our own, with no services to activate and no policy in the way, that
// lives as long as the object. Stands in for the system or the session bus.
class PrivateBus {
 public:
  PrivateBus();
  ~PrivateBus();
  PrivateBus(const PrivateBus&) = delete;
  PrivateBus& operator=(const PrivateBus&) = delete;

  const QString& address() const { return address_; }

 private:
  TempDir dir_;
  std::unique_ptr<BackgroundProcess> daemon_;
  QString address_;
};

}  // namespace orbelle::testing
