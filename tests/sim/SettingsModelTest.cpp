#include <gtest/gtest.h>

#include "BaseUnitModel.h"
#include "SimTestSupport.h"
#include "settings/SettingsCodec.h"

namespace orbelle::sim {
namespace {

using testing::fcsHolds;
using testing::pcFrame;
using testing::wire;

BaseSettings chinaUnit() {
  BaseSettings s = defaultSimSettings();
  s.nation = 1;
  s.hopping = true;
  s.channel = 12;
  s.powerDbm = -5;
  s.associatedIds = 0x8001;
  s.baudCode = 6;
  s.dataBitsCode = 1;
  s.stopBitsCode = 2;
  s.parityCode = 3;
  s.flowControlCode = 2;
  s.numericKeyMode = 2;
  s.bootloaderVersion = {'1', '0', '3', 'b'};
  return s;
}

ReportFrame onlyReply(const ModelOutput& out) {
  EXPECT_EQ(out.replies.size(), 1U);
  if (out.replies.empty()) {
    return {};
  }
  EXPECT_TRUE(fcsHolds(out.replies.front()));
  return toReportFrame(out.replies.front());
}

TEST(SettingsModel, ReadSettingsReportsTheRecordWithVersionsFourthCharacterFirst) {
  BaseUnitModel model(chinaUnit(), false, {});
  const ReportFrame reply = onlyReply(model.receive(wire(pcFrame(CommandCode::ReadSettings))));
  EXPECT_EQ(reply[1], 0xF4);
  EXPECT_FALSE(isUnsetReply(reply));
  EXPECT_EQ(decodeCurrentSettings(reply), chinaUnit());
  EXPECT_EQ(reply[9], 'b');
  EXPECT_EQ(reply[12], '1');
  EXPECT_EQ(reply[13], 0) << "application version 2.1.0 has no fourth character";
  EXPECT_EQ(reply[16], '2');
}

TEST(SettingsModel, UnsetUnitShowsVersionsOnlyUntilAnUploadSetsIt) {
  BaseUnitModel model(chinaUnit(), true, {});
  ReportFrame reply = onlyReply(model.receive(wire(pcFrame(CommandCode::ReadSettings))));
  EXPECT_TRUE(isUnsetReply(reply));
  EXPECT_EQ(versionText(bootloaderVersionOf(reply)), "1.0.3b");
  EXPECT_EQ(versionText(applicationVersionOf(reply)), "2.1.0");

  // The settings window sends "no nation": the unit keeps China.
  BaseSettings wanted = defaultSimSettings();
  wanted.channel = 3;
  wanted.powerDbm = -20;
  wanted.associatedIds = 0x0102;
  ReportFrame upload{};
  upload.fill(0xA5);  // bytes the upload does not write carry whatever was there
  encodeUploadSettings(upload, wanted, false);
  upload[1] = 0xF1;
  Fcs16::seal(upload);
  reply = onlyReply(model.receive(wire(upload)));
  EXPECT_EQ(reply[1], 0xF2);
  EXPECT_EQ(reply[7], 1) << "the echo names the nation kept, not 0xFF";
  BaseSettings expected = wanted;
  expected.nation = 1;
  expected.bootloaderVersion = chinaUnit().bootloaderVersion;
  EXPECT_EQ(decodeSettingsUploaded(reply, chinaUnit()), expected);
  EXPECT_TRUE(model.isSet());
  EXPECT_EQ(model.settings(), expected);

  reply = onlyReply(model.receive(wire(pcFrame(CommandCode::ReadSettings))));
  EXPECT_FALSE(isUnsetReply(reply));
  EXPECT_EQ(decodeCurrentSettings(reply), expected);

  // An upload that names a nation changes it.
  wanted.nation = 2;
  encodeUploadSettings(upload, wanted, true);
  Fcs16::seal(upload);
  reply = onlyReply(model.receive(wire(upload)));
  EXPECT_EQ(reply[7], 2);
  EXPECT_EQ(model.settings().nation, 2);
}

TEST(SettingsModel, BadFcsUnknownCodesAndStrayBlocksGetNoReply) {
  BaseUnitModel model(defaultSimSettings(), false, {});
  WireFrame corrupted = wire(pcFrame(CommandCode::ReadSettings));
  corrupted[20] ^= 0x04;
  ModelOutput out = model.receive(corrupted);
  EXPECT_TRUE(out.replies.empty());
  ASSERT_EQ(out.notes.size(), 1U);
  EXPECT_EQ(out.notes[0].level, Note::Level::Warning);
  EXPECT_NE(out.notes[0].text.find("FCS"), std::string::npos) << out.notes[0].text;

  EXPECT_TRUE(model.receive(wire(pcFrame(0x77))).replies.empty());
  EXPECT_TRUE(model.receive(wire(pcFrame(CommandCode::BaseUpgradeBlock))).replies.empty());
  EXPECT_TRUE(model.receive(wire(pcFrame(CommandCode::BaseUpgradeHandshakeReply))).replies.empty());
  // Replies are not frames the unit acts upon.
  EXPECT_TRUE(model.receive(wire(pcFrame(CommandCode::CurrentSettings))).replies.empty());
}

TEST(ReplyFaults, DropCorruptAndVanishActOnRepliesAndFrames) {
  const auto read = wire(pcFrame(CommandCode::ReadSettings));

  BaseUnitModel dropping(defaultSimSettings(), false, parseFaults({"drop-reply=3"}));
  std::vector<std::size_t> counts;
  for (int i = 0; i < 6; ++i) {
    counts.push_back(dropping.receive(read).replies.size());
  }
  EXPECT_EQ(counts, (std::vector<std::size_t>{1, 1, 0, 1, 1, 0}));

  BaseUnitModel silent(defaultSimSettings(), false, parseFaults({"drop-reply=1"}));
  EXPECT_TRUE(silent.receive(read).replies.empty());
  EXPECT_TRUE(silent.receive(read).replies.empty());

  BaseUnitModel corrupting(defaultSimSettings(), false, parseFaults({"corrupt-fcs"}));
  const ModelOutput corrupted = corrupting.receive(read);
  ASSERT_EQ(corrupted.replies.size(), 1U);
  EXPECT_FALSE(fcsHolds(corrupted.replies[0]));
  EXPECT_EQ(decodeCurrentSettings(toReportFrame(corrupted.replies[0])), defaultSimSettings())
      << "only the FCS is wrong";

  BaseUnitModel vanishing(defaultSimSettings(), false, parseFaults({"vanish-after=2"}));
  ModelOutput out = vanishing.receive(read);
  EXPECT_FALSE(out.vanished);
  out = vanishing.receive(read);
  EXPECT_EQ(out.replies.size(), 1U) << "the last frame is still answered";
  EXPECT_TRUE(out.vanished);
  out = vanishing.receive(read);
  EXPECT_TRUE(out.replies.empty());
  EXPECT_TRUE(out.vanished);
}

}  // namespace
}  // namespace orbelle::sim
