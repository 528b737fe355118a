#pragma once

#include <cstdint>
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

// How a transfer ended, told before the message that tells the operator, so that a caller can
// act on it without reading the message.
enum class UpgradeOutcome {
  Running,             // not ended yet (or never started)
  CompletedByLastAck,  // every block acknowledged
  CompletedByDone,     // the unit said it was done
  FileRefused,         // cannot be opened, empty or too large: nothing was sent
  ImageChanged,        // the file changed while it was being sent
  ImageUnreadable,     // the file could not be read any more
  LinkFailed,          // the serial port refused a step (settings, discard, reopen)
  // The unit sent frames while it should have been restarting after its last block: the
  // acknowledgement taken for the last one may have been a repeat, so success is not known.
  CompletionInDoubt,
};

constexpr bool isSuccess(UpgradeOutcome outcome) {
  return outcome == UpgradeOutcome::CompletedByLastAck ||
         outcome == UpgradeOutcome::CompletedByDone;
}

// Counts of the transfer since its last start. Each image byte counts once in imageBytesSent;
// a resent block counts in blocksSent, retries and resentBytes.
struct UpgradeCounters {
  std::uint64_t imageBytesSent = 0;
  std::uint64_t resentBytes = 0;
  std::uint32_t blocksSent = 0;
  std::uint32_t retries = 0;
  std::uint32_t handshakes = 0;
  // Replies taken by their code although their FCS was wrong.
  std::uint32_t badFcsReplies = 0;
  // Replies that cannot answer the frame they followed, and were dropped: those that waited
  // behind another when the next frame went out, and those the link saw begin sooner after
  // the frame than the frame's own time on the wire.
  std::uint32_t staleReplies = 0;
  std::uint32_t completions = 0;
  UpgradeCompletion completion = UpgradeCompletion::None;
};

// Moments a caller may want to time or trace. Each is reported right after the step is done
// (a frame event after the channel side has been asked to send it).
enum class UpgradeEvent {
  StartSent,
  BlockSent,  // a new block; counters().blocksSent == 1 marks the first of the transfer
  BlockResent,
  HandshakeAnswered,
  AllBlocksAcknowledged,  // the block acknowledgement that found nothing left to send
  Completed,              // a completion has run to its end (or its port refused to reopen)
};

}  // namespace orbelle
