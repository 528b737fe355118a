#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "CliError.h"
#include "session/UpgradeOperation.h"

namespace orbelle::cli {

// How vkr accounts for an upgrade: the summary of a completed one, and how far one that
// stopped had come.

// The summary object of --json: bytes, blocks, retries, resent bytes, handshakes, replies with
// a wrong FCS and stale ones, the block phase's seconds and rate, the completion and the
// turnaround (over RS232).
nlohmann::json upgradeSummary(const UpgradeOperation& operation);
// The same as a line of text.
std::string upgradeSummaryText(const UpgradeOperation& operation);

// "(waiting for the answer to the block at byte 96 of 3000, 4 blocks sent)".
std::string whereItStopped(const UpgradeOperation& operation, UpgradeState stoppedIn);

// A run stopped by SIGINT or SIGTERM (`signal`): how far it had come, and what the unit
// (`unitName`, "base unit") makes of it.
CliError interruptedUpgrade(const UpgradeOperation& operation, UpgradeState stoppedIn,
                            const std::string& unitName, int signal);

}  // namespace orbelle::cli
