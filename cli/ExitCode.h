#pragma once

#include "settings/SettingsMessages.h"
#include "upgrade/UpgradeReport.h"

namespace orbelle::cli {

// Exit codes of vkr; scripts rely on them, README.md lists them.
enum ExitCode : int {
  kOk = 0,
  kFailed = 1,         // the operation failed (for example the store could not be written)
  kBadUsage = 2,       // bad option or value; nothing was written or sent
  kLinkUnusable = 3,   // no base unit found, or the port could not be opened
  kNoReply = 4,        // the base unit did not answer within the time-out
  kUnsetUnit = 5,      // the base unit has never been set
  kImageProblem = 6,   // the image file cannot be read, is empty or is too large
  kInterrupted = 130,  // SIGINT (Ctrl-C): 128 and the signal's number, as a shell has it
  kTerminated = 143,   // SIGTERM
};

// How vkr ends after each outcome of the engines it drives. Every outcome has its code here
// and nowhere else; a new outcome does not build until it has one.
ExitCode exitCodeFor(UpgradeOutcome outcome);
ExitCode exitCodeFor(SettingsMessage message);
// kInterrupted for SIGINT, kTerminated for SIGTERM.
ExitCode exitCodeForSignal(int signal);

}  // namespace orbelle::cli
