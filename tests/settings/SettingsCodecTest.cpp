#include <gtest/gtest.h>

#include "settings/SettingsCodec.h"
#include "settings/SettingsTables.h"

namespace orbelle {
namespace {

ReportFrame replyWith(std::uint8_t code,
                      std::initializer_list<std::pair<std::size_t, std::uint8_t>> bytes) {
  ReportFrame frame{};
  frame[1] = code;
  for (const auto& [pos, value] : bytes) {
    frame[pos] = value;
  }
  return frame;
}

TEST(SettingsCodec, UploadEncodesPowerIdsAndCodesAndLeavesTheRestOfTheFrame) {
  ReportFrame frame{};
  frame.fill(0x5A);
  BaseSettings settings;
  settings.powerDbm = -20;
  settings.channel = 128;
  settings.associatedIds = 0x8001;
  settings.baudCode = 6;
  settings.nation = 2;
  settings.hopping = true;
  settings.dataBitsCode = 1;
  settings.stopBitsCode = 2;
  settings.parityCode = 3;
  settings.flowControlCode = 2;
  settings.numericKeyMode = 2;
  encodeUploadSettings(frame, settings, false);
  const std::array<std::uint8_t, 12> expected{0xEC, 128, 0x01, 0x80, 6, 0xFF, 1, 1, 2, 3, 2, 2};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(frame[2 + i], expected[i]) << "byte " << 2 + i;
  }
  for (std::size_t i = 14; i <= 38; ++i) {
    EXPECT_EQ(frame[i], 0x5A) << "byte " << i << " is not the upload's";
  }
  encodeUploadSettings(frame, settings, true);
  EXPECT_EQ(frame[7], 2);
  settings.powerDbm = -15;
  encodeUploadSettings(frame, settings, false);
  EXPECT_EQ(frame[2], 0xF1);
}

TEST(SettingsCodec, PowerEncodingsAreTwosComplement) {
  const std::array<std::uint8_t, 8> bytes{0x0A, 0x07, 0x05, 0x00, 0xFB, 0xF6, 0xF1, 0xEC};
  for (std::size_t i = 0; i < kPowerLevelList.size(); ++i) {
    ReportFrame frame{};
    BaseSettings settings;
    settings.powerDbm = kPowerLevelList[i];
    encodeUploadSettings(frame, settings, false);
    EXPECT_EQ(frame[2], bytes[i]);
    EXPECT_EQ(decodeCurrentSettings(frame).powerDbm, kPowerLevelList[i]);
    EXPECT_EQ(powerIndex(kPowerLevelList[i]), i);
  }
  EXPECT_FALSE(powerIndex(3));
}

TEST(SettingsCodec, CurrentSettingsDecodeAllFieldsIncludingVersions) {
  const ReportFrame frame =
      replyWith(0xF4, {{2, 0xFB}, {3, 12},   {4, 0x05}, {5, 0x80}, {6, 3},    {7, 1},    {8, 0x05},
                       {9, 0},    {10, '3'}, {11, '0'}, {12, '1'}, {13, 'b'}, {14, '7'}, {15, '2'},
                       {16, '4'}, {17, 2},   {18, 1},   {19, 3},   {20, 3},   {21, 2}});
  const BaseSettings s = decodeCurrentSettings(frame);
  EXPECT_EQ(s.powerDbm, -5);
  EXPECT_EQ(s.channel, 12);
  EXPECT_EQ(s.associatedIds, 0x8005);
  EXPECT_TRUE(isIdRegistered(s.associatedIds, 1));
  EXPECT_TRUE(isIdRegistered(s.associatedIds, 3));
  EXPECT_TRUE(isIdRegistered(s.associatedIds, 16));
  EXPECT_FALSE(isIdRegistered(s.associatedIds, 2));
  EXPECT_EQ(s.baudCode, 3);
  EXPECT_EQ(s.nation, 1);
  EXPECT_TRUE(s.hopping) << "any nonzero hopping byte means on";
  EXPECT_EQ(versionText(s.bootloaderVersion), "1.0.3");
  EXPECT_EQ(versionText(s.applicationVersion), "4.2.7b");
  EXPECT_EQ(s.dataBitsCode, 2);
  EXPECT_EQ(s.stopBitsCode, 1);
  EXPECT_EQ(s.parityCode, 3);
  EXPECT_EQ(s.flowControlCode, 3);
  EXPECT_EQ(s.numericKeyMode, 2);
}

TEST(SettingsCodec, UploadEchoReadsCodesAtNineAndKeepsPreviousVersions) {
  BaseSettings previous;
  previous.bootloaderVersion = {'1', '0', '3', '\0'};
  previous.applicationVersion = {'2', '1', '0', 'a'};
  const ReportFrame echo = replyWith(0xF2, {{2, 0x07},
                                            {3, 6},
                                            {4, 1},
                                            {6, 2},
                                            {7, 0},
                                            {8, 0},
                                            {9, 1},
                                            {10, 2},
                                            {11, 2},
                                            {12, 3},
                                            {13, 1}});
  const BaseSettings s = decodeSettingsUploaded(echo, previous);
  EXPECT_EQ(s.powerDbm, 7);
  EXPECT_FALSE(s.hopping);
  EXPECT_EQ(s.dataBitsCode, 1);
  EXPECT_EQ(s.stopBitsCode, 2);
  EXPECT_EQ(s.parityCode, 2);
  EXPECT_EQ(s.flowControlCode, 3);
  EXPECT_EQ(s.numericKeyMode, 1);
  EXPECT_EQ(s.bootloaderVersion, previous.bootloaderVersion);
  EXPECT_EQ(s.applicationVersion, previous.applicationVersion);
}

TEST(SettingsCodec, UnsetTestLooksAtBytesTwoToSevenWhateverTheCode) {
  for (std::uint8_t code : {0xF2, 0xF4, 0x00}) {
    ReportFrame frame =
        replyWith(code, {{2, 0xFF}, {3, 0xFF}, {4, 0xFF}, {5, 0xFF}, {6, 0xFF}, {7, 0xFF}});
    EXPECT_TRUE(isUnsetReply(frame));
    frame[7] = 0xFE;
    EXPECT_FALSE(isUnsetReply(frame));
  }
}

TEST(SettingsCodec, ChannelCountsFollowNationAndHopping) {
  EXPECT_EQ(channelCount(0, false), 16);
  EXPECT_EQ(channelCount(0, true), 8);
  EXPECT_EQ(channelCount(1, false), 36);
  EXPECT_EQ(channelCount(1, true), 18);
  EXPECT_EQ(channelCount(2, false), 128);
  EXPECT_EQ(channelCount(2, true), 64);
  EXPECT_EQ(channelCount(7, false), 16);
  EXPECT_EQ(channelCount(0xFF, true), 8);
}

TEST(SettingsCodec, NormalisationAndDefaults) {
  BaseSettings odd;
  odd.nation = 7;
  odd.powerDbm = 3;
  odd.channel = 200;
  const BaseSettings shown = normalised(odd);
  EXPECT_EQ(shown.nation, 0);
  EXPECT_EQ(shown.powerDbm, 10);
  EXPECT_EQ(shown.channel, 200) << "the channel is not checked";

  BaseSettings previous = odd;
  previous.baudCode = 4;
  previous.hopping = true;
  previous.bootloaderVersion = {'9', '9', '9', '\0'};
  const BaseSettings d = defaultSettings(previous, 2);
  EXPECT_EQ(d.powerDbm, 10);
  EXPECT_EQ(d.channel, 6);
  EXPECT_EQ(d.associatedIds, 0x0001);
  EXPECT_EQ(d.baudCode, 0);
  EXPECT_EQ(d.nation, 2);
  EXPECT_FALSE(d.hopping);
  EXPECT_EQ(d.dataBitsCode, 2);
  EXPECT_EQ(d.stopBitsCode, 1);
  EXPECT_EQ(d.parityCode, 1);
  EXPECT_EQ(d.flowControlCode, 1);
  EXPECT_EQ(d.numericKeyMode, 1);
  EXPECT_EQ(d.bootloaderVersion, previous.bootloaderVersion);
}

TEST(SettingsCodec, BaudCodesMapToRates) {
  EXPECT_EQ(rateForBaudCode(1), 4800);
  EXPECT_EQ(rateForBaudCode(6), 115200);
  EXPECT_FALSE(rateForBaudCode(0));
  EXPECT_FALSE(rateForBaudCode(7));
  EXPECT_EQ(baudCodeForRate(19200), 3);
  EXPECT_FALSE(baudCodeForRate(300));
}

}  // namespace
}  // namespace orbelle

namespace orbelle {
namespace {

TEST(SettingsCodec, CurrentSettingsEncodeAndDecodeAgree) {
  BaseSettings s;
  s.powerDbm = -10;
  s.channel = 64;
  s.associatedIds = 0xA5C3;
  s.baudCode = 5;
  s.nation = 2;
  s.hopping = true;
  s.dataBitsCode = 1;
  s.stopBitsCode = 2;
  s.parityCode = 2;
  s.flowControlCode = 3;
  s.numericKeyMode = 2;
  s.bootloaderVersion = {'1', '2', '3', 'x'};
  s.applicationVersion = {'4', '5', '6', '\0'};
  ReportFrame frame{};
  frame[1] = 0xF4;
  encodeCurrentSettings(frame, s);
  EXPECT_EQ(decodeCurrentSettings(frame), s);
  EXPECT_EQ(frame[9], 'x') << "the fourth version character comes first";
  EXPECT_EQ(frame[12], '1');
}

}  // namespace
}  // namespace orbelle
