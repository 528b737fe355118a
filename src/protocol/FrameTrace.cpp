#include "protocol/FrameTrace.h"

namespace orbelle {

std::string formatTraceLine(FrameDirection direction, std::span<const std::uint8_t> bytes) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string line(1, direction == FrameDirection::Sent ? '>' : '<');
  line.reserve(1 + bytes.size() * 3);
  for (const std::uint8_t b : bytes) {
    line += ' ';
    line += kHex[b >> 4U];
    line += kHex[b & 0x0FU];
  }
  return line;
}

}  // namespace orbelle
