#include <gtest/gtest.h>

#include "protocol/Fcs16.h"
#include "protocol/FrameChannel.h"
#include "protocol/LineSettings.h"
#include "support/FakeTransports.h"

namespace orbelle::testing {
namespace {

class RecordingReceiver : public ReplyReceiver {
 public:
  void onLinkReply(const Reply& reply) override {
    frames.push_back(reply.frame);
    verdicts.push_back(reply.fcsGood);
  }
  std::vector<ReportFrame> frames;
  std::vector<bool> verdicts;
};

struct LinkFixture : ::testing::Test {
  FakeHid hid;
  FakeSerial serial;
  LinkChoice state;
  FrameChannel link{state};
  ReplyDispatcher& dispatcher = link.dispatcher();

  LinkFixture() { link.setTransports(&hid, &serial); }
};

TEST_F(LinkFixture, SendFrameKeepsEarlierPayloadSealsItGoesToTheChosenLinkOnlyAndCloseReleases) {
  state.protocol = LinkProtocol::Usb;
  FramePayload upload;
  upload.bytes[0] = 0x99;
  upload.bytes.fill(0x55);
  for (std::size_t i = 2; i <= 13; ++i) {
    upload.bytes[i] = static_cast<std::uint8_t>(0xA0 + i);
  }
  upload.end = 14;
  link.send(CommandCode::UploadSettings, upload);
  link.send(CommandCode::ReadSettings);
  ASSERT_EQ(hid.sent.size(), 2U);
  const ReportFrame& read = hid.sent[1];
  EXPECT_EQ(std::tuple(read[0], read[1]), std::tuple(0, 0xF3)) << "report ID zero, then the code";
  for (std::size_t i = 2; i <= 13; ++i) {
    EXPECT_EQ(read[i], 0xA0 + i);
  }
  EXPECT_EQ(read[14], 0) << "a payload sets its own bytes and no more";
  EXPECT_EQ(Fcs16::update(Fcs16::kInitial, std::span<const std::uint8_t>(read.data() + 1, 38)),
            Fcs16::kGoodResidue);

  state.protocol = LinkProtocol::Rs232;
  link.send(CommandCode::ReadSettings);
  ASSERT_EQ(serial.sent.size(), 1U);
  EXPECT_EQ(serial.sent[0], std::vector<std::uint8_t>(read.begin() + 1, read.end()))
      << "the report ID stays behind";

  state.protocol = static_cast<LinkProtocol>(7);
  link.send(CommandCode::ReadSettings);
  EXPECT_EQ(std::tuple(serial.sent.size(), hid.sent.size()), std::tuple(1U, 2U));

  // Closing releases both links.
  state.protocol = LinkProtocol::Rs232;
  EXPECT_EQ(link.open(), LinkOutcome::Usable);
  hid.held = true;
  link.close();
  EXPECT_FALSE(hid.held || link.serialOpen() || serial.isOpen);
  serial.calls.clear();
  link.close();
  EXPECT_TRUE(serial.calls.empty()) << "a closed port is not closed again";
}

TEST_F(LinkFixture, RepliesGoToTheActiveReceiverOnlyAndOtherwiseDropSilently) {
  RecordingReceiver settings;
  RecordingReceiver upgrade;
  dispatcher.attach(FeatureWindow::SetBaseUnit, &settings);
  dispatcher.attach(FeatureWindow::UpgradeBaseUnit, &upgrade);

  std::array<std::uint8_t, kFrameSize> report{};
  report[0] = 0x07;
  report[1] = 0xF4;
  report[37] = 0xEE;  // a wrong FCS is delivered all the same
  dispatcher.setActiveFeature(FeatureWindow::SetBaseUnit);
  link.deliverHidReport(report);
  ASSERT_EQ(settings.frames.size(), 1U);
  EXPECT_EQ(settings.frames[0], report);
  EXPECT_EQ(settings.verdicts, std::vector<bool>{false}) << "taken, and judged once";

  std::array<std::uint8_t, kWireFrameSize> wire{};
  wire[0] = 0x56;
  dispatcher.setActiveFeature(FeatureWindow::UpgradeBaseUnit);
  link.deliverSerialFrame(wire);
  ASSERT_EQ(upgrade.frames.size(), 1U);
  EXPECT_EQ(std::tuple(upgrade.frames[0][0], upgrade.frames[0][1]), std::tuple(0x07, 0x56))
      << "a serial frame leaves byte 0 untouched";

  for (FeatureWindow feature :
       {FeatureWindow::SetProtocol, FeatureWindow::None, FeatureWindow::UpgradeHandheldUnit}) {
    dispatcher.setActiveFeature(feature);
    link.deliverSerialFrame(wire);
  }
  dispatcher.setActiveFeature(FeatureWindow::SetBaseUnit);
  dispatcher.detach(FeatureWindow::SetBaseUnit);
  link.deliverSerialFrame(wire);
  EXPECT_EQ(std::tuple(settings.frames.size(), upgrade.frames.size()), std::tuple(1U, 1U));
}

TEST_F(LinkFixture, StrayRepliesAreDroppedBeforeEverySendAndTheTraceMarksBadFcs) {
  std::vector<std::string> lines;
  link.setTrace([&](const TraceEvent& event) {
    ASSERT_EQ(event.kind, TraceKind::Frame);
    lines.push_back(formatTraceLine(event.direction, event.bytes));
  });
  state.protocol = LinkProtocol::Rs232;
  link.send(CommandCode::ReadSettings);
  state.protocol = LinkProtocol::Usb;
  link.send(CommandCode::ReadSettings);
  EXPECT_EQ(serial.calls, (std::vector<std::string>{"drop", "send"}));
  EXPECT_EQ(hid.calls, (std::vector<std::string>{"drop", "send"}));

  link.deliverSerialFrame(std::array<std::uint8_t, kWireFrameSize>{0xF4});
  std::array<std::uint8_t, kFrameSize> good{0, 0xF4};
  Fcs16::seal(good);
  link.deliverHidReport(good);
  ASSERT_EQ(lines.size(), 4U);
  EXPECT_EQ(lines[0].substr(0, 8), "> 00 f3 ");
  EXPECT_EQ(lines[0].substr(lines[0].size() - 5), "9f d8");
  EXPECT_EQ(lines[0].size(), 1 + 39 * 3U);
  EXPECT_EQ(lines[2].substr(0, 8), "< 00 f4 ");
  EXPECT_EQ(lines[2].substr(lines[2].size() - 15), " 00 00  bad FCS");
  EXPECT_EQ(lines[3].size(), 1 + 39 * 3U) << "a good reply carries no mark";
  EXPECT_EQ(formatTraceLine(FrameDirection::Dropped, std::array<std::uint8_t, 2>{0x56, 0x0a}),
            "x dropped 2 bytes: 56 0a");
}

TEST_F(LinkFixture, SerialStepsAreTracedInOrderOnlyWhenTheyReachAnOpenPort) {
  std::vector<std::string> steps;
  link.setTrace([&](const TraceEvent& event) {
    steps.push_back(std::to_string(static_cast<int>(event.kind)) + std::string(event.text));
  });
  link.setSerialLineSettings("9600,n,8,1");
  link.discardSerialInput();
  EXPECT_TRUE(steps.empty()) << "a closed port takes nothing now";

  serial.isOpen = true;
  state.port = 2;
  state.baudrate = 38400;
  link.setSerialLineSettings("9600,n,8,1");
  link.discardSerialInput();
  link.reopenSerial();
  const auto step = [](TraceKind kind, const char* text = "") {
    return std::to_string(static_cast<int>(kind)) + text;
  };
  EXPECT_EQ(steps,
            (std::vector<std::string>{
                step(TraceKind::LineSettings, "9600,n,8,1"), step(TraceKind::InputDiscarded),
                step(TraceKind::SerialReopened), step(TraceKind::LineSettings, "38400,n,8,1")}));
  EXPECT_EQ(serial.calls.back(), "open 2 38400");

  serial.refusal = "no such port";
  EXPECT_THROW(link.reopenSerial(), LinkError);
  EXPECT_FALSE(link.serialOpen());
}

TEST(LineSettings, ParsesSettingsStringsAndRejectsMalformedOnes) {
  EXPECT_EQ(parseLineSettings("19200,n,8,1"), (LineSettings{19200, 'n', 8, 1}));
  EXPECT_EQ(parseLineSettings("4800,E,7,2"), (LineSettings{4800, 'e', 7, 2}));
  for (const char* bad : {"", "9600", "9600,n,8", "9600,x,8,1", "9600,n,9,1", "9600,n,8,3",
                          "-1,n,8,1", "9600,nn,8,1", "9600,n,8,1,", "96oo,n,8,1"}) {
    EXPECT_FALSE(parseLineSettings(bad)) << bad;
  }
}

}  // namespace
}  // namespace orbelle::testing
