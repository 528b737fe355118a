#include "protocol/Fcs16.h"

#include "protocol/ByteOrder.h"

namespace orbelle {

namespace {

constexpr std::array<std::uint16_t, 256> buildTable() {
  std::array<std::uint16_t, 256> table{};
  for (unsigned n = 0; n < 256; ++n) {
    unsigned value = n;
    for (int step = 0; step < 8; ++step) {
      value = (value & 1U) != 0 ? (value >> 1U) ^ 0x8408U : value >> 1U;
    }
    table[n] = static_cast<std::uint16_t>(value);
  }
  return table;
}

constexpr std::array<std::uint16_t, 256> kTable = buildTable();

}  // namespace

std::uint16_t Fcs16::update(std::uint16_t reg, std::span<const std::uint8_t> bytes) {
  for (const std::uint8_t b : bytes) {
    reg = static_cast<std::uint16_t>((reg >> 8U) ^ kTable[(reg ^ b) & 0xFFU]);
  }
  return reg;
}

std::uint16_t Fcs16::compute(std::span<const std::uint8_t> bytes) {
  return static_cast<std::uint16_t>(update(kInitial, bytes) ^ 0xFFFFU);
}

void Fcs16::seal(ReportFrame& frame) {
  const std::span<const std::uint8_t> covered(frame.data() + frame_pos::kFcsCoveredFirst,
                                              frame_pos::kFcsCoveredLength);
  writeLe16(frame, frame_pos::kFcsLow, compute(covered));
}

}  // namespace orbelle
