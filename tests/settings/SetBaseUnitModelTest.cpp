#include <algorithm>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "protocol/FrameChannel.h"
#include "settings/SetBaseUnitModel.h"
#include "settings/SettingsChange.h"
#include "settings/SettingsCodec.h"

namespace orbelle {
namespace {

// Plays the window's view and link: records what the model asks for, in order.
class FakeView : public SettingsChannel, public SetBaseUnitView {
 public:
  void sendFrame(CommandCode code, const FramePayload& payload) override {
    channel.send(code, payload);
    sent.push_back(channel.lastFrame());
    log(code == CommandCode::ReadSettings ? "read" : "upload");
  }
  LinkProtocol protocol() const override { return link; }
  void setSerialLineSettings(std::string_view line) override { log("line " + std::string(line)); }
  void startReplyTimer() override { log("timer on"); }
  void stopReplyTimer() override { log("timer off"); }
  void showMessage(SettingsMessage message) override {
    messages.push_back(message);
    log(settingsMessageText(message));
  }
  void log(std::string event) { events.push_back(std::move(event)); }

  LinkProtocol link = LinkProtocol::Rs232;
  LinkChoice choice;
  FrameChannel channel{choice};
  std::vector<ReportFrame> sent;
  std::vector<std::string> events;
  std::vector<SettingsMessage> messages;
};

BaseSettings unitSettings(std::uint8_t nation, std::uint8_t channel) {
  // -15 dBm, IDs 1 and 16, baud code 4, then the data, stop, parity, flow and key codes.
  BaseSettings s{
      -15, 0, 0x8001, 4, 0, false, 1, 2, 3, 2, 2, {'1', '0', '3', 0}, {'2', '1', '0', 'b'}};
  s.nation = nation;
  s.channel = channel;
  return s;
}

ReportFrame reply(const BaseSettings& s, CommandCode code = CommandCode::CurrentSettings) {
  ReportFrame f{};
  f[1] = codeByte(code);
  if (code == CommandCode::SettingsUploaded) {
    encodeUploadSettings(f, s, true);
  } else {
    encodeCurrentSettings(f, s);
  }
  return f;
}

std::vector<std::uint8_t> uploadBytes(const ReportFrame& f) {
  return {f.begin() + 1, f.begin() + 14};
}

TEST(SetBaseUnitModel, OpeningBeforeAndAfterTheReplyAndOddReportedValues) {
  FakeView view;
  SetBaseUnitModel model(view, view);
  model.open();
  // A missing reply over RS232 is told once per request, and a late reply is still handled.
  model.replyTimerFired();
  model.clickDisplayCurrentSettings();
  model.replyTimerFired();
  const std::string noReply = settingsMessageText(SettingsMessage::NoReply);
  EXPECT_EQ(view.events,
            (std::vector<std::string>{"line 9600,n,8,1", "read", "timer on", "timer off", noReply,
                                      "read", "timer on", "timer off", noReply}));
  EXPECT_FALSE(model.nationSelection());

  view.events.clear();
  BaseSettings reported = unitSettings(7, 12);  // nation 7 shows as Europe
  reported.powerDbm = 3;                        // not offered: shown as 10
  model.frameReceived(reply(reported));
  EXPECT_EQ(view.events, (std::vector<std::string>{
                             "timer off", "The current settings of base unit have been loaded."}));
  EXPECT_EQ(model.reported(), reported) << "kept as the unit said it, for vkr's report";
  EXPECT_EQ(std::tuple(model.nationSelection(), model.record().nation, model.channelSelection(),
                       model.powerSelection(), model.record().powerDbm),
            std::tuple(0, 0, 11, 0, 10));
  EXPECT_TRUE(model.idChecked(1) && model.idChecked(16) && !model.idChecked(2));
  EXPECT_EQ(model.radioSelection(RadioGroup::Flow), 2);
  EXPECT_EQ(model.applicationText(), "2.1.0b");

  // Codes no button has leave their groups alone, and an upload sends those selections.
  reported.baudCode = 0;
  reported.parityCode = 7;
  reported.bootloaderVersion = {'9', '9', '9', 0};
  model.frameReceived(reply(reported, CommandCode::SettingsUploaded));
  EXPECT_EQ(model.bootloaderText(), "1.0.3") << "an upload echo carries no versions";
  model.clickRadio(RadioGroup::StopBits, 1);
  model.clickUpload();
  EXPECT_EQ(uploadBytes(view.sent.back()),
            (std::vector<std::uint8_t>{0xF1, 0x0A, 12, 0x01, 0x80, 4, 0xFF, 0, 1, 1, 3, 2, 2}));
  EXPECT_FALSE(model.uploadEnabled());

  // A unit that was never set: only the versions change; an unknown code changes nothing.
  BaseSettings neverSet = unitSettings(1, 30);
  neverSet.bootloaderVersion = {'9', '0', '3', 0};
  ReportFrame unset = reply(neverSet);
  std::fill(unset.begin() + 2, unset.begin() + 8, 0xFF);
  ReportFrame other = reply(neverSet);
  other[1] = 0x56;
  view.events.clear();
  model.frameReceived(unset);
  model.frameReceived(other);
  EXPECT_EQ(view.events,
            (std::vector<std::string>{"timer off", settingsMessageText(SettingsMessage::UnsetUnit),
                                      "timer off"}));
  EXPECT_EQ(
      std::tuple(model.channelEntries().size(), model.channelSelection(), model.bootloaderText()),
      std::tuple(16U, 11, "9.0.3"));

  // A reported channel the list cannot show is never uploaded: the operator picks one first.
  model.frameReceived(reply(unitSettings(0, 0)));
  EXPECT_FALSE(model.channelSelection());
  model.clickIdBox(3, true);
  model.repaint();
  EXPECT_TRUE(model.idChecked(3)) << "a click survives a repaint";
  EXPECT_FALSE(model.uploadEnabled());
  const std::size_t sentBefore = view.sent.size();
  model.clickUpload();
  EXPECT_EQ(view.sent.size(), sentBefore);
  model.closeChannelList(2);
  ASSERT_TRUE(model.uploadEnabled());
  model.clickUpload();
  EXPECT_EQ(view.sent.back()[3], 3);
  EXPECT_EQ(view.sent.back()[4], 0x05) << "IDs 1 and 3";
}

TEST(SetBaseUnitModel, HoppingListClosingAndDefaultsThenUploadSendTheWindowValues) {
  FakeView view;
  view.link = LinkProtocol::Usb;
  SetBaseUnitModel model(view, view);
  model.open();
  EXPECT_EQ(view.events, (std::vector<std::string>{"line 9600,n,8,1", "read"}))
      << "no reply timer over USB";
  model.closePowerList(model.powerSelection());
  EXPECT_TRUE(model.uploadEnabled()) << "closing the list unchanged still enables Upload";
  // Before any frame was received the defaults are Europe's.
  model.clickReturnDefaultSettings();
  EXPECT_EQ(model.channelEntries().size(), 16U);

  // China's 36 channels halve to 18 with hopping: channel 18 stays, with no message.
  model.frameReceived(reply(unitSettings(1, 18)));
  view.messages.clear();
  model.toggleHopping(true);
  EXPECT_EQ(std::tuple(model.channelEntries().back(), model.record().channel),
            std::tuple("18", 18));
  EXPECT_TRUE(view.messages.empty());
  model.clickUpload();
  EXPECT_EQ(view.sent.back()[8], 1) << "hopping on";

  model.clickRadio(RadioGroup::Baud, 5);
  model.clickRadio(RadioGroup::Baud, 7);  // no such button: nothing changes
  FramePayload earlier;                   // a frame of another window, sent meanwhile
  earlier.bytes.fill(0x33);
  earlier.end = frame_pos::kPayloadLast + 1;
  view.channel.send(CommandCode::BaseUpgradeBlock, earlier);
  model.clickReturnDefaultSettings();
  EXPECT_EQ(model.channelEntries().size(), 36U) << "the nation last reported";
  EXPECT_EQ(model.channelSelection(), 5);
  EXPECT_TRUE(model.uploadEnabled());
  EXPECT_EQ(model.summaryText().rfind("The nation is China", 0), 0U);
  model.repaint();
  model.clickUpload();
  EXPECT_EQ(uploadBytes(view.sent.back()),
            (std::vector<std::uint8_t>{0xF1, 0x0A, 6, 0x01, 0x00, 5, 0xFF, 0, 2, 1, 1, 1, 1}));
  EXPECT_EQ(view.sent.back()[14], 0x33) << "bytes past the upload keep what was there";
  model.frameReceived(reply(unitSettings(2, 65), CommandCode::SettingsUploaded));
  EXPECT_EQ(view.events.back(), "The new settings of base unit have been uploaded.");
  EXPECT_EQ(model.nationEntries().at(static_cast<std::size_t>(*model.nationSelection())),
            "           ")
      << "the echo's nation is taken";

  // Turkey's 128 channels halve to 64: channel 65 becomes 6, and the window says so.
  view.messages.clear();
  model.toggleHopping(true);
  EXPECT_EQ(std::tuple(model.channelEntries().size(), model.record().channel), std::tuple(64U, 6));
  EXPECT_EQ(view.messages, std::vector<SettingsMessage>{SettingsMessage::ChannelReset});
  model.toggleHopping(false);
  EXPECT_EQ(std::tuple(model.channelEntries().size(), model.record().channel), std::tuple(128U, 6));
  model.closePowerList(7);
  model.clickUpload();
  EXPECT_EQ(view.sent.back()[2], 0xEC);
}

SettingsChange change(std::optional<bool> hopping, std::optional<int> channel = {}) {
  SettingsChange c;
  c.hopping = hopping;
  c.channel = channel;
  return c;
}

// vkr's change, given as values; what the window's rules change beside it is named.
TEST(SetBaseUnitModel, ChangesAppliedAsValues) {
  // Before the read only the widest range of any nation can be checked.
  EXPECT_NO_THROW(checkChange(change({}, 128)));
  EXPECT_THROW(checkChange(change({}, 129)), std::invalid_argument);
  EXPECT_THROW(checkChange(change(true, 65)), std::invalid_argument);

  FakeView view;
  SetBaseUnitModel model(view, view);
  model.open();
  BaseSettings reported = unitSettings(0, 12);
  reported.powerDbm = 3;
  reported.parityCode = 0;
  model.frameReceived(reply(reported));
  SettingsChange ids = change(true);
  ids.associatedIds = 0x0002;
  EXPECT_EQ(model.applyChange(ids), (std::vector<FieldAdjustment>{{SettingsField::Power, 3, 10},
                                                                  {SettingsField::Channel, 12, 6},
                                                                  {SettingsField::Parity, 0, 1}}));
  EXPECT_EQ(view.messages.back(), SettingsMessage::ChannelReset);
  EXPECT_THAT([&] { model.applyChange(change({}, 9)); },
              ::testing::ThrowsMessage<std::invalid_argument>(
                  ::testing::HasSubstr("1 to 8 for Europe with hopping")));

  // A reported channel the list cannot show needs an explicit choice.
  model.frameReceived(reply(unitSettings(0, 40)));
  EXPECT_THROW(model.applyChange(change(false)), std::invalid_argument);
  SettingsChange values = change(false, 16);
  values.powerPosition = 7;
  values.parityCode = 2;
  model.applyChange(values);
  model.clickUpload();
  EXPECT_EQ(uploadBytes(view.sent.back()),
            (std::vector<std::uint8_t>{0xF1, 0xEC, 16, 0x01, 0x80, 4, 0xFF, 0, 1, 2, 2, 2, 2}));
  // Naming only what is shown still uploads.
  model.applyChange(change(false));
  EXPECT_TRUE(model.uploadEnabled());
}

}  // namespace
}  // namespace orbelle
