// The outcomes that no end-to-end run of vkr reaches, with the exit code README.md documents
// for them; the runs check the others.

#include <gtest/gtest.h>

#include "ExitCode.h"

namespace orbelle::cli {
namespace {

TEST(ExitCode, OutcomesNoRunReachesHaveTheirDocumentedCode) {
  EXPECT_EQ(exitCodeFor(UpgradeOutcome::Running), 1);
  EXPECT_EQ(exitCodeFor(UpgradeOutcome::ImageChanged), 6);
  EXPECT_EQ(exitCodeFor(UpgradeOutcome::ImageUnreadable), 6);
}

}  // namespace
}  // namespace orbelle::cli
