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

TEST(SettingsSummary, DescribesTheRecordInTheFixedWording) {
  EXPECT_EQ(buildSettingsSummary(record(0, false, 0x0005, 6, 10)),
            "The nation is Europe, frequency hopping is disable.Now there are 2 Barcode readers "
            "registered at this base.\r\nThey are Reader 1,3!\r\n\r\nChannel  6 is used to "
            "communicate.\r\nThe Base RF output power is 10dBm!");
}

TEST(SettingsSummary, ReaderListEdgeCases) {
  const std::string none = buildSettingsSummary(record(0, false, 0x0000, 1, 10));
  EXPECT_NE(none.find("Now there are 0 Barcode"), std::string::npos);
  EXPECT_NE(none.find("\r\nThey are Reader!\r\n"), std::string::npos);

  const std::string all = buildSettingsSummary(record(0, false, 0xFFFF, 1, 10));
  EXPECT_NE(all.find("there are 16 Barcode"), std::string::npos);
  EXPECT_NE(all.find("Reader 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16!"), std::string::npos);

  const std::string last = buildSettingsSummary(record(0, false, 0x8000, 1, 10));
  EXPECT_NE(last.find("there are 1 Barcode"), std::string::npos);
  EXPECT_NE(last.find("They are Reader 16!"), std::string::npos);
}

TEST(SettingsSummary, NationHoppingChannelAndNegativePower) {
  const std::string china = buildSettingsSummary(record(1, true, 1, 128, -20));
  EXPECT_EQ(china.rfind("The nation is China, frequency hopping is enable.Now", 0), 0U);
  EXPECT_NE(china.find("Channel  128 is used"), std::string::npos);
  EXPECT_EQ(china.substr(china.size() - 37), "\r\nThe Base RF output power is -20dBm!");
  const std::string turkey = buildSettingsSummary(record(2, false, 1, 1, 0));
  EXPECT_EQ(turkey.rfind("The nation is Turkey, frequency hopping is disable.", 0), 0U);
}

}  // namespace
}  // namespace orbelle
