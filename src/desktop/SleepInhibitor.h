#pragma once

#include <QString>
#include <memory>

#include "desktop/DesktopBus.h"

namespace orbelle {

// Keeps the machine awake while a transfer runs: the login manager's "sleep:idle" block
// lock (held as the file descriptor it hands out) and, where the desktop portal runs, the
// portal's suspend and idle inhibition. Both are asked for asynchronously and neither is
// required: a refusal or a missing service is traced and the transfer goes on.
//
// Lives on the thread that runs the event loop. Answers that arrive after release() (or
// after the inhibitor is gone) are given back at once.
class SleepInhibitor {
 public:
  explicit SleepInhibitor(DesktopTrace trace = {});
  ~SleepInhibitor();
  SleepInhibitor(const SleepInhibitor&) = delete;
  SleepInhibitor& operator=(const SleepInhibitor&) = delete;

  // Asks both services; `why` is what the desktop shows as the reason. Does nothing while
  // already acquired.
  void acquire(const QString& why);
  // Gives back whatever was granted, and whatever will be.
  void release();
  bool acquired() const { return hold_ != nullptr; }

 private:
  struct Hold;
  static void askLoginManager(const std::shared_ptr<Hold>& hold, const QString& why);
  static void askPortal(const std::shared_ptr<Hold>& hold, const QString& why);

  SharedTrace trace_;
  std::shared_ptr<Hold> hold_;
};

}  // namespace orbelle
