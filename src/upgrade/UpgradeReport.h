#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace orbelle {

// Which reply ended the transfer first. A done reply may still follow a last acknowledgement.
enum class UpgradeCompletion { None, LastAck, Done };

constexpr std::string_view completionName(UpgradeCompletion completion) {
  switch (completion) {
    case UpgradeCompletion::LastAck:
      return "last-ack";
    case UpgradeCompletion::Done:
      return "done";
    case UpgradeCompletion::None:
      break;
  }
  return "none";
}

// Counts of the transfer since its last start. Resent blocks count in blocksSent and bytesSent
// as well as in retries.
struct UpgradeCounters {
  std::uint64_t bytesSent = 0;
  std::uint32_t blocksSent = 0;
  std::uint32_t retries = 0;
  std::uint32_t handshakes = 0;
  std::uint32_t completions = 0;
  UpgradeCompletion completion = UpgradeCompletion::None;
};

// Moments a caller may want to time or trace. Each is reported right after the step is done
// (a frame event after the host has been asked to send it).
enum class UpgradeEvent {
  StartSent,
  BlockSent,  // a new block; counters().blocksSent == 1 marks the first of the transfer
  BlockResent,
  HandshakeAnswered,
  AllBlocksAcknowledged,  // the block acknowledgement that found nothing left to send
  Completed,              // a completion has run to its end (or its port refused to reopen)
};

using UpgradeEventHook = std::function<void(UpgradeEvent)>;

}  // namespace orbelle
