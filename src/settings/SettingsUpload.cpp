#include "settings/SettingsUpload.h"

#include <stdexcept>

#include "settings/SettingsCodec.h"
#include "settings/SettingsTables.h"

namespace orbelle {

namespace {

constexpr int kResetChannel = 6;

std::uint8_t keepIfKnown(std::uint8_t code, std::size_t highest, std::uint8_t fallback) {
  return code >= 1 && code <= highest ? code : fallback;
}

std::string rangeDescription(std::uint8_t nation, bool hopping, int count) {
  const std::size_t index = nation < kNationNames.size() ? nation : 0;
  return "1 to " + std::to_string(count) + " for " + std::string(kNationNames[index]) +
         (hopping ? " with hopping" : " without hopping");
}

// Fields the rules changed although `change` does not name them.
std::vector<FieldAdjustment> adjustments(const BaseSettings& before, const BaseSettings& after,
                                         const SettingsChange& change) {
  std::vector<FieldAdjustment> found;
  const auto note = [&found](SettingsField field, bool asked, int from, int to) {
    if (!asked && from != to) {
      found.push_back({field, from, to});
    }
  };
  note(SettingsField::Power, change.powerDbm.has_value(), before.powerDbm, after.powerDbm);
  note(SettingsField::Channel, change.channel.has_value(), before.channel, after.channel);
  note(SettingsField::Baud, change.baudCode.has_value(), before.baudCode, after.baudCode);
  note(SettingsField::DataBits, change.dataBitsCode.has_value(), before.dataBitsCode,
       after.dataBitsCode);
  note(SettingsField::StopBits, change.stopBitsCode.has_value(), before.stopBitsCode,
       after.stopBitsCode);
  note(SettingsField::Parity, change.parityCode.has_value(), before.parityCode, after.parityCode);
  note(SettingsField::Flow, change.flowControlCode.has_value(), before.flowControlCode,
       after.flowControlCode);
  note(SettingsField::NumericKey, change.numericKeyMode.has_value(), before.numericKeyMode,
       after.numericKeyMode);
  return found;
}

}  // namespace

BaseSettings windowDefaults(const BaseSettings& shown, const ReportFrame& rxFrame) {
  BaseSettings defaults = normalised(defaultSettings(shown, nationOf(rxFrame)));
  defaults.baudCode = withWindowGroupCodes(shown).baudCode;
  return defaults;
}

void checkChange(const SettingsChange& change) {
  if (change.powerDbm && !powerIndex(*change.powerDbm)) {
    throw std::invalid_argument("power must be one of 10, 7, 5, 0, -5, -10, -15, -20 dBm");
  }
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

BaseSettings withWindowGroupCodes(BaseSettings shown) {
  shown.baudCode = keepIfKnown(shown.baudCode, kBaseBaudRates.size(), 2);
  shown.dataBitsCode = keepIfKnown(shown.dataBitsCode, kDataBitsByCode.size(), 2);
  shown.stopBitsCode = keepIfKnown(shown.stopBitsCode, kStopBitsByCode.size(), 1);
  shown.parityCode = keepIfKnown(shown.parityCode, kParityNames.size(), 1);
  shown.flowControlCode = keepIfKnown(shown.flowControlCode, kFlowNames.size(), 1);
  shown.numericKeyMode = keepIfKnown(shown.numericKeyMode, kNumericKeyNames.size(), 1);
  return shown;
}

PreparedUpload prepareUpload(const BaseSettings& current, const SettingsChange& change) {
  checkChange(change);
  PreparedUpload prepared{withWindowGroupCodes(normalised(current)), false, {}};
  BaseSettings& s = prepared.settings;
  const bool hoppingSwitchedOn = change.hopping.value_or(s.hopping) && !s.hopping;
  if (change.hopping) {
    s.hopping = *change.hopping;
  }
  const int count = channelCount(s.nation, s.hopping);
  if (change.channel) {
    if (*change.channel < 1 || *change.channel > count) {
      throw std::invalid_argument("channel " + std::to_string(*change.channel) + " is outside " +
                                  rangeDescription(s.nation, s.hopping, count));
    }
    s.channel = static_cast<std::uint8_t>(*change.channel);
  } else if (hoppingSwitchedOn && s.channel > count) {
    s.channel = kResetChannel;
    prepared.channelReset = true;
  } else if (s.channel < 1 || s.channel > count) {
    throw std::invalid_argument("the base unit reports channel " + std::to_string(s.channel) +
                                ", outside " + rangeDescription(s.nation, s.hopping, count) +
                                "; choose a channel");
  }
  s.powerDbm = change.powerDbm.value_or(s.powerDbm);
  s.associatedIds = change.associatedIds.value_or(s.associatedIds);
  s.baudCode = change.baudCode.value_or(s.baudCode);
  s.dataBitsCode = change.dataBitsCode.value_or(s.dataBitsCode);
  s.stopBitsCode = change.stopBitsCode.value_or(s.stopBitsCode);
  s.parityCode = change.parityCode.value_or(s.parityCode);
  s.flowControlCode = change.flowControlCode.value_or(s.flowControlCode);
  s.numericKeyMode = change.numericKeyMode.value_or(s.numericKeyMode);
  prepared.adjusted = adjustments(current, s, change);
  return prepared;
}

}  // namespace orbelle
