// The exit codes vkr gives for each engine outcome, as README.md documents them. Scripts branch
// on these numbers, so a changed mapping is a broken interface.

#include <utility>

#include <gtest/gtest.h>

#include "ExitCode.h"

namespace orbelle::cli {
namespace {

TEST(ExitCode, EveryOutcomeHasItsDocumentedCode) {
  const std::pair<UpgradeOutcome, int> upgrade[] = {
      {UpgradeOutcome::CompletedByLastAck, 0},
      {UpgradeOutcome::CompletedByDone, 0},
      {UpgradeOutcome::Running, 1},
      {UpgradeOutcome::LinkFailed, 3},
      {UpgradeOutcome::FileRefused, 6},
      {UpgradeOutcome::ImageChanged, 6},
      {UpgradeOutcome::ImageUnreadable, 6},
  };
  for (const auto& [outcome, code] : upgrade) {
    EXPECT_EQ(exitCodeFor(outcome), code) << "upgrade outcome " << static_cast<int>(outcome);
  }
  const std::pair<SettingsMessage, int> settings[] = {
      {SettingsMessage::CurrentLoaded, 0},
      {SettingsMessage::UploadConfirmed, 0},
      {SettingsMessage::NoReply, 4},
      {SettingsMessage::UnsetUnit, 5},
  };
  for (const auto& [message, code] : settings) {
    EXPECT_EQ(exitCodeFor(message), code) << "settings outcome " << static_cast<int>(message);
  }
}

}  // namespace
}  // namespace orbelle::cli
