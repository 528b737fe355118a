#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace orbelle {

// A base unit's versions as its settings reply gives them ("1.0.3", "2.1.0").
struct UnitVersions {
  std::string bootloader;
  std::string application;

  bool operator==(const UnitVersions&) const = default;
};

// One upgrade as both programs record it, whatever its ending.
struct UpgradeRecord {
  std::string time;     // when it began: ISO 8601 with the offset from UTC
  std::string program;  // "vkr" or "orbelle"
  std::string unit;     // "base" or "handheld"
  std::string link;     // "usb" or "rs232"
  // The unit: a USB unit's HID path and serial number (empty when it has none), or the serial
  // device's path or URL.
  std::string device;
  std::string serialNumber;
  std::string imagePath;  // as a full path
  // None when the file could not be read when the upgrade began.
  std::optional<std::uint64_t> imageSize;
  std::optional<std::string> imageSha256;  // lower-case hex
  std::string outcome;                     // "completed", "no-reply", ... (UpgradeOperation)
  std::string message;                     // what the operator was told, when not completed
  double seconds = 0.0;                    // from the start to the end
  std::uint32_t blocks = 0;                // sent, resent ones included
  std::uint32_t retries = 0;
  // Whether the base unit's versions were asked for (vkr upgrade base), and what was read.
  bool versionsChecked = false;
  std::optional<UnitVersions> versionsBefore;
  std::optional<UnitVersions> versionsAfter;
  std::string warning;  // what the version check could not do, when it could not

  bool operator==(const UpgradeRecord&) const = default;
};

nlohmann::json versionsJson(const std::optional<UnitVersions>& versions);

// The record as one JSON object, and back; recordFromJson throws std::invalid_argument for an
// object that is not a record.
nlohmann::json recordToJson(const UpgradeRecord& record);
UpgradeRecord recordFromJson(const nlohmann::json& json);

// The records of a history file, oldest first, and what a reader must be told of the lines
// that were skipped: the last one, cut short by a writer that was killed, and any that is
// not a record.
struct UpgradeHistory {
  struct Entry {
    nlohmann::json json;  // as written, keys this program does not know included
    UpgradeRecord record;
  };
  std::vector<Entry> entries;
  std::vector<std::string> warnings;
};
// Throws std::runtime_error when the file exists but cannot be read.
UpgradeHistory readUpgradeHistory(const std::filesystem::path& file);

}  // namespace orbelle
