#include <gtest/gtest.h>

#include "settings/SettingsCodec.h"

namespace orbelle {
namespace {

// Frame bytes from byte 1 (the code) on; the rest are zero.
ReportFrame frameOf(std::initializer_list<std::uint8_t> bytes) {
  ReportFrame frame{};
  std::copy(bytes.begin(), bytes.end(), frame.begin() + 1);
  return frame;
}

// A current-settings reply: -10 dBm, channel 64, IDs 0xA5C3, baud code 5, Turkey, hopping,
// bootloader 1.2.3x and application 4.5.6 (fourth character first), then the data, stop,
// parity, flow and numeric-key codes.
const ReportFrame kCurrentReply = frameOf(
    {0xF4, 0xF6, 64, 0xC3, 0xA5, 5, 2, 1, 'x', '3', '2', '1', 0, '6', '5', '4', 1, 2, 2, 3, 2});

TEST(SettingsCodec, CurrentSettingsReplyDecodesFieldByFieldAndEncodesToTheSameBytes) {
  const BaseSettings s = decodeCurrentSettings(kCurrentReply);
  // Field by field, in BaseSettings' order.
  EXPECT_EQ(
      s,
      (BaseSettings{
          -10, 64, 0xA5C3, 5, 2, true, 1, 2, 2, 3, 2, {'1', '2', '3', 'x'}, {'4', '5', '6', 0}}));
  EXPECT_EQ(versionText(s.bootloaderVersion), "1.2.3x");
  EXPECT_EQ(versionText(s.applicationVersion), "4.5.6");

  ReportFrame encoded{};
  encoded[1] = 0xF4;
  encodeCurrentSettings(encoded, s);
  EXPECT_EQ(encoded, kCurrentReply);

  ReportFrame hopping = kCurrentReply;
  hopping[8] = 0x05;
  EXPECT_TRUE(decodeCurrentSettings(hopping).hopping) << "any nonzero hopping byte means on";

  // The unset test looks at bytes 2 to 7 whatever the code.
  for (std::uint8_t code : {0xF2, 0xF4, 0x00}) {
    ReportFrame frame = frameOf({code, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_TRUE(isUnsetReply(frame));
    frame[7] = 0xFE;
    EXPECT_FALSE(isUnsetReply(frame));
  }
  EXPECT_FALSE(isUnsetReply(kCurrentReply));
}

TEST(SettingsCodec, UploadAndItsEchoShareBytesTwoToThirteenAndTheUploadNamesNoNation) {
  // -20 dBm, channel 128, IDs 0x8001, baud code 6, Turkey, hopping, then the codes.
  const ReportFrame echo = frameOf({0xF2, 0xEC, 128, 0x01, 0x80, 6, 2, 1, 1, 2, 3, 2, 2});
  const BaseSettings previous{.bootloaderVersion = {'1', '0', '3', '\0'},
                              .applicationVersion = {'2', '1', '0', 'a'}};
  const BaseSettings s = decodeSettingsUploaded(echo, previous);
  EXPECT_EQ(s, (BaseSettings{-20, 128, 0x8001, 6, 2, true, 1, 2, 3, 2, 2,
                             previous.bootloaderVersion, previous.applicationVersion}))
      << "an echo carries no versions";
  // The upload's bytes, its nation 0xFF and what it leaves past byte 13 are checked on the
  // frames the Set Base Unit model sends.
  ReportFrame tx{};
  encodeUploadSettings(tx, s, true);
  EXPECT_TRUE(std::equal(tx.begin() + 2, tx.begin() + 14, echo.begin() + 2)) << "with its nation";
}

}  // namespace
}  // namespace orbelle
