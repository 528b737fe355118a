#include <vector>

#include "upgrade/TransferFixture.h"

namespace orbelle::testing {
namespace {

using Log = std::vector<std::string>;
using TransferSafety = TransferFixture;

const CommandCode kBaseReplies[] = {
    CommandCode::BaseUpgradeStartAck, CommandCode::BaseUpgradeBlockAck,
    CommandCode::BaseUpgradeBlockRetry, CommandCode::BaseUpgradeHandshake,
    CommandCode::BaseUpgradeDone};

TEST_F(TransferSafety, NothingHappensWhileThereIsNoImageLength) {
  for (const CommandCode code : kBaseReplies) {
    reply(base, code);
  }
  base.pauseElapsed();
  EXPECT_TRUE(host.log.empty());

  base.StartUpgrade(image(0));
  EXPECT_EQ(host.log, (Log{"disable", "message The file has no data!", "enable"}));
  EXPECT_EQ(host.messages.at(0).title, "VKR - Software Problem/Settings Message");
  host.clear();
  for (const CommandCode code : kBaseReplies) {
    reply(base, code);
  }
  EXPECT_TRUE(host.log.empty());
}

TEST_F(TransferSafety, AFileThatCannotBeOpenedLeavesTheButtonOff) {
  for (const auto& path : {dir / "missing.dat", dir.path(), std::filesystem::path()}) {
    host.clear();
    base.StartUpgrade(path);
    EXPECT_EQ(host.log, (Log{"disable", "message Can not open the file!"})) << path;
    EXPECT_EQ(host.messages.at(0).icon, MessageIcon::Error);
  }
  EXPECT_FALSE(host.upgradeEnabled);
}

TEST_F(TransferSafety, ImagesBeyondSixteenMebibytesAreRefusedBeforeAnythingIsSent) {
  const auto path = dir / "big.dat";
  writeFile(path, "");
  std::filesystem::resize_file(path, 16'777'217);
  base.StartUpgrade(path);
  EXPECT_TRUE(host.frames.empty());
  ASSERT_EQ(host.messages.size(), 1U);
  EXPECT_NE(host.messages[0].text.find("16777217"), std::string::npos);
  EXPECT_NE(host.messages[0].text.find("16777216"), std::string::npos);
  EXPECT_TRUE(host.upgradeEnabled);
  reply(base, CommandCode::BaseUpgradeDone);
  EXPECT_EQ(host.messages.size(), 1U);

  std::filesystem::resize_file(path, 16'777'216);
  base.StartUpgrade(path);
  EXPECT_EQ(readLe32(host.frames.at(0), 2), 0x01000000U);
}

TEST_F(TransferSafety, RepliesAfterTheImageIsClosedSendNothing) {
  startPast(base, image(64));
  reply(base, CommandCode::BaseUpgradeStartAck);
  reply(base, CommandCode::BaseUpgradeDone);
  host.clear();
  for (const CommandCode code : kBaseReplies) {
    if (code != CommandCode::BaseUpgradeDone) {
      reply(base, code);
    }
  }
  EXPECT_TRUE(host.log.empty());

  // A stale start acknowledgement reaching a later opening of the window.
  startPast(base, image(64));
  base.closeImage();
  reply(base, CommandCode::BaseUpgradeStartAck);
  reply(base, CommandCode::BaseUpgradeBlockAck);
  EXPECT_TRUE(host.frames.empty());
}

TEST_F(TransferSafety, RetryBeforeAnyBlockOfThisTransferIsIgnored) {
  startPast(base, image(40));
  reply(base, CommandCode::BaseUpgradeStartAck);
  reply(base, CommandCode::BaseUpgradeBlockAck);
  reply(base, CommandCode::BaseUpgradeBlockAck);
  ASSERT_EQ(base.lastBlockLength(), 8U);
  startPast(base, image(40));
  reply(base, CommandCode::BaseUpgradeBlockRetry);
  EXPECT_TRUE(host.frames.empty());
  reply(base, CommandCode::BaseUpgradeStartAck);
  EXPECT_EQ(base.offset(), 32U);
}

TEST_F(TransferSafety, LastAcknowledgementOverUsbStaysOnUsb) {
  startPast(base, image(5));
  reply(base, CommandCode::BaseUpgradeStartAck);
  host.clear();
  reply(base, CommandCode::BaseUpgradeBlockAck);
  EXPECT_EQ(host.log, (Log{"enable", "progress 100", "message The base unit has been upgraded.",
                           "progress 0"}));
  EXPECT_EQ(link.protocol, LinkProtocol::Usb);
}

TEST_F(TransferSafety, ARefusedReopenEndsTheCompletionWithThePortsOwnWords) {
  link.protocol = LinkProtocol::Rs232;
  host.reopenRefusal = "Failed to open COM2 (/dev/ttyS1): device busy";
  startPast(base, image(5));
  reply(base, CommandCode::BaseUpgradeStartAck);
  reply(base, CommandCode::BaseUpgradeBlockAck);
  base.pauseElapsed();
  ASSERT_EQ(host.messages.size(), 1U);
  EXPECT_EQ(host.messages[0].text, host.reopenRefusal);
  EXPECT_EQ(host.messages[0].title, "VKR - Hardware Problem/Communication Message");
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Error);
  EXPECT_EQ(host.progress, 100);
  EXPECT_EQ(base.state(), UpgradeState::Idle);
}

TEST_F(TransferSafety, RepliesDuringAPauseAreHandledAfterItInOrder) {
  link.protocol = LinkProtocol::Rs232;
  base.StartUpgrade(image(40));
  host.clear();
  reply(base, CommandCode::BaseUpgradeStartAck);
  reply(base, CommandCode::BaseUpgradeBlockAck);
  reply(base, CommandCode::ReadSettings);  // not ours: not even queued
  reply(base, CommandCode::BaseUpgradeBlockRetry);
  EXPECT_TRUE(host.log.empty());
  EXPECT_EQ(base.pendingReplies(), 3U);
  base.pauseElapsed();
  EXPECT_EQ(host.log,
            (Log{"settings 19200,n,8,1", "send 55", "send 55", "progress 100", "send 55"}));
  EXPECT_EQ(slotOf(host.frames.at(2)), 1);

  host.clear();
  reply(base, CommandCode::BaseUpgradeBlockAck);
  reply(base, CommandCode::BaseUpgradeDone);
  base.pauseElapsed();
  EXPECT_EQ(host.log,
            (Log{"enable", "progress 100", "pause long x6", "discard", "reopen",
                 "message The base unit has been upgraded.", "progress 0", "enable", "progress 100",
                 "message The base unit has been upgraded.", "progress 0"}));
  base.pauseElapsed();
  EXPECT_EQ(host.messages.size(), 2U) << "a late timer ends no pause";
}

// A host whose link answers inside sendFrame and whose pauses end inside startPause, as a
// loop-back in one thread would.
class EagerHost : public FakeUpgradeHost {
 public:
  using FakeUpgradeHost::FakeUpgradeHost;
  void sendFrame(CommandCode code) override {
    FakeUpgradeHost::sendFrame(code);
    ReportFrame rx{};
    rx[1] = codeByte(code == CommandCode::BaseUpgradeStart ? CommandCode::BaseUpgradeStartAck
                                                           : CommandCode::BaseUpgradeBlockAck);
    engine->HandleReply(rx);
  }
  void startPause(PauseKind kind, int count) override {
    FakeUpgradeHost::startPause(kind, count);
    engine->pauseElapsed();
  }
  UpgradeTransfer* engine = nullptr;
};

TEST_F(TransferSafety, RepliesHandedOverFromInsideAHostCallWaitTheirTurn) {
  link.protocol = LinkProtocol::Rs232;
  EagerHost eager(link);
  UpgradeTransfer engine{kBaseUpgradeTable, link, eager, runFlags};
  eager.engine = &engine;
  engine.StartUpgrade(image(70));
  ASSERT_EQ(eager.frames.size(), 4U);
  for (std::size_t b = 0; b < 3; ++b) {
    EXPECT_EQ(slotOf(eager.frames[b + 1]), b);
  }
  EXPECT_EQ(eager.log,
            (Log{"discard", "disable", "settings 9600,n,8,1", "send 5a", "pause short x1",
                 "settings 19200,n,8,1", "send 55", "send 55", "progress 91", "send 55",
                 "progress 100", "enable", "progress 100", "pause long x6", "discard", "reopen",
                 "message The base unit has been upgraded.", "progress 0"}));
}

TEST_F(TransferSafety, AnImageThatShrinksIsNotPaddedOutWithZeros) {
  const auto path = image(100);
  startPast(base, path);
  reply(base, CommandCode::BaseUpgradeStartAck);
  std::filesystem::resize_file(path, 40);
  host.clear();
  reply(base, CommandCode::BaseUpgradeBlockAck);
  reply(base, CommandCode::BaseUpgradeBlockAck);
  EXPECT_EQ(host.frames.size(), 0U);
  ASSERT_EQ(host.messages.size(), 1U);
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Error);
  EXPECT_TRUE(host.upgradeEnabled);
}

