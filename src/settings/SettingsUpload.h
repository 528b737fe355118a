#pragma once

#include <optional>
#include <string>

#include "settings/BaseSettings.h"

namespace orbelle {

// Changes an operator asks for on top of the settings last read.
struct SettingsChange {
  std::optional<std::int8_t> powerDbm;
  std::optional<int> channel;
  std::optional<std::uint16_t> associatedIds;
  std::optional<bool> hopping;
  std::optional<std::uint8_t> baudCode;
  std::optional<std::uint8_t> dataBitsCode;
  std::optional<std::uint8_t> stopBitsCode;
  std::optional<std::uint8_t> parityCode;
  std::optional<std::uint8_t> flowControlCode;
  std::optional<std::uint8_t> numericKeyMode;
};

struct PreparedUpload {
  BaseSettings settings;
  // Set when switching hopping on put the channel out of range and it became 6.
  bool channelReset = false;
};

inline constexpr const char* kChannelResetText =
    "The setting of channel number is out of valid range.\nThe old setting will be replaced "
    "with the default setting.";
inline constexpr const char* kChannelResetTitle =
    "VKR - Software Problem/Channel Number Setting Message";

// The settings window's groups keep their selection for a code they have no button for;
// right after opening they select 9600, 8 bits, 1 bit, no parity, no flow control and
// alphabetic keys. This gives the codes such a window uploads for `shown`.
BaseSettings withWindowGroupCodes(BaseSettings shown);

// Applies `change` to `current` as the settings window would, keeping the channel within
// the range of nation and hopping. Throws std::invalid_argument, naming the allowed
// range, for a channel the window could not select.
PreparedUpload prepareUpload(const BaseSettings& current, const SettingsChange& change);

}  // namespace orbelle
