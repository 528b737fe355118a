#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "settings/BaseSettings.h"

namespace orbelle {

// Changes an operator asks for on top of the settings last read, as values; each is valid for
// some base unit (the power a position in kPowerLevelList, the codes within their tables).
struct SettingsChange {
  std::optional<std::size_t> powerPosition;
  std::optional<int> channel;
  std::optional<std::uint16_t> associatedIds;
  std::optional<bool> hopping;
  std::optional<std::uint8_t> baudCode;
  std::optional<std::uint8_t> dataBitsCode;
  std::optional<std::uint8_t> stopBitsCode;
  std::optional<std::uint8_t> parityCode;
  std::optional<std::uint8_t> flowControlCode;
  std::optional<std::uint8_t> numericKeyMode;
  // The nation the change was made for (a settings file's): an upload carries no nation, so
  // a unit set for another one refuses it.
  std::optional<std::uint8_t> nation;
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

// A stored value of `field` as the operator reads it ("115200", "odd", "-5"), as the window's
// buttons and lists name it; none for a code outside its table.
std::optional<std::string> fieldValueText(SettingsField field, int value);

// Refuses a channel that no base unit could take, whatever its nation: outside 1 to 128 (1 to
// 64 when hopping is switched on). Throws std::invalid_argument.
void checkChange(const SettingsChange& change);

// Refuses a change made for another nation than the one the unit reports. Throws
// std::invalid_argument.
void checkNation(const SettingsChange& change, std::uint8_t reportedNation);

// Every field that `upload` changes from `before` although `change` does not name it, in
// SettingsField order.
std::vector<FieldAdjustment> unaskedAdjustments(const BaseSettings& before,
                                                const BaseSettings& upload,
                                                const SettingsChange& change);

}  // namespace orbelle
