#include <gtest/gtest.h>

#include "settings/SettingsSummary.h"

namespace orbelle {
namespace {

TEST(SettingsSummary, FixedWordingWithReaderListsNationsHoppingChannelAndNegativePower) {
  EXPECT_EQ(buildSettingsSummary(BaseSettings{.channel = 6, .associatedIds = 0x0005}),
            "The nation is Europe, frequency hopping is disable.Now there are 2 Barcode readers "
            "registered at this base.\r\nThey are Reader 1,3!\r\n\r\nChannel  6 is used to "
            "communicate.\r\nThe Base RF output power is 10dBm!");
  const std::pair<BaseSettings, std::vector<std::string>> cases[] = {
      {BaseSettings{.channel = 1}, {"Now there are 0 Barcode", "\r\nThey are Reader!\r\n"}},
      {BaseSettings{.channel = 1, .associatedIds = 0xFFFF},
       {"there are 16 Barcode", "Reader 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16!"}},
      {BaseSettings{.channel = 1, .associatedIds = 0x8000},
       {"there are 1 Barcode", "They are Reader 16!"}},
      {BaseSettings{
           .powerDbm = -20, .channel = 128, .associatedIds = 1, .nation = 1, .hopping = true},
       {"The nation is China, frequency hopping is enable.Now", "Channel  128 is used",
        "\r\nThe Base RF output power is -20dBm!"}},
      {BaseSettings{.powerDbm = 0, .channel = 1, .associatedIds = 1, .nation = 2},
       {"The nation is Turkey, frequency hopping is disable."}},
  };
  for (const auto& [settings, parts] : cases) {
    const std::string summary = buildSettingsSummary(settings);
    for (const std::string& part : parts) {
      EXPECT_NE(summary.find(part), std::string::npos) << part << " in " << summary;
    }
  }
}

}  // namespace
}  // namespace orbelle
