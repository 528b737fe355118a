#include "settings/SettingsFile.h"

#include <algorithm>
#include <array>
#include <initializer_list>

#include "settings/SettingsCodec.h"
#include "settings/SettingsJson.h"
#include "settings/SettingsTables.h"

namespace orbelle {

namespace {

// The keys a file holds beside the settings, for a reader only.
constexpr std::array<std::string_view, 3> kReaderKeys{"bootloader_version", "application_version",
                                                      "summary"};
constexpr std::array<std::string_view, 5> kRs232Keys{"baud", "data_bits", "stop_bits", "parity",
                                                     "flow"};
constexpr std::array<std::string_view, 9> kFileKeys{"format",  "version", "nation",
                                                    "hopping", "channel", "power_dbm",
                                                    "ids",     "rs232",   "numeric_key"};

[[noreturn]] void refuse(SettingsFileFault fault, const std::string& key, const std::string& text) {
  throw SettingsFileError(fault, key, text);
}

std::string shown(const nlohmann::json& value) {
  return value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

[[noreturn]] void wrongType(const std::string& key, const char* kind, const nlohmann::json& value) {
  refuse(SettingsFileFault::WrongType, key, key + " must be " + kind + ", not " + shown(value));
}

[[noreturn]] void notInTable(const std::string& key, const nlohmann::json& value,
                             const std::string& table) {
  refuse(SettingsFileFault::OutOfRange, key, key + " is " + shown(value) + ", not one of " + table);
}

template <std::size_t N>
void checkKeys(const nlohmann::json& object, const std::array<std::string_view, N>& keys,
               const std::string& prefix, bool readerKeys) {
  for (const auto& item : object.items()) {
    const std::string& key = item.key();
    const bool known =
        std::find(keys.begin(), keys.end(), key) != keys.end() ||
        (readerKeys && std::find(kReaderKeys.begin(), kReaderKeys.end(), key) != kReaderKeys.end());
    if (!known) {
      refuse(SettingsFileFault::UnknownKey, prefix + key, "unknown key \"" + prefix + key + "\"");
    }
  }
  for (const std::string_view key : keys) {
    if (!object.contains(key)) {
      const std::string name = prefix + std::string(key);
      refuse(SettingsFileFault::MissingKey, name, "missing key \"" + name + "\"");
    }
  }
}

int wholeNumber(const nlohmann::json& value, const std::string& key) {
  if (!value.is_number_integer()) {
    wrongType(key, "a whole number", value);
  }
  return value.get<int>();
}

template <typename T, std::size_t N>
std::string listed(const std::array<T, N>& table) {
  std::string text;
  for (const T& entry : table) {
    if (!text.empty()) {
      text += ", ";
    }
    if constexpr (std::is_same_v<T, std::string_view>) {
      text += entry;
    } else {
      text += std::to_string(entry);
    }
  }
  return text;
}

// A code of one of the settings tables; none for null (the unit keeps its own).
template <typename T, std::size_t N>
std::optional<std::uint8_t> tableCode(const nlohmann::json& value, const std::array<T, N>& table,
                                      const std::string& key) {
  if (value.is_null()) {
    return std::nullopt;
  }
  std::optional<std::uint8_t> code;
  if constexpr (std::is_same_v<T, std::string_view>) {
    if (!value.is_string()) {
      wrongType(key, "a text or null", value);
    }
    code = codeIn(table, std::string_view(value.get_ref<const std::string&>()));
  } else {
    if (!value.is_number_integer()) {
      wrongType(key, "a whole number or null", value);
    }
    code = codeIn(table, value.get<T>());
  }
  if (!code) {
    notInTable(key, value, listed(table));
  }
  return code;
}

void readFormat(const nlohmann::json& file) {
  if (!file.contains("format")) {
    refuse(SettingsFileFault::NotSettingsFile, "format",
           "not a settings file of orbelle: it has no \"format\"");
  }
  if (file["format"] != kSettingsFileFormat) {
    refuse(SettingsFileFault::NotSettingsFile, "format",
           "not a settings file of orbelle: its format is " + shown(file["format"]));
  }
  if (!file.contains("version")) {
    refuse(SettingsFileFault::MissingKey, "version", "missing key \"version\"");
  }
  if (wholeNumber(file["version"], "version") != kSettingsFileVersion) {
    notInTable("version", file["version"], std::to_string(kSettingsFileVersion));
  }
}

void readRadio(const nlohmann::json& file, SettingsChange& change) {
  if (!file["hopping"].is_boolean()) {
    wrongType("hopping", "true or false", file["hopping"]);
  }
  change.hopping = file["hopping"].get<bool>();
  const int channel = wholeNumber(file["channel"], "channel");
  // The unit's nation narrows this further once it has been read.
  const int widest = channelCount(static_cast<std::uint8_t>(Nation::Turkey), *change.hopping);
  if (channel < 1 || channel > widest) {
    refuse(SettingsFileFault::OutOfRange, "channel",
           "channel is " + std::to_string(channel) + ", outside 1 to " + std::to_string(widest));
  }
  change.channel = channel;
  const int power = wholeNumber(file["power_dbm"], "power_dbm");
  change.powerPosition = powerIndex(power);
  if (!change.powerPosition) {
    notInTable("power_dbm", file["power_dbm"], powerLevelsText());
  }
  const nlohmann::json& ids = file["ids"];
  if (!ids.is_array()) {
    wrongType("ids", "a list of IDs", ids);
  }
  change.associatedIds = 0;
  for (const nlohmann::json& id : ids) {
    const int number = wholeNumber(id, "ids");
    if (number < 1 || number > 16) {
      refuse(SettingsFileFault::OutOfRange, "ids",
             "ids holds " + std::to_string(number) + ", outside 1 to 16");
    }
    *change.associatedIds =
        static_cast<std::uint16_t>(*change.associatedIds | (1U << (number - 1)));
  }
}

void readRs232(const nlohmann::json& rs232, SettingsChange& change) {
  if (!rs232.is_object()) {
    wrongType("rs232", "an object", rs232);
  }
  checkKeys(rs232, kRs232Keys, "rs232.", false);
  change.baudCode = tableCode(rs232["baud"], kBaseBaudRates, "rs232.baud");
  change.dataBitsCode = tableCode(rs232["data_bits"], kDataBitsByCode, "rs232.data_bits");
  change.stopBitsCode = tableCode(rs232["stop_bits"], kStopBitsByCode, "rs232.stop_bits");
  change.parityCode = tableCode(rs232["parity"], kParityNames, "rs232.parity");
  change.flowControlCode = tableCode(rs232["flow"], kFlowNames, "rs232.flow");
}

// How a value of the JSON form reads in a difference.
std::string valueText(const nlohmann::json& value) {
  if (value.is_null()) {
    return "(none)";
  }
  if (value.is_boolean()) {
    return value.get<bool>() ? "on" : "off";
  }
  if (value.is_string()) {
    return value.get<std::string>();
  }
  if (value.is_array()) {
    std::string text;
    for (const nlohmann::json& item : value) {
      if (!text.empty()) {
        text += ',';
      }
      text += valueText(item);
    }
    return text.empty() ? "none" : text;
  }
  return shown(value);
}

}  // namespace

nlohmann::ordered_json settingsFileJson(const nlohmann::json& settings) {
  nlohmann::ordered_json file{{"format", kSettingsFileFormat}, {"version", kSettingsFileVersion}};
  for (const auto& item : settings.items()) {
    file[item.key()] = item.value();
  }
  return file;
}

SettingsChange parseSettingsFile(const nlohmann::json& file) {
  if (!file.is_object()) {
    refuse(SettingsFileFault::NotSettingsFile, "",
           "not a settings file of orbelle: it holds no JSON object");
  }
  readFormat(file);
  checkKeys(file, kFileKeys, "", true);
  SettingsChange change;
  const nlohmann::json& nation = file["nation"];
  if (!nation.is_string()) {
    wrongType("nation", "a text", nation);
  }
  const auto nationCode =
      codeIn(kNationKeys, std::string_view(nation.get_ref<const std::string&>()));
  if (!nationCode) {
    notInTable("nation", nation, listed(kNationKeys));
  }
  change.nation = static_cast<std::uint8_t>(*nationCode - 1);
  readRadio(file, change);
  readRs232(file["rs232"], change);
  change.numericKeyMode = tableCode(file["numeric_key"], kNumericKeyNames, "numeric_key");
  return change;
}

std::vector<SettingsDifference> settingsDifferences(const BaseSettings& from,
                                                    const BaseSettings& to) {
  const nlohmann::json before = settingsToJson(from);
  const nlohmann::json after = settingsToJson(to);
  std::vector<SettingsDifference> found;
  const auto compare = [&found](const std::string& key, const nlohmann::json& a,
                                const nlohmann::json& b) {
    if (a != b) {
      found.push_back({key, a, b});
    }
  };
  for (const char* key : {"hopping", "channel", "power_dbm", "ids"}) {
    compare(key, before[key], after[key]);
  }
  for (const std::string_view key : kRs232Keys) {
    compare("rs232." + std::string(key), before["rs232"][key], after["rs232"][key]);
  }
  compare("numeric_key", before["numeric_key"], after["numeric_key"]);
  return found;
}

std::string differenceText(const SettingsDifference& difference) {
  return difference.key + ": " + valueText(difference.from) + " -> " + valueText(difference.to);
}

}  // namespace orbelle
