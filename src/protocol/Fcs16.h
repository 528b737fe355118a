#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "protocol/ReportFrame.h"

namespace orbelle {

// FCS-16 of RFC 1662 (CRC-16/X-25): reflected 0x8408, initial 0xFFFF, final complement.
class Fcs16 {
 public:
  static constexpr std::uint16_t kInitial = 0xFFFF;
  // Register value after running over data followed by its own FCS (low byte first).
  static constexpr std::uint16_t kGoodResidue = 0xF0B8;

  // Register update without the final complement; used for the residue check too.
  static std::uint16_t update(std::uint16_t reg, std::span<const std::uint8_t> bytes);

  static std::uint16_t compute(std::span<const std::uint8_t> bytes);

  // Writes the FCS of bytes 1..36 into bytes 37 (low) and 38 (high).
  static void seal(ReportFrame& frame);
};

}  // namespace orbelle
