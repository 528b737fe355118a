#include "link/SessionUpgradeLink.h"

#include "link/LinkSession.h"
#include "upgrade/UpgradeTransfer.h"

namespace orbelle {

SessionUpgradeLink::SessionUpgradeLink(LinkSession& session, PauseDurations pauses,
                                       FailureSink failed)
    : session_(session),
      pauses_(pauses),
      timer_(session.serial(),
             {.armed = [this](std::chrono::milliseconds duration) { armed(duration); },
              .elapsed = [this] { elapsed(); },
              .failed = std::move(failed)}) {}

void SessionUpgradeLink::sendFrame(CommandCode code) { session_.link().send(code); }

void SessionUpgradeLink::dropRepeats() { session_.link().dropRepeats(); }

template <typename Step>
void SessionUpgradeLink::serialStep(const Step& step) {
  try {
    step();
  } catch (const LinkError& error) {
    refusal_ = error.refusal();
    throw;
  }
}

void SessionUpgradeLink::setLineSettings(std::string_view settings) {
  serialStep([&] { session_.link().setSerialLineSettings(settings); });
}

void SessionUpgradeLink::discardInput() {
  serialStep([&] { session_.link().discardSerialInput(); });
}

void SessionUpgradeLink::reopenSerial() {
  serialStep([&] { session_.link().reopenSerial(); });
}

void SessionUpgradeLink::startPause(PauseKind kind, int count) {
  kind_ = kind;
  count_ = count;
  timer_.start(pauses_.of(kind, count), session_.state().protocol == LinkProtocol::Rs232);
}

void SessionUpgradeLink::armed(std::chrono::milliseconds duration) {
  session_.link().trace({.kind = TraceKind::PauseStarted,
                         .longPause = kind_ == PauseKind::Long,
                         .count = count_,
                         .duration = duration});
  if (transfer_ != nullptr) {
    transfer_->pauseArmed(duration);
  }
}

void SessionUpgradeLink::elapsed() {
  session_.link().trace({.kind = TraceKind::PauseEnded});
  if (transfer_ != nullptr) {
    transfer_->pauseElapsed();
  }
}

}  // namespace orbelle
