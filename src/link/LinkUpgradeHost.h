#pragma once

#include <chrono>

#include "link/PauseTimer.h"
#include "upgrade/UpgradeLinkHost.h"

namespace orbelle {

class LinkSession;
class UpgradeTransfer;

// The upgrade host of a program with a link session: the link steps of UpgradeLinkHost and
// the pauses, on the event loop, counted from when the start frame has left the port over
// RS232. An upgrade window and vkr derive from it and show messages, progress and the Upgrade
// button their own way.
class LinkUpgradeHost : public UpgradeLinkHost {
 public:
  // `failed` takes what the end of a pause threw inside the event loop.
  LinkUpgradeHost(LinkSession& session, PauseDurations pauses, FailureSink failed);

  // The transfer told of the end of each pause; set once, before the first start.
  void attach(UpgradeTransfer& transfer) { transfer_ = &transfer; }
  // No pause ends after this: the run is over, or the window closes.
  void cancelPause() { timer_.cancel(); }

  void startPause(PauseKind kind, int count) final;

 protected:
  // The pause's timer is running: no reply is due until it ends.
  virtual void pauseArmed(PauseKind /*kind*/, int /*count*/, std::chrono::milliseconds) {}
  // Called just before the transfer hears of the end of the pause.
  virtual void pauseOver() {}

 private:
  void armed(std::chrono::milliseconds duration);
  void elapsed();

  PauseDurations pauses_;
  UpgradeTransfer* transfer_ = nullptr;
  PauseKind kind_ = PauseKind::Short;
  int count_ = 0;
  PauseTimer timer_;
};

}  // namespace orbelle
