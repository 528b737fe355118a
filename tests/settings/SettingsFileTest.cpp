#include <gtest/gtest.h>

#include "settings/SettingsCodec.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsJson.h"
#include "settings/SettingsTables.h"

namespace orbelle {
namespace {

BaseSettings unit() {
  BaseSettings s = defaultSettings({}, static_cast<std::uint8_t>(Nation::China));
  s.channel = 9;
  s.powerDbm = -5;
  s.associatedIds = 0b101;
  s.baudCode = 6;
  s.parityCode = 3;
  s.bootloaderVersion = {'1', '0', '3', 0};
  return s;
}

nlohmann::json fileOf(const BaseSettings& settings) {
  nlohmann::json file = nlohmann::json::parse(settingsFileJson(settingsToJson(settings)).dump());
  file["summary"] = "for a reader";
  return file;
}

TEST(SettingsFile, HoldsEverySettingAnUploadCarriesAndNamesWhatDiffers) {
  const nlohmann::ordered_json written = settingsFileJson(settingsToJson(unit()));
  EXPECT_EQ(written.begin().key(), "format");
  EXPECT_EQ(std::next(written.begin()).key(), "version");

  const SettingsChange change = parseSettingsFile(fileOf(unit()));
  EXPECT_EQ(change.nation, static_cast<std::uint8_t>(Nation::China));
  EXPECT_EQ(change.channel, 9);
  EXPECT_EQ(change.powerPosition, powerIndex(-5));
  EXPECT_EQ(change.associatedIds, 0b101);
  EXPECT_EQ(change.hopping, false);
  EXPECT_EQ(change.baudCode, 6);
  EXPECT_EQ(change.parityCode, 3);
  EXPECT_EQ(change.numericKeyMode, 1);

  // A null names nothing: the unit keeps its own.
  nlohmann::json file = fileOf(unit());
  file["rs232"]["baud"] = nullptr;
  file["numeric_key"] = nullptr;
  const SettingsChange open = parseSettingsFile(file);
  EXPECT_FALSE(open.baudCode);
  EXPECT_FALSE(open.numericKeyMode);

  BaseSettings changed = unit();
  changed.channel = 3;
  changed.hopping = true;
  changed.associatedIds = 0b1;
  changed.baudCode = 0;
  std::vector<std::string> lines;
  for (const SettingsDifference& difference : settingsDifferences(unit(), changed)) {
    lines.push_back(differenceText(difference));
  }
  EXPECT_EQ(lines, (std::vector<std::string>{"hopping: off -> on", "channel: 9 -> 3",
                                             "ids: 1,3 -> 1", "rs232.baud: 115200 -> (none)"}));
  // Neither the nation nor the versions are an upload's.
  changed = unit();
  changed.nation = static_cast<std::uint8_t>(Nation::Turkey);
  changed.applicationVersion = {'9', '9', '9', 0};
  EXPECT_TRUE(settingsDifferences(unit(), changed).empty());
}

TEST(SettingsFile, IsRefusedNamingTheKeyOfEachFault) {
  struct Case {
    const char* patch;  // merged into a good file
    SettingsFileFault fault;
    const char* key;
  };
  const std::vector<Case> cases{
      {R"({"colour": "red"})", SettingsFileFault::UnknownKey, "colour"},
      {R"({"rs232": {"speed": 9600}})", SettingsFileFault::UnknownKey, "rs232.speed"},
      {R"({"channel": null})", SettingsFileFault::MissingKey, "channel"},
      {R"({"rs232": {"flow": null}})", SettingsFileFault::MissingKey, "rs232.flow"},
      {R"({"version": null})", SettingsFileFault::MissingKey, "version"},
      {R"({"channel": "7"})", SettingsFileFault::WrongType, "channel"},
      {R"({"hopping": 1})", SettingsFileFault::WrongType, "hopping"},
      {R"({"ids": 3})", SettingsFileFault::WrongType, "ids"},
      {R"({"rs232": {"parity": 3}})", SettingsFileFault::WrongType, "rs232.parity"},
      {R"({"nation": 0})", SettingsFileFault::WrongType, "nation"},
      {R"({"channel": 129})", SettingsFileFault::OutOfRange, "channel"},
      {R"({"hopping": true, "channel": 65})", SettingsFileFault::OutOfRange, "channel"},
      {R"({"power_dbm": 3})", SettingsFileFault::OutOfRange, "power_dbm"},
      {R"({"ids": [1, 17]})", SettingsFileFault::OutOfRange, "ids"},
      {R"({"rs232": {"baud": 300}})", SettingsFileFault::OutOfRange, "rs232.baud"},
      {R"({"numeric_key": "keypad"})", SettingsFileFault::OutOfRange, "numeric_key"},
      {R"({"nation": "mars"})", SettingsFileFault::OutOfRange, "nation"},
      {R"({"version": 2})", SettingsFileFault::OutOfRange, "version"},
      {R"({"format": "vkr"})", SettingsFileFault::NotSettingsFile, "format"},
  };
  for (const Case& c : cases) {
    nlohmann::json file = fileOf(unit());
    file.merge_patch(nlohmann::json::parse(c.patch));  // a null removes the key
    try {
      parseSettingsFile(file);
      ADD_FAILURE() << c.patch << " was taken";
    } catch (const SettingsFileError& error) {
      EXPECT_EQ(error.fault(), c.fault) << c.patch << ": " << error.what();
      EXPECT_EQ(error.key(), c.key) << c.patch;
      EXPECT_NE(std::string(error.what()).find(c.key), std::string::npos) << error.what();
    }
  }
  EXPECT_THROW(parseSettingsFile(nlohmann::json::array()), SettingsFileError);

  // A nation the unit is not set for: an upload cannot change it.
  SettingsChange change;
  change.nation = static_cast<std::uint8_t>(Nation::Turkey);
  EXPECT_NO_THROW(checkNation(change, static_cast<std::uint8_t>(Nation::Turkey)));
  EXPECT_THROW(checkNation(change, static_cast<std::uint8_t>(Nation::Europe)),
               std::invalid_argument);
}

}  // namespace
}  // namespace orbelle
