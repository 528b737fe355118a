#include <algorithm>

#include <gtest/gtest.h>

#include "protocol/Fcs16.h"
#include "settings/SettingsCodec.h"
#include "settings/SettingsExchange.h"

namespace orbelle {
namespace {

// Records what the exchange asks of the window and the link, in order.
class FakeHost : public SettingsExchangeHost {
 public:
  ReportFrame& txFrame() override { return tx; }
  void sendFrame(CommandCode code) override {
    tx[1] = codeByte(code);
    Fcs16::seal(tx);
    sent.push_back(tx);
  }
  LinkProtocol protocol() const override { return link; }
  void setSerialLineSettings(std::string_view line) override { log("line " + std::string(line)); }
  void startReplyTimer() override { log("timer on"); }
  void stopReplyTimer() override { log("timer off"); }
  void refresh(bool versions) override { log(versions ? "refresh+versions" : "refresh"); }
  void showVersionTexts() override { log("versions"); }
  void setUploadEnabled(bool on) override { log(on ? "upload on" : "upload off"); }
  void showMessage(SettingsMessage message) override { log(settingsMessageText(message)); }
  void log(std::string event) { events.push_back(std::move(event)); }

  LinkProtocol link = LinkProtocol::Rs232;
  ReportFrame tx{};
  std::vector<ReportFrame> sent;
  std::vector<std::string> events;
};

// Europe's defaults with channel 12 and versions 1.0.3 and 2.1.0; nation 9 is shown as Europe.
ReportFrame currentSettingsReply() {
  ReportFrame f{};
  const std::uint8_t bytes[] = {0xF4, 0x07, 12,  0x05, 0,   3, 9, 0, 0, '3', '0',
                                '1',  0,    '0', '1',  '2', 2, 1, 1, 1, 1};
  std::copy(std::begin(bytes), std::end(bytes), f.begin() + 1);
  return f;
}

TEST(SettingsExchange, OpeningSetsTheLineTo9600ThenReadArmsTheTimerAndAReplyStopsIt) {
  FakeHost host;
  SettingsExchange exchange(host);
  exchange.open();
  ASSERT_EQ(host.sent.size(), 1U);
  EXPECT_EQ(host.sent[0][1], 0xF3);
  exchange.onFrameReceived(currentSettingsReply());
  EXPECT_EQ(host.events, (std::vector<std::string>{
                             "line 9600,n,8,1", "timer on", "timer off", "refresh+versions",
                             "The current settings of base unit have been loaded."}));
  EXPECT_EQ(exchange.record().nation, 0);
  EXPECT_EQ(exchange.record().channel, 12);
  EXPECT_EQ(exchange.bootloaderText(), "1.0.3");
  EXPECT_EQ(exchange.applicationText(), "2.1.0");

  host.events.clear();
  host.link = LinkProtocol::Usb;
  exchange.requestCurrentSettings();
  EXPECT_TRUE(host.events.empty()) << "no timer runs over USB";
}

TEST(SettingsExchange, UnsetUnitShowsVersionsOnlyAndUnknownCodesChangeNothing) {
  FakeHost host;
  SettingsExchange exchange(host);
  exchange.onFrameReceived(currentSettingsReply());
  const BaseSettings before = exchange.record();

  ReportFrame unset = currentSettingsReply();
  std::fill(unset.begin() + 2, unset.begin() + 8, 0xFF);
  unset[12] = '9';
  host.events.clear();
  exchange.onFrameReceived(unset);
  EXPECT_EQ(exchange.record(), before);
  EXPECT_EQ(exchange.bootloaderText(), "9.0.3");
  EXPECT_EQ(host.events,
            (std::vector<std::string>{
                "timer off", "versions",
                "No settings can be read from the base unit.\nThe unit may have not been set."}))
      << "no refresh: the lists stay as they were";

  ReportFrame other = currentSettingsReply();
  other[1] = 0x56;
  host.events.clear();
  exchange.onFrameReceived(other);
  EXPECT_EQ(host.events, std::vector<std::string>{"timer off"})
      << "an unknown code still stops the reply timer over RS232";
}

TEST(SettingsExchange, UploadEchoKeepsVersionsAndTheUploadButtonGoesOff) {
  FakeHost host;
  SettingsExchange exchange(host);
  exchange.onFrameReceived(currentSettingsReply());
  host.tx.fill(0x33);
  BaseSettings shown = exchange.record();
  shown.channel = 3;
  exchange.uploadSettings(shown);
  ASSERT_EQ(host.sent.back()[1], 0xF1);
  EXPECT_EQ(host.sent.back()[7], 0xFF) << "the nation is never uploaded";
  EXPECT_EQ(host.sent.back()[20], 0x33) << "bytes past the upload keep what was there";
  EXPECT_EQ(host.events.back(), "upload off");

  ReportFrame echo = host.sent.back();
  echo[1] = 0xF2;
  echo[7] = 1;
  exchange.onFrameReceived(echo);
  EXPECT_EQ(exchange.record().channel, 3);
  EXPECT_EQ(exchange.record().nation, 1);
  EXPECT_EQ(versionText(exchange.record().bootloaderVersion), "1.0.3");
  EXPECT_EQ(host.events.back(), "The new settings of base unit have been uploaded.");
}

TEST(SettingsExchange, TimerAndDefaults) {
  FakeHost host;
  SettingsExchange exchange(host);
  exchange.onReplyTimer();
  EXPECT_EQ(host.events.back(), "Cannot communicate with the base unit.");
  EXPECT_STREQ(settingsMessageTitle(SettingsMessage::NoReply),
               "VKR - Hardware Problem/Communication Message");

  ReportFrame neverReceived{};
  exchange.returnDefaultSettings(neverReceived);
  EXPECT_EQ(exchange.record().nation, 0);
  EXPECT_EQ(exchange.record().channel, 6);
  EXPECT_EQ(host.events.back(), "upload on");
  ReportFrame china{};
  china[7] = 1;
  exchange.returnDefaultSettings(china);
  EXPECT_EQ(exchange.record().nation, 1);
}

}  // namespace
}  // namespace orbelle
