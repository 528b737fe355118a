#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "skin/BitmapRegion.h"

namespace orbelle {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t O = 0x000000;    // opaque
constexpr std::uint32_t T = 0xFFFFFFFF;  // white with an alpha byte: still transparent
using Rects = std::vector<RegionRect>;

std::optional<RegionRects> scan(int width, int height, const std::vector<std::uint32_t>& px,
                                std::size_t stride = 0) {
  return bitmapRegion(PixelRows{width, height, px, stride == 0 ? std::size_t(width) : stride},
                      kWhite);
}

// An all-white shape (no region) and one bit off white (opaque) are drawn and clicked in
// SkinButtonFixture.TheShapeLimitsDrawingAndClicks.
TEST(BitmapRegion, NoBitmapIsNoneAndTooFewPixelsAreRefused) {
  EXPECT_FALSE(bitmapRegion(std::nullopt, kWhite));
  EXPECT_THROW(scan(3, 2, {O, O, O}), std::invalid_argument);
}

TEST(BitmapRegion, RunsEndAtTransparentPixelsAndAtTheRowsEnd) {
  // The fourth value of each row is padding beyond the width and must be ignored.
  const std::vector<std::uint32_t> px{
      O, T, O, O,  // y 0: opaque, transparent, opaque
      T, T, O, O,  // y 1: a single pixel in the last column
      O, O, T, O,  // y 2: a run stopped by a transparent last column
  };
  EXPECT_EQ(scan(3, 3, px, 4)->rects(),
            (Rects{{0, 2, 2, 3}, {2, 1, 3, 2}, {0, 0, 1, 1}, {2, 0, 3, 1}}));

  std::vector<std::uint32_t> row(81, T);
  for (std::size_t x = 0; x < row.size(); x += 2) {
    row[x] = O;
  }
  const auto region = scan(81, 1, row);
  ASSERT_EQ(region->rects().size(), 41U);
  EXPECT_EQ(region->rects().back(), (RegionRect{80, 0, 81, 1}));
}

}  // namespace
}  // namespace orbelle
