#include <string_view>

#include <gtest/gtest.h>

#include "protocol/Fcs16.h"
#include "protocol/ReportFrame.h"

namespace orbelle {
namespace {

std::span<const std::uint8_t> asBytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::uint16_t residueOverWire(const ReportFrame& frame) {
  return Fcs16::update(Fcs16::kInitial, std::span<const std::uint8_t>(frame.data() + 1, 38));
}

TEST(Fcs16, MatchesTheCatalogueAndItsResidueBreaksOnAnySingleBitFlip) {
  EXPECT_EQ(Fcs16::compute(asBytes("123456789")), 0x906E);
  EXPECT_EQ(Fcs16::compute({}), 0x0000);
  ReportFrame frame{};
  for (std::size_t i = 1; i <= 36; ++i) {
    frame[i] = static_cast<std::uint8_t>(i * 37 + 11);
  }
  Fcs16::seal(frame);
  ASSERT_EQ(residueOverWire(frame), Fcs16::kGoodResidue);
  for (std::size_t byte = 1; byte <= 38; ++byte) {
    for (unsigned bit = 0; bit < 8; ++bit) {
      ReportFrame flipped = frame;
      flipped[byte] ^= static_cast<std::uint8_t>(1U << bit);
      EXPECT_NE(residueOverWire(flipped), Fcs16::kGoodResidue) << "byte " << byte << " bit " << bit;
    }
  }
}

}  // namespace
}  // namespace orbelle
