#pragma once

#include <cstdint>

namespace orbelle {

// Command (PC to base unit) and reply (base unit to PC) codes, frame byte 1.
enum class CommandCode : std::uint8_t {
  UploadSettings = 0xF1,
  SettingsUploaded = 0xF2,
  ReadSettings = 0xF3,
  CurrentSettings = 0xF4,

  BaseUpgradeStart = 0x5A,
  BaseUpgradeStartAck = 0x5D,
  BaseUpgradeBlock = 0x55,
  BaseUpgradeBlockAck = 0x56,
  BaseUpgradeBlockRetry = 0x54,
  BaseUpgradeHandshake = 0x5B,
  BaseUpgradeHandshakeReply = 0x5C,
  BaseUpgradeDone = 0x5F,

  HandheldUpgradeStart = 0x3A,
  HandheldUpgradeStartAck = 0x3B,
  HandheldUpgradeBlock = 0x35,
  HandheldUpgradeBlockAck = 0x3C,
  HandheldUpgradeBlockRetry = 0x30,
  HandheldUpgradeDone = 0x3F,
};

constexpr std::uint8_t codeByte(CommandCode code) { return static_cast<std::uint8_t>(code); }

}  // namespace orbelle
