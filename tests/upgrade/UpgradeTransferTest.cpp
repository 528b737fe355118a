#include <vector>

#include "upgrade/TransferFixture.h"
#include "upgrade/UpgradeFrames.h"

namespace orbelle::testing {
namespace {

using Log = std::vector<std::string>;
using BaseTransfer = TransferFixture;
using HandheldTransfer = TransferFixture;

TEST_F(BaseTransfer, ThousandByteImageOverRs232FromStartToReopen) {
  link.protocol = LinkProtocol::Rs232;
  sendEarlierFrame(0xA5);
  base.startUpgrade(image(1000));
  EXPECT_EQ(host.log,
            (Log{"discard", "disable", "settings 9600,n,8,1", "send 5a", "pause short x1"}));
  const ReportFrame& start = host.frames.at(0);
  EXPECT_EQ(std::vector<int>(start.begin() + 1, start.begin() + 7),
            (std::vector<int>{0x5A, 0xE8, 0x03, 0x00, 0x00, 0x32}));
  EXPECT_EQ(std::tuple(start[7], start[36]), std::tuple(0xA5, 0xA5));

  base.pauseElapsed();
  EXPECT_EQ(host.log.back(), "settings 19200,n,8,1");

  reply(base, CommandCode::BaseUpgradeStartAck);
  for (int ack = 0; ack < 31; ++ack) {
    reply(base, CommandCode::BaseUpgradeBlockAck);
  }
  ASSERT_EQ(host.frames.size(), 33U);
  const ReportFrame& fourteenth = host.frames[14];
  EXPECT_EQ(std::vector<int>(fourteenth.begin() + 1, fourteenth.begin() + 5),
            (std::vector<int>{0x55, 0x01, 0x00, 0x05}));
  EXPECT_EQ(fourteenth[5], imageByte(416));
  const ReportFrame& last = host.frames[32];
  EXPECT_EQ(std::tuple(pageOf(last), slotOf(last)), std::tuple(3, 7));
  EXPECT_EQ(last[5 + 7], imageByte(999));
  EXPECT_EQ(std::count(last.begin() + 5 + 8, last.begin() + 37, 0), 24) << "zero padding";
  EXPECT_EQ(host.progress, 100);

  // A repeat right behind the last acknowledgement goes before the restart pause; the unit
  // then keeps quiet, and only then does the transfer count as done.
  host.clear();
  reply(base, CommandCode::BaseUpgradeBlockAck);
  EXPECT_EQ(host.log, (Log{"progress 100", "drop repeats", "pause long x6"}));
  EXPECT_FALSE(host.upgradeEnabled) << "still waiting to see the unit restart";
  base.pauseElapsed();
  EXPECT_EQ(host.log,
            (Log{"progress 100", "drop repeats", "pause long x6", "discard", "reopen", "enable",
                 "progress 100", "message The base unit has been upgraded.", "progress 0"}));
  base.pauseElapsed();
  EXPECT_EQ(host.messages.size(), 1U) << "a late timer ends no pause";
  EXPECT_EQ(link.protocol, LinkProtocol::Rs232);
}

TEST_F(HandheldTransfer, TheUnitSpeakingWhileItShouldRestartIsNeverTakenForSuccess) {
  link.protocol = LinkProtocol::Rs232;
  // One block: its acknowledgement is the last.
  const auto toRestart = [&](std::size_t size) {
    startPast(handheld, image(size));
    reply(handheld, CommandCode::HandheldUpgradeStartAck);
    reply(handheld, CommandCode::HandheldUpgradeBlockAck);
    host.clear();
  };
  // A retry request then: the acknowledgement taken for the last block was a repeat; the
  // block goes again at once, and its own acknowledgement starts the wait afresh.
  toRestart(20);
  reply(handheld, CommandCode::HandheldUpgradeBlockRetry);
  handheld.pauseElapsed();
  EXPECT_EQ(host.log, (Log{"send 35"}));
  EXPECT_EQ(host.frames.at(0)[5 + 19], imageByte(19));
  reply(handheld, CommandCode::HandheldUpgradeBlockAck);
  handheld.pauseElapsed();
  EXPECT_EQ(host.outcomes, std::vector{UpgradeOutcome::CompletedByLastAck});
  EXPECT_EQ(handheld.counters().retries, 1U);

  // Any other reply, or a frame's worth of dropped bytes, leaves the outcome unknown: never
  // "upgraded", and the Upgrade button back on. Fewer bytes are line noise.
  const std::vector<std::pair<std::function<void()>, std::string>> spoke{
      {[&] { reply(handheld, CommandCode::HandheldUpgradeBlockAck); },
       "1 frame (block acknowledgement)"},
      {[&] {
         reply(handheld, CommandCode::HandheldUpgradeBlockRetry);
         reply(handheld, CommandCode::HandheldUpgradeDone);
       },
       "2 frames (retry request, done reply)"},
      {[&] { handheld.onBytesDropped(38); }, "38 bytes that were dropped"},
  };
  for (const auto& [speak, said] : spoke) {
    toRestart(20);
    speak();
    handheld.pauseElapsed();
    EXPECT_EQ(host.outcomes.back(), UpgradeOutcome::CompletionInDoubt) << said;
    ASSERT_EQ(host.messages.size(), 1U) << said;
    EXPECT_EQ(host.messages[0].text,
              "The base unit sent " + said +
                  " after the last block, when it should have been restarting, so it is not "
                  "known whether the handheld unit received the whole image. Please send the "
                  "file again!");
    EXPECT_TRUE(host.upgradeEnabled);
    EXPECT_EQ(handheld.counters().completion, UpgradeCompletion::None);
  }
  toRestart(20);
  handheld.onBytesDropped(37);
  handheld.pauseElapsed();
  EXPECT_EQ(host.outcomes.back(), UpgradeOutcome::CompletedByLastAck);
}

TEST_F(BaseTransfer, RetryResendsTheSameBlockAnyNumberOfTimes) {
  startPast(base, image(33));
  reply(base, CommandCode::BaseUpgradeStartAck);
  reply(base, CommandCode::BaseUpgradeBlockRetry);
  EXPECT_EQ(host.frames.at(1), host.frames.at(0));
  reply(base, CommandCode::BaseUpgradeBlockAck);
  const ReportFrame shortBlock = host.frames.at(2);
  EXPECT_EQ(slotOf(shortBlock), 1);
  host.clear();
  for (int retry = 0; retry < 3; ++retry) {
    reply(base, CommandCode::BaseUpgradeBlockRetry);
  }
  EXPECT_EQ(host.frames, std::vector<ReportFrame>(3, shortBlock));
  EXPECT_EQ(host.log, Log(3, "send 55")) << "a retry leaves the progress bar alone";
  EXPECT_EQ(std::tuple(base.offset(), base.lastBlockLength()), std::tuple(33U, 1U));
  reply(base, CommandCode::BaseUpgradeBlockAck);
  EXPECT_EQ(std::tuple(host.messages.size(), base.counters().retries), std::tuple(1U, 4U));
}

TEST_F(BaseTransfer, HandshakeResendsTheLastFrameUnderItsOwnCode) {
  startPast(base, image(100));
  reply(base, CommandCode::BaseUpgradeHandshake);
  reply(base, CommandCode::BaseUpgradeStartAck);
  reply(base, CommandCode::BaseUpgradeHandshake);
  ASSERT_EQ(host.frames.size(), 3U);
  EXPECT_EQ(host.frames[0][1], 0x5C);
  EXPECT_EQ(readLe32(host.frames[0], 2), 100U) << "the start payload goes back unchanged";
  const ReportFrame& block = host.frames[1];
  const ReportFrame& answer = host.frames[2];
  EXPECT_EQ(answer[1], 0x5C);
  EXPECT_TRUE(std::equal(block.begin() + 2, block.begin() + 37, answer.begin() + 2));
  EXPECT_NE(readLe16(answer, 37), readLe16(block, 37));
  EXPECT_EQ(base.offset(), 32U);
  reply(base, CommandCode::BaseUpgradeBlockAck);
  EXPECT_EQ(std::tuple(slotOf(host.frames.at(3)), base.counters().handshakes), std::tuple(1, 2U));
}

TEST_F(BaseTransfer, DoneCompletesAgainAfterTheLastAcknowledgementOrShowsHowFarItGot) {
  startPast(base, image(40));
  reply(base, CommandCode::BaseUpgradeStartAck);
  reply(base, CommandCode::BaseUpgradeBlockAck);
  host.clear();
  reply(base, CommandCode::BaseUpgradeBlockAck);
  const Log completed{"enable", "progress 100", "message The base unit has been upgraded.",
                      "progress 0"};
  EXPECT_EQ(host.log, completed) << "no restart pause over USB";
  EXPECT_EQ(link.protocol, LinkProtocol::Usb);
  host.clear();
  reply(base, CommandCode::BaseUpgradeDone);
  EXPECT_EQ(host.log, completed);
  EXPECT_EQ(base.counters().completion, UpgradeCompletion::LastAck);
  EXPECT_EQ(base.counters().completions, 2U);

  // A done reply mid-transfer shows how far it got.
  startPast(base, image(96));
  reply(base, CommandCode::BaseUpgradeStartAck);
  reply(base, CommandCode::BaseUpgradeDone);
  EXPECT_EQ(host.log, (Log{"send 55", "enable", "progress 33",
                           "message The base unit has been upgraded.", "progress 0"}));
  EXPECT_EQ(base.counters().completion, UpgradeCompletion::Done);
  host.clear();
  for (const CommandCode code :
       {CommandCode::BaseUpgradeBlockAck, CommandCode::BaseUpgradeBlockRetry,
        CommandCode::BaseUpgradeHandshake}) {
    reply(base, code);
  }
  EXPECT_TRUE(host.log.empty()) << "the image was closed with the done reply";
}

TEST_F(BaseTransfer, UnknownRateKeepsTheRateCodeAndThePortSettings) {
  link.baudrate = 4800;
  sendEarlierFrame('X');
  base.startUpgrade(image(10));
  base.pauseElapsed();
  EXPECT_EQ(host.frames.at(0)[6], 'X');
  EXPECT_EQ(host.log, (Log{"disable", "settings 9600,n,8,1", "send 5a", "pause short x1"}))
      << "no discard over USB, and nothing to restore after the pause";
}

TEST_F(HandheldTransfer, OnlyTheFirstStartOfTheRunGoesOutAt9600) {
  link.protocol = LinkProtocol::Rs232;
  link.baudrate = 57600;
  handheld.startUpgrade(image(64));
  EXPECT_EQ(host.log, (Log{"disable", "settings 9600,n,8,1", "send 3a", "pause long x1"}))
      << "no discard before a handheld start, even on RS232";
  EXPECT_EQ(host.frames.at(0)[6], '4');
  EXPECT_FALSE(runHistory.firstHandheldStart);
  handheld.pauseElapsed();
  EXPECT_EQ(host.log.back(), "settings 57600,n,8,1");

  host.clear();
  handheld.startUpgrade(image(64));
  EXPECT_EQ(host.log, (Log{"disable", "send 3a", "pause long x1"}));
  handheld.pauseElapsed();
  EXPECT_EQ(host.log.back(), "settings 57600,n,8,1");

  // The flag belongs to the run, not to the window's engine.
  UpgradeTransfer another{kHandheldUpgradeTable, link, host, host, runHistory};
  host.clear();
  another.startUpgrade(image(64));
  EXPECT_EQ(host.log.at(1), "send 3a");
}

TEST_F(HandheldTransfer, SixtyFourBytesInTwoBlocksUnderTheHandheldCodes) {
  startPast(handheld, image(64));
  reply(handheld, CommandCode::BaseUpgradeStartAck);
  reply(handheld, CommandCode::BaseUpgradeHandshake);
  EXPECT_TRUE(host.frames.empty()) << "base unit replies, the handshake included, mean nothing";

  reply(handheld, CommandCode::HandheldUpgradeStartAck);
  reply(handheld, CommandCode::HandheldUpgradeBlockAck);
  ASSERT_EQ(host.frames.size(), 2U);
  EXPECT_EQ(host.frames[0][1], 0x35);
  EXPECT_EQ(std::tuple(slotOf(host.frames[0]), slotOf(host.frames[1])), std::tuple(0, 1));
  reply(handheld, CommandCode::HandheldUpgradeBlockRetry);
  EXPECT_EQ(host.frames.at(2), host.frames[1]);

  reply(handheld, CommandCode::HandheldUpgradeBlockAck);
  reply(handheld, CommandCode::HandheldUpgradeDone);
  EXPECT_EQ(std::tuple(host.messages.size(), handheld.counters().completion),
            std::tuple(2U, UpgradeCompletion::LastAck));
}

TEST(UpgradeFrames, AddressesReachTheLastPage) {
  EXPECT_EQ(blockAddress(70'000), (BlockAddress{273, 3}));
  EXPECT_EQ(blockAddress(kMaxImageLength - 1), (BlockAddress{65535, 7}));
}

}  // namespace
}  // namespace orbelle::testing
