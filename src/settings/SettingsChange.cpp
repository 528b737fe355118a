#include "settings/SettingsChange.h"

#include <stdexcept>
#include <string>

#include "settings/SettingsTables.h"

namespace orbelle {

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
