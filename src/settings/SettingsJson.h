#pragma once

#include <nlohmann/json.hpp>

#include "settings/BaseSettings.h"
#include "settings/SettingsChange.h"

namespace orbelle {

// The settings record as JSON: nation ("europe", "china", "turkey"), hopping, channel,
// power_dbm, ids (registered IDs, ascending), rs232 {baud, data_bits, stop_bits, parity,
// flow}, numeric_key, bootloader_version, application_version. A code outside its table
// is written as null. The record is shown as the settings window shows it (normalised).
nlohmann::json settingsToJson(const BaseSettings& raw);

// The reverse, for files that describe a base unit. Missing fields keep the values of
// `base`; a value of the wrong kind or outside its table throws std::invalid_argument.
BaseSettings settingsFromJson(const nlohmann::json& json, BaseSettings base);

// A field's name in settingsToJson ("power_dbm", "rs232.parity", ...), and one of its stored
// values as settingsToJson writes it (null for a code outside its table).
const char* settingsFieldKey(SettingsField field);
nlohmann::json settingsFieldValue(SettingsField field, int value);

// "1.0.3" or "1.0.3b" back to the four characters; throws std::invalid_argument.
VersionChars parseVersionText(const std::string& text);

}  // namespace orbelle
