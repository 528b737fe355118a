#include "upgrade/UpgradeRecord.h"

#include <stdexcept>

#include "upgrade/UpgradeHistory.h"

namespace orbelle {

namespace {

template <typename T>
nlohmann::json orNull(const std::optional<T>& value) {
  return value ? nlohmann::json(*value) : nlohmann::json(nullptr);
}

const nlohmann::json& field(const nlohmann::json& json, const char* key) {
  if (!json.is_object() || !json.contains(key)) {
    throw std::invalid_argument(std::string("no ") + key);
  }
  return json[key];
}

std::string text(const nlohmann::json& json, const char* key) {
  const nlohmann::json& value = field(json, key);
  if (!value.is_string()) {
    throw std::invalid_argument(std::string(key) + " is not a text");
  }
  return value.get<std::string>();
}

// Fields a record may lack (an earlier program's) come back empty.
template <typename T>
T optionalField(const nlohmann::json& json, const char* key, T fallback) {
  if (!json.contains(key) || json[key].is_null()) {
    return fallback;
  }
  return json[key].get<T>();
}

std::optional<UnitVersions> versionsFrom(const nlohmann::json& json, const char* key) {
  if (!json.contains(key) || json[key].is_null()) {
    return std::nullopt;
  }
  return UnitVersions{text(json[key], "bootloader_version"),
                      text(json[key], "application_version")};
}

}  // namespace

nlohmann::json versionsJson(const std::optional<UnitVersions>& versions) {
  if (!versions) {
    return nullptr;
  }
  return {{"bootloader_version", versions->bootloader},
          {"application_version", versions->application}};
}

nlohmann::json recordToJson(const UpgradeRecord& record) {
  nlohmann::json json{
      {"time", record.time},
      {"program", record.program},
      {"unit", record.unit},
      {"link", record.link},
      {"device", record.device},
      {"serial_number",
       record.serialNumber.empty() ? nlohmann::json(nullptr) : nlohmann::json(record.serialNumber)},
      {"image",
       {{"path", record.imagePath},
        {"size", orNull(record.imageSize)},
        {"sha256", orNull(record.imageSha256)}}},
      {"outcome", record.outcome},
      {"message",
       record.message.empty() ? nlohmann::json(nullptr) : nlohmann::json(record.message)},
      {"seconds", record.seconds},
      {"blocks", record.blocks},
      {"retries", record.retries},
  };
  if (record.versionsChecked) {
    json["versions"] = {{"before", versionsJson(record.versionsBefore)},
                        {"after", versionsJson(record.versionsAfter)}};
  }
  if (!record.warning.empty()) {
    json["warning"] = record.warning;
  }
  return json;
}

UpgradeRecord recordFromJson(const nlohmann::json& json) {
  try {
    UpgradeRecord record;
    record.time = text(json, "time");
    record.program = text(json, "program");
    record.unit = text(json, "unit");
    record.link = text(json, "link");
    record.device = text(json, "device");
    record.serialNumber = optionalField<std::string>(json, "serial_number", "");
    const nlohmann::json& image = field(json, "image");
    record.imagePath = text(image, "path");
    if (!image["size"].is_null()) {
      record.imageSize = image["size"].get<std::uint64_t>();
    }
    if (!image["sha256"].is_null()) {
      record.imageSha256 = image["sha256"].get<std::string>();
    }
    record.outcome = text(json, "outcome");
    record.message = optionalField<std::string>(json, "message", "");
    record.seconds = optionalField<double>(json, "seconds", 0.0);
    record.blocks = optionalField<std::uint32_t>(json, "blocks", 0);
    record.retries = optionalField<std::uint32_t>(json, "retries", 0);
    if (json.contains("versions") && json["versions"].is_object()) {
      record.versionsChecked = true;
      record.versionsBefore = versionsFrom(json["versions"], "before");
      record.versionsAfter = versionsFrom(json["versions"], "after");
    }
    record.warning = optionalField<std::string>(json, "warning", "");
    return record;
  } catch (const nlohmann::json::exception& error) {
    throw std::invalid_argument(error.what());
  }
}

UpgradeHistory readUpgradeHistory(const std::filesystem::path& file) {
  UpgradeHistory history;
  const std::optional<std::string> text = readHistoryFile(file);
  if (!text) {
    return history;
  }
  const HistoryLines lines = splitHistory(*text);
  std::size_t number = 0;
  for (const std::string& line : lines.lines) {
    ++number;
    if (line.empty()) {
      continue;
    }
    try {
      nlohmann::json json = nlohmann::json::parse(line);
      UpgradeRecord record = recordFromJson(json);
      history.entries.push_back({std::move(json), std::move(record)});
    } catch (const std::exception&) {
      history.warnings.push_back("line " + std::to_string(number) + " of " + file.string() +
                                 " is not an upgrade record: it is skipped");
    }
  }
  if (lines.tornTail) {
    history.warnings.push_back("the last line of " + file.string() +
                               " is incomplete (its program ended while writing it): it is "
                               "skipped");
  }
  return history;
}

}  // namespace orbelle
