#include "UpgradeAccount.h"

#include <iomanip>
#include <sstream>

#include "ExitCode.h"
#include "InterruptWatch.h"
#include "upgrade/UpgradeFrames.h"

namespace orbelle::cli {

namespace {

// 2000 as "2,000": a count an operator reads at a glance.
std::string grouped(std::uint64_t count) {
  const std::string digits = std::to_string(count);
  std::string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) {
      text += ',';
    }
    text += digits[i];
  }
  return text;
}

std::uint64_t blocksOf(std::uint64_t bytes) { return (bytes + kBlockSize - 1) / kBlockSize; }

nlohmann::json turnaroundSummary(const UpgradeOperation& operation) {
  const TurnaroundStats* turnarounds = operation.turnarounds();
  if (turnarounds == nullptr) {
    return nullptr;
  }
  const auto ms = [](TurnaroundStats::Duration d) { return static_cast<double>(d.count()) / 1000; };
  return {{"median", ms(turnarounds->median())}, {"p95", ms(turnarounds->percentile95())}};
}

}  // namespace

nlohmann::json upgradeSummary(const UpgradeOperation& operation) {
  const UpgradeCounters& counters = operation.transfer().counters();
  return {{"bytes", counters.imageBytesSent},
          {"blocks", counters.blocksSent},
          {"retries", counters.retries},
          {"resent_bytes", counters.resentBytes},
          {"handshakes", counters.handshakes},
          {"bad_fcs_replies", counters.badFcsReplies},
          {"stale_replies", counters.staleReplies},
          {"seconds", operation.blockPhaseSeconds()},
          {"bytes_per_second", operation.effectiveRate()},
          {"completion", std::string(completionName(counters.completion))},
          {"turnaround_ms", turnaroundSummary(operation)}};
}

std::string upgradeSummaryText(const UpgradeOperation& operation) {
  const UpgradeCounters& counters = operation.transfer().counters();
  std::ostringstream text;
  text << "Sent " << counters.imageBytesSent << " bytes in " << counters.blocksSent << " blocks ("
       << counters.retries << " retries, " << counters.handshakes << " handshakes); block phase "
       << std::fixed << std::setprecision(3) << operation.blockPhaseSeconds() << " s, "
       << formatBytes(operation.effectiveRate()) << "/s; completion "
       << completionName(counters.completion);
  if (counters.badFcsReplies != 0) {
    text << "; " << counters.badFcsReplies << " replies with a wrong FCS were taken by their code";
  }
  text << "\n";
  return text.str();
}

std::string whereItStopped(const UpgradeOperation& operation, UpgradeState stoppedIn) {
  const UpgradeTransfer& transfer = operation.transfer();
  const std::string blocks = std::to_string(transfer.counters().blocksSent);
  switch (stoppedIn) {
    case UpgradeState::StartPause:
      return "(in the pause after the start frame)";
    case UpgradeState::AwaitingStartAck:
      return "(waiting for the answer to the start frame)";
    case UpgradeState::BlockOutstanding: {
      const std::uint32_t at = transfer.offset() - transfer.lastBlockLength();
      return std::string("(waiting for the answer to the block at byte ") + std::to_string(at) +
             " of " + std::to_string(transfer.imageLength()) + ", " + blocks + " blocks sent)";
    }
    case UpgradeState::Idle:
    case UpgradeState::CompletionPause:
      break;
  }
  return std::string("(after ") + blocks + " blocks)";
}

CliError interruptedUpgrade(const UpgradeOperation& operation, UpgradeState stoppedIn,
                            const std::string& unitName, int signal) {
  const UpgradeTransfer& transfer = operation.transfer();
  const std::uint64_t total = blocksOf(transfer.imageLength());
  const std::uint64_t sent = blocksOf(transfer.offset());
  const std::string unit = "the " + unitName;
  std::string text;
  if (!operation.startedAt()) {
    text = "interrupted before anything was sent to " + unit;
  } else if (stoppedIn == UpgradeState::CompletionPause) {
    text = "interrupted while " + unit + " restarted after acknowledging all " + grouped(total) +
           " blocks: the end of the upgrade was not seen";
  } else if (sent == 0) {
    text = "interrupted after the start frame, before the first of " + grouped(total) +
           " blocks; " + unit + " is waiting for them: run the upgrade again";
  } else if (sent == total) {
    text = "interrupted after all " + grouped(total) + " blocks, before " + unit +
           " acknowledged the last: run the upgrade again to be sure";
  } else {
    text = "interrupted after " + grouped(sent) + " of " + grouped(total) + " blocks; " + unit +
           " is waiting for the rest: run the upgrade again";
  }
  return {exitCodeForSignal(signal),
          text,
          {{"outcome", "interrupted"},
           {"signal", signalName(signal)},
           {"blocks_sent", sent},
           {"blocks_total", total},
           {"bytes_sent", transfer.counters().imageBytesSent}}};
}

}  // namespace orbelle::cli
