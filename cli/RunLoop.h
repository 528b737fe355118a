#pragma once

#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <utility>

#include "InterruptWatch.h"
#include "desktop/DesktopBus.h"

namespace orbelle {
class SleepInhibitor;
}

namespace orbelle::cli {

// The application's event loop for the operations of one vkr run, one unit's or several
// units' at once, with what they share: SIGINT and SIGTERM, told to every operation, and one
// hold on the machine's sleep while any of them transfers.
class RunLoop {
 public:
  RunLoop();
  ~RunLoop();
  RunLoop(const RunLoop&) = delete;
  RunLoop& operator=(const RunLoop&) = delete;

  // `interrupted` is told of the first SIGINT or SIGTERM until the returned key is forgotten.
  int onInterrupt(std::function<void()> interrupted);
  void forget(int key) { listeners_.erase(key); }
  // SIGINT or SIGTERM, once one came; 0 while none did.
  int interruptedBy() const { return interruptedBy_; }
  // Takes a signal caught while the event loop did not run: before a step that cannot be
  // taken back.
  void takeSignal() { interrupts_.takeSignal(); }

  // Runs the application's event loop until `ended()` holds (at once when it already does);
  // check() looks again, after an operation ended.
  void runUntil(std::function<bool()> ended);
  void check();

  // Keeps the machine awake from the first call until every caller has let go; `trace` is
  // where the inhibitor says what the desktop answered (the first caller's).
  void keepAwake(const QString& why, DesktopTrace trace);
  void letSleep();

  // True the first time only: what the preference store's loading had to say is said once.
  bool firstToWarnAboutStore() { return !std::exchange(storeWarned_, true); }

 private:
  std::map<int, std::function<void()>> listeners_;
  int nextKey_ = 0;
  int interruptedBy_ = 0;
  std::function<bool()> ended_;
  std::unique_ptr<SleepInhibitor> sleep_;
  int awakeHolds_ = 0;
  bool storeWarned_ = false;
  InterruptWatch interrupts_;
};

}  // namespace orbelle::cli
