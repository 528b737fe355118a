#pragma once

#include <chrono>

namespace orbelle {

// The two waits of an upgrade: a short one after a base unit start frame, a long one after a
// handheld start frame and, six in a row, while a unit restarts after its last block.
enum class PauseKind { Short, Long };

// How long the host waits. The short pause counts from when the start frame has left the port,
// not from when it was queued. Tests and benchmarks scale these down.
struct PauseDurations {
  std::chrono::milliseconds shortPause{100};
  std::chrono::milliseconds longPause{1000};

  std::chrono::milliseconds of(PauseKind kind, int count) const {
    return (kind == PauseKind::Short ? shortPause : longPause) * count;
  }

  PauseDurations scaledBy(double factor) const {
    using Ms = std::chrono::milliseconds;
    return {Ms(static_cast<Ms::rep>(static_cast<double>(shortPause.count()) * factor)),
            Ms(static_cast<Ms::rep>(static_cast<double>(longPause.count()) * factor))};
  }
};

}  // namespace orbelle
