#include <stdlib.h>

#include <chrono>

#include <gtest/gtest.h>

#include "upgrade/FinishNotice.h"

namespace orbelle {
namespace {

using std::chrono::seconds;

TEST(FinishNotice, OnlyALongTransferEndingBehindTheOperatorsBackAfterTheChosenTime) {
  // A transfer ending behind the operator's back after a threshold of 0 is announced in
  // UpgradeWindowTest's desktop test; here the edges.
  EXPECT_FALSE(shouldNotifyFinish(seconds(61), true, seconds(60)));
  EXPECT_FALSE(shouldNotifyFinish(seconds(60), false, seconds(60)));

#ifndef _WIN32  // setenv is POSIX's; Windows cannot even set a variable to ""
  // The threshold comes from the environment and falls back on nonsense.
  ::unsetenv("ORBELLE_NOTIFY_AFTER");
  EXPECT_EQ(notifyAfterFromEnvironment(), seconds(60));
  for (const char* good : {"0", "90", "3600"}) {
    ::setenv("ORBELLE_NOTIFY_AFTER", good, 1);
    EXPECT_EQ(notifyAfterFromEnvironment(), seconds(std::atoi(good))) << good;
  }
  for (const char* bad : {"", "-5", "ten", "10s", " 10", "1e3", "99999999999999999999"}) {
    ::setenv("ORBELLE_NOTIFY_AFTER", bad, 1);
    EXPECT_EQ(notifyAfterFromEnvironment(), kDefaultNotifyAfter) << '"' << bad << '"';
  }
  ::unsetenv("ORBELLE_NOTIFY_AFTER");
#endif
}

}  // namespace
}  // namespace orbelle
