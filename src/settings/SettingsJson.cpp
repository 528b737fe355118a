#include "settings/SettingsJson.h"

#include <array>
#include <stdexcept>
#include <string_view>

#include "settings/SettingsCodec.h"
#include "settings/SettingsTables.h"

namespace orbelle {

namespace {

template <typename T, std::size_t N>
nlohmann::json nameOfCode(const std::array<T, N>& names, std::uint8_t code) {
  const std::optional<T> entry = entryFor(names, code);
  return entry ? nlohmann::json(*entry) : nlohmann::json(nullptr);
}

template <typename T, std::size_t N>
std::uint8_t codeOfName(const std::array<T, N>& names, const nlohmann::json& value,
                        const char* field) {
  for (std::size_t i = 0; i < N; ++i) {
    if (value == nlohmann::json(names[i])) {
      return static_cast<std::uint8_t>(i + 1);
    }
  }
  throw std::invalid_argument(std::string("unknown value for ") + field + ": " + value.dump());
}

int intField(const nlohmann::json& value, const char* field, int low, int high) {
  if (!value.is_number_integer() || value.get<int>() < low || value.get<int>() > high) {
    throw std::invalid_argument(std::string(field) + " must be a whole number from " +
                                std::to_string(low) + " to " + std::to_string(high));
  }
  return value.get<int>();
}

std::string textField(const nlohmann::json& value, const char* field) {
  if (!value.is_string()) {
    throw std::invalid_argument(std::string(field) + " must be a text such as \"1.0.3\"");
  }
  return value.get<std::string>();
}

void readRs232(const nlohmann::json& rs232, BaseSettings& s) {
  if (!rs232.is_object()) {
    throw std::invalid_argument("rs232 must be an object");
  }
  if (rs232.contains("baud")) {
    const auto& baud = rs232["baud"];
    if (baud.is_null()) {
      s.baudCode = 0;
    } else {
      const auto code = baud.is_number_integer() ? baudCodeForRate(baud.get<int>()) : std::nullopt;
      if (!code) {
        throw std::invalid_argument("rs232.baud must be null or one of 4800 to 115200");
      }
      s.baudCode = *code;
    }
  }
  if (rs232.contains("data_bits")) {
    s.dataBitsCode = codeOfName(kDataBitsByCode, rs232["data_bits"], "rs232.data_bits");
  }
  if (rs232.contains("stop_bits")) {
    s.stopBitsCode = codeOfName(kStopBitsByCode, rs232["stop_bits"], "rs232.stop_bits");
  }
  if (rs232.contains("parity")) {
    s.parityCode = codeOfName(kParityNames, rs232["parity"], "rs232.parity");
  }
  if (rs232.contains("flow")) {
    s.flowControlCode = codeOfName(kFlowNames, rs232["flow"], "rs232.flow");
  }
}

}  // namespace

VersionChars parseVersionText(const std::string& text) {
  const bool shaped = (text.size() == 5 || text.size() == 6) && text[1] == '.' && text[3] == '.';
  if (!shaped) {
    throw std::invalid_argument("a version reads like 1.0.3 or 1.0.3b, not \"" + text + "\"");
  }
  return {text[0], text[2], text[4], text.size() == 6 ? text[5] : '\0'};
}

const char* settingsFieldKey(SettingsField field) {
  switch (field) {
    case SettingsField::Power:
      return "power_dbm";
    case SettingsField::Channel:
      return "channel";
    case SettingsField::Baud:
      return "rs232.baud";
    case SettingsField::DataBits:
      return "rs232.data_bits";
    case SettingsField::StopBits:
      return "rs232.stop_bits";
    case SettingsField::Parity:
      return "rs232.parity";
    case SettingsField::Flow:
      return "rs232.flow";
    case SettingsField::NumericKey:
      return "numeric_key";
  }
  return "";
}

nlohmann::json settingsFieldValue(SettingsField field, int value) {
  const auto code = static_cast<std::uint8_t>(value);
  switch (field) {
    case SettingsField::Power:
    case SettingsField::Channel:
      return value;
    case SettingsField::Baud: {
      const auto rate = rateForBaudCode(code);
      return rate ? nlohmann::json(*rate) : nlohmann::json(nullptr);
    }
    case SettingsField::DataBits:
      return nameOfCode(kDataBitsByCode, code);
    case SettingsField::StopBits:
      return nameOfCode(kStopBitsByCode, code);
    case SettingsField::Parity:
      return nameOfCode(kParityNames, code);
    case SettingsField::Flow:
      return nameOfCode(kFlowNames, code);
    case SettingsField::NumericKey:
      return nameOfCode(kNumericKeyNames, code);
  }
  return nullptr;
}

nlohmann::json settingsToJson(const BaseSettings& raw) {
  const BaseSettings s = normalised(raw);
  nlohmann::json ids = nlohmann::json::array();
  for (int id = 1; id <= 16; ++id) {
    if (isIdRegistered(s.associatedIds, id)) {
      ids.push_back(id);
    }
  }
  const auto rate = rateForBaudCode(s.baudCode);
  return {
      {"nation", kNationKeys[s.nation]},
      {"hopping", s.hopping},
      {"channel", s.channel},
      {"power_dbm", s.powerDbm},
      {"ids", ids},
      {"rs232",
       {{"baud", rate ? nlohmann::json(*rate) : nlohmann::json(nullptr)},
        {"data_bits", nameOfCode(kDataBitsByCode, s.dataBitsCode)},
        {"stop_bits", nameOfCode(kStopBitsByCode, s.stopBitsCode)},
        {"parity", nameOfCode(kParityNames, s.parityCode)},
        {"flow", nameOfCode(kFlowNames, s.flowControlCode)}}},
      {"numeric_key", nameOfCode(kNumericKeyNames, s.numericKeyMode)},
      {"bootloader_version", versionText(s.bootloaderVersion)},
      {"application_version", versionText(s.applicationVersion)},
  };
}

BaseSettings settingsFromJson(const nlohmann::json& json, BaseSettings base) {
  BaseSettings s = base;
  if (!json.is_object()) {
    throw std::invalid_argument("the settings must be a JSON object");
  }
  if (json.contains("nation")) {
    s.nation = codeOfName(kNationKeys, json["nation"], "nation") - 1;
  }
  if (json.contains("hopping")) {
    if (!json["hopping"].is_boolean()) {
      throw std::invalid_argument("hopping must be true or false");
    }
    s.hopping = json["hopping"].get<bool>();
  }
  if (json.contains("channel")) {
    s.channel = static_cast<std::uint8_t>(intField(json["channel"], "channel", 1, 128));
  }
  if (json.contains("power_dbm")) {
    const int power = intField(json["power_dbm"], "power_dbm", -20, 10);
    if (!powerIndex(static_cast<std::int8_t>(power))) {
      throw std::invalid_argument("power_dbm must be one of " + powerLevelsText());
    }
    s.powerDbm = static_cast<std::int8_t>(power);
  }
  if (json.contains("ids")) {
    if (!json["ids"].is_array()) {
      throw std::invalid_argument("ids must be an array of IDs from 1 to 16");
    }
    s.associatedIds = 0;
    for (const auto& id : json["ids"]) {
      s.associatedIds |= static_cast<std::uint16_t>(1U << (intField(id, "an ID", 1, 16) - 1));
    }
  }
  if (json.contains("rs232")) {
    readRs232(json["rs232"], s);
  }
  if (json.contains("numeric_key")) {
    s.numericKeyMode = codeOfName(kNumericKeyNames, json["numeric_key"], "numeric_key");
  }
  if (json.contains("bootloader_version")) {
    s.bootloaderVersion =
        parseVersionText(textField(json["bootloader_version"], "bootloader_version"));
  }
  if (json.contains("application_version")) {
    s.applicationVersion =
        parseVersionText(textField(json["application_version"], "application_version"));
  }
  return s;
}

}  // namespace orbelle