TEST_F(TransferSafety, CountersAndEventsFollowTheTransfer) {
  std::vector<UpgradeEvent> events;
  base.setEventHook([&](UpgradeEvent event) { events.push_back(event); });
  startPast(base, image(40));
  reply(base, CommandCode::BaseUpgradeStartAck);
  reply(base, CommandCode::BaseUpgradeHandshake);
  reply(base, CommandCode::BaseUpgradeBlockAck);
  reply(base, CommandCode::BaseUpgradeBlockRetry);
  reply(base, CommandCode::BaseUpgradeBlockAck);
  EXPECT_EQ(events,
            (std::vector<UpgradeEvent>{
                UpgradeEvent::StartSent, UpgradeEvent::BlockSent, UpgradeEvent::HandshakeAnswered,
                UpgradeEvent::BlockSent, UpgradeEvent::BlockResent,
                UpgradeEvent::AllBlocksAcknowledged, UpgradeEvent::Completed}));
  const UpgradeCounters& counters = base.counters();
  EXPECT_EQ(counters.blocksSent, 3U);
  EXPECT_EQ(counters.bytesSent, 48U);
  EXPECT_EQ(counters.retries, 1U);
  EXPECT_EQ(counters.handshakes, 1U);
  EXPECT_EQ(completionName(counters.completion), "last-ack");

  startPast(base, image(40));
  EXPECT_EQ(base.counters().blocksSent, 0U) << "a new start counts afresh";
}

}  // namespace
}  // namespace orbelle::testing
