#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/ReportFrame.h"
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

struct PreparedUpload {
  BaseSettings settings;
  // Set when switching hopping on put the channel out of range and it became 6.
  bool channelReset = false;
  // Every field changed beyond the change asked for, in SettingsField order.
  std::vector<FieldAdjustment> adjusted;
};

// The settings window's groups keep their selection for a code they have no button for;
// right after opening they select 9600, 8 bits, 1 bit, no parity, no flow control and
// alphabetic keys. This gives the codes such a window uploads for `shown`.
BaseSettings withWindowGroupCodes(BaseSettings shown);

// What the window uploads after Return Default Settings: the defaults with the nation last
// reported in `rxFrame`, and the baud rate that its group still shows for `shown` (the
// defaults name none). For a unit that was never set, `shown` is the record as it was.
BaseSettings windowDefaults(const BaseSettings& shown, const ReportFrame& rxFrame);

// Refuses what no base unit could take, whatever its nation and hopping: a power that is not
// offered, a channel outside 1 to 128 (1 to 64 when hopping is switched on). Throws
// std::invalid_argument.
void checkChange(const SettingsChange& change);

// Applies `change` to `current` as the settings window would, keeping the channel within
// the range of nation and hopping. Throws std::invalid_argument, naming the allowed
// range, for a channel the window could not select.
PreparedUpload prepareUpload(const BaseSettings& current, const SettingsChange& change);

}  // namespace orbelle
