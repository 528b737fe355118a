#include "session/SessionUpgradeChannel.h"

#include "session/Session.h"
#include "upgrade/UpgradeTransfer.h"

namespace orbelle {

SessionUpgradeChannel::SessionUpgradeChannel(Session& session, PauseDurations pauses,
                                             FailureSink failed)
    : session_(session),
      pauses_(pauses),
      timer_(session.serial(),
             {.armed = [this](std::chrono::milliseconds duration) { armed(duration); },
              .elapsed = [this] { elapsed(); },
              .failed = std::move(failed)}) {}

void SessionUpgradeChannel::sendFrame(CommandCode code, const FramePayload& payload) {
  session_.channel().send(code, payload);
}

void SessionUpgradeChannel::dropRepeats() { session_.channel().dropRepeats(); }

template <typename Step>
void SessionUpgradeChannel::serialStep(const Step& step) {
  try {
    step();
  } catch (const LinkError& error) {
    refusal_ = error.refusal();
    throw;
  }
}

void SessionUpgradeChannel::setLineSettings(std::string_view settings) {
  serialStep([&] { session_.channel().setSerialLineSettings(settings); });
}

void SessionUpgradeChannel::discardInput() {
  serialStep([&] { session_.channel().discardSerialInput(); });
}

void SessionUpgradeChannel::reopenSerial() {
  serialStep([&] { session_.channel().reopenSerial(); });
}

void SessionUpgradeChannel::startPause(PauseKind kind, int count) {
  kind_ = kind;
  count_ = count;
  timer_.start(pauses_.of(kind, count),
               session_.channel().choice().protocol == LinkProtocol::Rs232);
}

void SessionUpgradeChannel::armed(std::chrono::milliseconds duration) {
  session_.channel().trace({.kind = TraceKind::PauseStarted,
                            .longPause = kind_ == PauseKind::Long,
                            .count = count_,
                            .duration = duration});
  if (transfer_ != nullptr) {
    transfer_->pauseArmed(duration);
  }
}

void SessionUpgradeChannel::elapsed() {
  session_.channel().trace({.kind = TraceKind::PauseEnded});
  if (transfer_ != nullptr) {
    transfer_->pauseElapsed();
  }
}

}  // namespace orbelle
