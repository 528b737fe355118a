#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/BaseSettings.h"
#include "settings/SetBaseUnitModel.h"

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

// The uploaded fields that the window's rules may change on their own.
enum class SettingsField { Power, Channel, Baud, DataBits, StopBits, Parity, Flow, NumericKey };

// A field the upload changes although nobody asked for it; values as stored in the record
// (codes for the serial groups, dBm for the power).
struct FieldAdjustment {
  SettingsField field;
  int from;
  int to;

  bool operator==(const FieldAdjustment&) const = default;
};

// Refuses what no base unit could take, whatever its nation and hopping: a power that is not
// offered, a channel outside 1 to 128 (1 to 64 when hopping is switched on). Throws
// std::invalid_argument.
void checkChange(const SettingsChange& change);

// Works the window's controls that `change` names, as an operator would: the hopping box
// first, since it narrows the channel list, then the channel and power lists, the ID boxes and
// the radio buttons, leaving the Upload button enabled. Returns every field that the upload
// will change from `before` although `change` does not name it, in SettingsField order.
// Throws std::invalid_argument, naming the allowed range, for a channel the list does not
// offer, or when the list shows no channel and `change` names none.
std::vector<FieldAdjustment> applyChange(SetBaseUnitModel& model, const SettingsChange& change,
                                         const BaseSettings& before);

}  // namespace orbelle
