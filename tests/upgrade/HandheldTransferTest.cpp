#include <vector>

#include "upgrade/TransferFixture.h"

namespace orbelle::testing {
namespace {

using Log = std::vector<std::string>;
using HandheldTransfer = TransferFixture;

TEST_F(HandheldTransfer, OnlyTheFirstStartOfTheRunGoesOutAt9600) {
  link.protocol = LinkProtocol::Rs232;
  link.baudrate = 57600;
  handheld.startUpgrade(image(64));
  EXPECT_EQ(host.log, (Log{"disable", "settings 9600,n,8,1", "send 3a", "pause long x1"}))
      << "no discard before a handheld start, even on RS232";
  EXPECT_EQ(host.frames.at(0)[6], '4');
  EXPECT_FALSE(runFlags.firstHandheldStart);
  handheld.pauseElapsed();
  EXPECT_EQ(host.log.back(), "settings 57600,n,8,1");

  host.clear();
  handheld.startUpgrade(image(64));
  EXPECT_EQ(host.log, (Log{"disable", "send 3a", "pause long x1"}));
  handheld.pauseElapsed();
  EXPECT_EQ(host.log.back(), "settings 57600,n,8,1");

  // The flag belongs to the run, not to the window's engine.
  UpgradeTransfer another{kHandheldUpgradeTable, link, host, host, runFlags};
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

}  // namespace
}  // namespace orbelle::testing
