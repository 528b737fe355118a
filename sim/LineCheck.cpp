#include "LineCheck.h"

#include "protocol/CommandCode.h"

namespace orbelle::sim {

namespace {

constexpr int kStartFrameRate = 9600;
// Wire positions (frame byte less one): the code, and a start frame's baud code.
constexpr std::size_t kCodeAt = 0;
constexpr std::size_t kBaudCodeAt = 5;

bool isStart(std::uint8_t code) {
  return code == codeByte(CommandCode::BaseUpgradeStart) ||
         code == codeByte(CommandCode::HandheldUpgradeStart);
}

bool isBlockPhase(std::uint8_t code) {
  return code == codeByte(CommandCode::BaseUpgradeBlock) ||
         code == codeByte(CommandCode::HandheldUpgradeBlock) ||
         code == codeByte(CommandCode::BaseUpgradeHandshakeReply);
}

}  // namespace

std::optional<int> rateOfBaudCode(std::uint8_t code) {
  constexpr int kRates[] = {9600, 19200, 38400, 57600, 115200};
  if (code < '1' || code > '5') {
    return std::nullopt;
  }
  return kRates[code - '1'];
}

std::optional<std::string> LineCheck::refusal(std::span<const std::uint8_t, kWireFrameSize> wire,
                                              int portRate) {
  const std::uint8_t code = wire[kCodeAt];
  int listening = lineRate_;
  if (isStart(code)) {
    listening = kStartFrameRate;
  } else if (isBlockPhase(code)) {
    listening = blockRate_.value_or(lineRate_);
  }
  if (portRate != listening) {
    return "frame heard as noise: the port is at " + std::to_string(portRate) +
           " baud and the unit listens at " + std::to_string(listening);
  }
  if (isStart(code)) {
    blockRate_ = rateOfBaudCode(wire[kBaudCodeAt]).value_or(lineRate_);
  }
  return std::nullopt;
}

}  // namespace orbelle::sim
