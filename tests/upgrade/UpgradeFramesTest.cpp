#include <gtest/gtest.h>

#include "upgrade/UpgradeFrames.h"

namespace orbelle {
namespace {

TEST(UpgradeFrames, AddressesReachTheLastPage) {
  EXPECT_EQ(blockAddress(256), (BlockAddress{1, 0}));
  EXPECT_EQ(blockAddress(70'000), (BlockAddress{273, 3}));
  EXPECT_EQ(blockAddress(kMaxImageLength - 1), (BlockAddress{65535, 7}));
}

}  // namespace
}  // namespace orbelle
