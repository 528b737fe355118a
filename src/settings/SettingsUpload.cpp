#include "settings/SettingsUpload.h"

#include <stdexcept>

#include "settings/SettingsCodec.h"
#include "settings/SettingsTables.h"

namespace orbelle {

namespace {

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

std::vector<FieldAdjustment> applyChange(SetBaseUnitModel& model, const SettingsChange& change,
                                         const BaseSettings& before) {
  checkChange(change);
  if (change.hopping && *change.hopping != model.hoppingChecked()) {
    model.toggleHopping(*change.hopping);
  }
  const BaseSettings& shown = model.record();
  const int count = static_cast<int>(model.channelEntries().size());
  if (change.channel) {
    if (*change.channel < 1 || *change.channel > count) {
      throw std::invalid_argument("channel " + std::to_string(*change.channel) + " is outside " +
                                  rangeDescription(shown.nation, shown.hopping, count));
    }
    model.closeChannelList(*change.channel - 1);
  } else if (!model.channelSelection()) {
    throw std::invalid_argument(
        "the base unit reports channel " + std::to_string(shown.channel) + ", outside " +
        rangeDescription(shown.nation, shown.hopping, count) + "; choose a channel");
  }
  if (change.powerDbm) {
    model.closePowerList(static_cast<int>(powerIndex(*change.powerDbm).value_or(0)));
  }
  if (change.associatedIds) {
    for (int id = 1; id <= 16; ++id) {
      const bool wanted = isIdRegistered(*change.associatedIds, id);
      if (wanted != model.idChecked(id)) {
        model.clickIdBox(id, wanted);
      }
    }
  }
  const auto click = [&model](RadioGroup group, std::optional<std::uint8_t> code) {
    if (code) {
      model.clickRadio(group, *code);
    }
  };
  click(RadioGroup::Baud, change.baudCode);
  click(RadioGroup::DataBits, change.dataBitsCode);
  click(RadioGroup::StopBits, change.stopBitsCode);
  click(RadioGroup::Parity, change.parityCode);
  click(RadioGroup::Flow, change.flowControlCode);
  click(RadioGroup::NumericKey, change.numericKeyMode);
  if (!model.uploadEnabled()) {
    // What was named is already shown; an operator who still wants it uploaded closes a list
    // unchanged, which enables the button.
    model.closePowerList(model.powerSelection());
  }
  return adjustments(before, model.uploadValues(), change);
}

}  // namespace orbelle
