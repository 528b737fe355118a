#include <gtest/gtest.h>

#include "settings/SettingsSummary.h"

namespace orbelle {
namespace {

BaseSettings record(std::uint8_t nation, bool hopping, std::uint16_t ids, std::uint8_t channel,
                    std::int8_t power) {
  BaseSettings s;
  s.nation = nation;
  s.hopping = hopping;
  s.associatedIds = ids;
  s.channel = channel;
  s.powerDbm = power;
  return s;
}

TEST(SettingsSummary, FixedWordingWithReaderListsNationsHoppingChannelAndNegativePower) {
  EXPECT_EQ(buildSettingsSummary(record(0, false, 0x0005, 6, 10)),
            "The nation is Europe, frequency hopping is disable.Now there are 2 Barcode readers "
            "registered at this base.\r\nThey are Reader 1,3!\r\n\r\nChannel  6 is used to "
            "communicate.\r\nThe Base RF output power is 10dBm!");
  const std::pair<BaseSettings, std::vector<std::string>> cases[] = {
      {record(0, false, 0x0000, 1, 10), {"Now there are 0 Barcode", "\r\nThey are Reader!\r\n"}},
      {record(0, false, 0xFFFF, 1, 10),
       {"there are 16 Barcode", "Reader 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16!"}},
      {record(0, false, 0x8000, 1, 10), {"there are 1 Barcode", "They are Reader 16!"}},
      {record(1, true, 1, 128, -20),
       {"The nation is China, frequency hopping is enable.Now", "Channel  128 is used",
        "\r\nThe Base RF output power is -20dBm!"}},
      {record(2, false, 1, 1, 0), {"The nation is Turkey, frequency hopping is disable."}},
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
