#pragma once

#include <QTimer>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

#include "link/QtBoundary.h"
#include "upgrade/UpgradeLinkHost.h"

namespace orbelle {
class LinkSession;
class UpgradeTransfer;
}  // namespace orbelle

namespace orbelle::cli {

// The upgrade host of the command line. A pause is a single-shot timer on the event loop, so
// replies still come in during it and the transfer holds them until the pause is over. On
// RS232 a pause counts from when everything written has left the port's buffer, so the unit
// gets its full pause after the start frame. Messages go to whoever listens; there is no
// Upgrade button to enable.
class CliUpgradeHost : public UpgradeLinkHost {
 public:
  struct Listener {
    // The pause's timer is running: no reply is due until it ends.
    std::function<void(PauseKind kind, int count, std::chrono::milliseconds)> pauseArmed;
    // Called just before the transfer hears of the end of the pause.
    std::function<void()> pauseOver;
    std::function<void(std::string_view text, std::string_view title, MessageIcon)> message;
    // Takes whatever the end of a pause threw: the timer and the drain notice are called by
    // the event loop, which no exception may reach.
    FailureSink failed;
  };

  CliUpgradeHost(LinkSession& session, PauseDurations pauses, Listener listener);

  // The transfer told of the end of each pause; set once, before the first start.
  void attach(UpgradeTransfer& transfer) { transfer_ = &transfer; }
  // No pause ends after this: the run is over.
  void cancelPause();

  void startPause(PauseKind kind, int count) override;
  void setUpgradeEnabled(bool) override {}
  // The progress report follows the transfer's offset, which is finer than a percentage.
  void setProgress(int) override {}
  void showMessage(std::string_view text, std::string_view title, MessageIcon icon) override;

 private:
  void arm(std::uint64_t pause, PauseKind kind, int count);
  void elapsed();

  LinkSession& session_;
  PauseDurations pauses_;
  Listener listener_;
  UpgradeTransfer* transfer_ = nullptr;
  QTimer timer_;
  // Tells a drain notice of a replaced or cancelled pause from that of the current one.
  std::uint64_t pauseNumber_ = 0;
  // The serial link keeps drain notices until the port drains or closes, which may be after
  // this host has gone.
  std::shared_ptr<const bool> lifetime_ = std::make_shared<const bool>(true);
};

}  // namespace orbelle::cli
