#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "settings/BaseSettings.h"
#include "settings/SettingsChange.h"

namespace orbelle {

// A base unit's settings kept in a file, to be put on other units: the fields of the settings'
// JSON form (settingsToJson) after a "format" and a "version". The versions and the summary
// are there for a reader and are not applied.
inline constexpr std::string_view kSettingsFileFormat = "orbelle-settings";
inline constexpr int kSettingsFileVersion = 1;

// Why a file is refused; key() names the key it concerns ("rs232.parity").
enum class SettingsFileFault { NotSettingsFile, UnknownKey, MissingKey, WrongType, OutOfRange };

class SettingsFileError : public std::invalid_argument {
 public:
  SettingsFileError(SettingsFileFault fault, std::string key, const std::string& text)
      : std::invalid_argument(text), fault_(fault), key_(std::move(key)) {}

  SettingsFileFault fault() const { return fault_; }
  const std::string& key() const { return key_; }

 private:
  SettingsFileFault fault_;
  std::string key_;
};

// The file for a unit's settings in their JSON form (as vkr settings read --json prints them),
// "format" and "version" first.
nlohmann::ordered_json settingsFileJson(const nlohmann::json& settings);

// What a settings file asks of a unit: every setting an upload carries, as a change (a null
// value names none: the unit keeps its own), with the nation it was written for. Every key it
// must have, none it does not know, each of its kind and within its table; throws
// SettingsFileError.
SettingsChange parseSettingsFile(const nlohmann::json& file);

// One setting that differs between two records, by its key in the JSON form and its values
// there (null for a code outside its table).
struct SettingsDifference {
  std::string key;
  nlohmann::json from;
  nlohmann::json to;

  bool operator==(const SettingsDifference&) const = default;
};

// Every setting an upload carries (not the nation, not the versions) that differs from `from`
// in `to`, in the order of the JSON form, both records taken as they are shown (normalised).
std::vector<SettingsDifference> settingsDifferences(const BaseSettings& from,
                                                    const BaseSettings& to);

// "channel: 3 -> 7", "hopping: off -> on", "ids: 1 -> 1,3", "rs232.baud: (none) -> 9600".
std::string differenceText(const SettingsDifference& difference);

}  // namespace orbelle
