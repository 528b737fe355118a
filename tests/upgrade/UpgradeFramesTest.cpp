#include <vector>

#include <gtest/gtest.h>

#include "upgrade/UpgradeFrames.h"

namespace orbelle {
namespace {

TEST(UpgradeFrames, AddressesReachTheLastPageAndBlocksStayWithin32Bytes) {
  EXPECT_EQ(blockAddress(256), (BlockAddress{1, 0}));
  EXPECT_EQ(blockAddress(70'000), (BlockAddress{273, 3}));
  EXPECT_EQ(blockAddress(kMaxImageLength - 1), (BlockAddress{65535, 7}));
  ReportFrame frame{};
  const std::vector<std::uint8_t> tooMany(33, 1);
  EXPECT_THROW(writeBlockPayload(frame, 0, tooMany), std::length_error);
}

}  // namespace
}  // namespace orbelle
