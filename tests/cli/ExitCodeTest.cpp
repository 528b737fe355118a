// Every outcome of the engines vkr drives, with the exit code README.md documents for it.

#include <gtest/gtest.h>

#include "ExitCode.h"

namespace orbelle::cli {
namespace {

TEST(ExitCode, EveryOutcomeHasItsDocumentedCode) {
  const std::pair<UpgradeOutcome, int> upgrades[] = {
      {UpgradeOutcome::Running, 1},         {UpgradeOutcome::CompletedByLastAck, 0},
      {UpgradeOutcome::CompletedByDone, 0}, {UpgradeOutcome::FileRefused, 6},
      {UpgradeOutcome::ImageChanged, 6},    {UpgradeOutcome::ImageUnreadable, 6},
      {UpgradeOutcome::LinkFailed, 3},
  };
  for (const auto& [outcome, code] : upgrades) {
    EXPECT_EQ(exitCodeFor(outcome), code) << static_cast<int>(outcome);
  }
  const std::pair<SettingsMessage, int> settings[] = {
      {SettingsMessage::UnsetUnit, 5},
      {SettingsMessage::CurrentLoaded, 0},
      {SettingsMessage::UploadConfirmed, 0},
      {SettingsMessage::NoReply, 4},
  };
  for (const auto& [message, code] : settings) {
    EXPECT_EQ(exitCodeFor(message), code) << static_cast<int>(message);
  }
}

}  // namespace
}  // namespace orbelle::cli
