// Exit codes that no end-to-end run reaches; the others are checked on vkr's real runs.

#include <gtest/gtest.h>

#include "ExitCode.h"

namespace orbelle::cli {
namespace {

TEST(ExitCode, OutcomesNoRunReachesHaveTheirDocumentedCodes) {
  EXPECT_EQ(exitCodeFor(UpgradeOutcome::Running), 1);
  EXPECT_EQ(exitCodeFor(UpgradeOutcome::ImageChanged), 6);
  EXPECT_EQ(exitCodeFor(UpgradeOutcome::ImageUnreadable), 6);
}

}  // namespace
}  // namespace orbelle::cli
