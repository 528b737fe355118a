#include "protocol/FrameTrace.h"

namespace orbelle {

namespace {

void appendHex(std::string& line, std::span<const std::uint8_t> bytes) {
  static constexpr char kHex[] = "0123456789abcdef";
  for (const std::uint8_t b : bytes) {
    line += ' ';
    line += kHex[b >> 4U];
    line += kHex[b & 0x0FU];
  }
}

}  // namespace

std::string formatTraceLine(FrameDirection direction, std::span<const std::uint8_t> bytes) {
  std::string line;
  line.reserve(32 + bytes.size() * 3);
  switch (direction) {
    case FrameDirection::Sent:
      line.append(">");
      break;
    case FrameDirection::Received:
    case FrameDirection::ReceivedBadFcs:
      line.append("<");
      break;
    case FrameDirection::Dropped:
      line.append("x dropped ").append(std::to_string(bytes.size()));
      line.append(bytes.size() == 1 ? " byte:" : " bytes:");
      break;
  }
  appendHex(line, bytes);
  if (direction == FrameDirection::ReceivedBadFcs) {
    line += "  bad FCS";
  }
  return line;
}

}  // namespace orbelle
