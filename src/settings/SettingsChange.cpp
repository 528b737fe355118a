#include "settings/SettingsChange.h"

#include <stdexcept>
#include <string>
#include <type_traits>

#include "settings/SettingsTables.h"

namespace orbelle {

namespace {

template <typename T, std::size_t N>
std::optional<std::string> nameOf(const std::array<T, N>& table, int code) {
  const std::optional<T> entry = entryFor(table, static_cast<std::uint8_t>(code));
  if (!entry) {
    return std::nullopt;
  }
  if constexpr (std::is_same_v<T, std::string_view>) {
    return std::string(*entry);
  } else {
    return std::to_string(*entry);
  }
}

}  // namespace

std::optional<std::string> fieldValueText(SettingsField field, int value) {
  switch (field) {
    case SettingsField::Power:
    case SettingsField::Channel:
      return std::to_string(value);
    case SettingsField::Baud: {
      const auto rate = rateForBaudCode(static_cast<std::uint8_t>(value));
      return rate ? std::optional(std::to_string(*rate)) : std::nullopt;
    }
    case SettingsField::DataBits:
      return nameOf(kDataBitsByCode, value);
    case SettingsField::StopBits:
      return nameOf(kStopBitsByCode, value);
    case SettingsField::Parity:
      return nameOf(kParityNames, value);
    case SettingsField::Flow:
      return nameOf(kFlowNames, value);
    case SettingsField::NumericKey:
      return nameOf(kNumericKeyNames, value);
  }
  return std::nullopt;
}

void checkChange(const SettingsChange& change) {
  if (change.channel) {
    const bool hopping = change.hopping.value_or(false);
    const int widest = channelCount(static_cast<std::uint8_t>(Nation::Turkey), hopping);
    if (*change.channel < 1 || *change.channel > widest) {
      throw std::invalid_argument("channel " + std::to_string(*change.channel) +
                                  " is outside 1 to " + std::to_string(widest) +
                                  ", the widest range of any nation" +
                                  (hopping ? " with hopping" : ""));
    }
  }
}

void checkNation(const SettingsChange& change, std::uint8_t reportedNation) {
  if (change.nation && *change.nation != reportedNation) {
    const auto name = [](std::uint8_t nation) {
      return std::string(nation < kNationKeys.size() ? kNationKeys.at(nation) : "unknown");
    };
    throw std::invalid_argument("nation " + name(*change.nation) + " is not the base unit's (" +
                                name(reportedNation) + "): an upload cannot change the nation");
  }
}

std::vector<FieldAdjustment> unaskedAdjustments(const BaseSettings& before,
                                                const BaseSettings& upload,
                                                const SettingsChange& change) {
  std::vector<FieldAdjustment> found;
  const auto note = [&found](SettingsField field, bool asked, int from, int to) {
    if (!asked && from != to) {
      found.push_back({field, from, to});
    }
  };
  note(SettingsField::Power, change.powerPosition.has_value(), before.powerDbm, upload.powerDbm);
  note(SettingsField::Channel, change.channel.has_value(), before.channel, upload.channel);
  note(SettingsField::Baud, change.baudCode.has_value(), before.baudCode, upload.baudCode);
  note(SettingsField::DataBits, change.dataBitsCode.has_value(), before.dataBitsCode,
       upload.dataBitsCode);
  note(SettingsField::StopBits, change.stopBitsCode.has_value(), before.stopBitsCode,
       upload.stopBitsCode);
  note(SettingsField::Parity, change.parityCode.has_value(), before.parityCode, upload.parityCode);
  note(SettingsField::Flow, change.flowControlCode.has_value(), before.flowControlCode,
       upload.flowControlCode);
  note(SettingsField::NumericKey, change.numericKeyMode.has_value(), before.numericKeyMode,
       upload.numericKeyMode);
  return found;
}

}  // namespace orbelle
