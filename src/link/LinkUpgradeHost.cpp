#include "link/LinkUpgradeHost.h"

#include "link/LinkSession.h"
#include "upgrade/UpgradeTransfer.h"

namespace orbelle {

LinkUpgradeHost::LinkUpgradeHost(LinkSession& session, PauseDurations pauses, FailureSink failed)
    : UpgradeLinkHost(session.state(), session.endpoints()),
      pauses_(pauses),
      timer_(session.serial(),
             {.armed = [this](std::chrono::milliseconds duration) { armed(duration); },
              .elapsed = [this] { elapsed(); },
              .failed = std::move(failed)}) {}

void LinkUpgradeHost::startPause(PauseKind kind, int count) {
  kind_ = kind;
  count_ = count;
  timer_.start(pauses_.of(kind, count), link().protocol == LinkProtocol::Rs232);
}

void LinkUpgradeHost::armed(std::chrono::milliseconds duration) {
  TraceStep(links(), {.kind = TraceKind::PauseStarted,
                      .longPause = kind_ == PauseKind::Long,
                      .count = count_,
                      .duration = duration});
  pauseArmed(kind_, count_, duration);
}

void LinkUpgradeHost::elapsed() {
  TraceStep(links(), {.kind = TraceKind::PauseEnded});
  pauseOver();
  if (transfer_ != nullptr) {
    transfer_->pauseElapsed();
  }
}

}  // namespace orbelle
