#include "settings/SettingsTables.h"

namespace orbelle {

int channelCount(std::uint8_t nation, bool hopping) {
  int withoutHopping = 16;
  if (nation == static_cast<std::uint8_t>(Nation::China)) {
    withoutHopping = 36;
  } else if (nation == static_cast<std::uint8_t>(Nation::Turkey)) {
    withoutHopping = 128;
  }
  return hopping ? withoutHopping / 2 : withoutHopping;
}

std::optional<std::size_t> powerIndex(int powerDbm) {
  for (std::size_t i = 0; i < kPowerLevelList.size(); ++i) {
    if (kPowerLevelList[i] == powerDbm) {
      return i;
    }
  }
  return std::nullopt;
}

std::string powerLevelsText(std::string_view lastSeparator) {
  std::string text;
  for (std::size_t i = 0; i < kPowerLevelList.size(); ++i) {
    if (i > 0) {
      text += i + 1 == kPowerLevelList.size() ? lastSeparator : ", ";
    }
    text += std::to_string(kPowerLevelList[i]);
  }
  return text;
}

std::optional<std::uint8_t> baudCodeForRate(std::int32_t rate) {
  for (std::size_t i = 0; i < kBaseBaudRates.size(); ++i) {
    if (kBaseBaudRates[i] == rate) {
      return static_cast<std::uint8_t>(i + 1);
    }
  }
  return std::nullopt;
}

std::optional<std::int32_t> rateForBaudCode(std::uint8_t baudCode) {
  if (baudCode < 1 || baudCode > kBaseBaudRates.size()) {
    return std::nullopt;
  }
  return kBaseBaudRates[baudCode - 1U];
}

}  // namespace orbelle
