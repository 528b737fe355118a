#include <gtest/gtest.h>

#include "BaseUnitModel.h"
#include "SimTestSupport.h"

namespace orbelle::sim {
namespace {

using testing::patternImage;
using testing::pcFrame;
using testing::UpgradeClient;
using testing::wire;

constexpr std::uint8_t kStartAck = 0x5D, kAck = 0x56, kRetry = 0x54, kHandshake = 0x5B,
                       kDone = 0x5F;
constexpr std::uint8_t kHhStartAck = 0x3B, kHhAck = 0x3C, kHhRetry = 0x30, kHhDone = 0x3F;

using Codes = std::vector<std::uint8_t>;

UpgradeClient::Log transfer(ImageKind kind, std::size_t size,
                            const std::vector<std::string>& faults = {}) {
  BaseUnitModel model(defaultSimSettings(), false, parseFaults(faults));
  return UpgradeClient(kind, patternImage(size)).run(model);
}

void expectOneImage(const UpgradeClient::Log& log, ImageKind kind, std::size_t size) {
  EXPECT_TRUE(log.finished);
  ASSERT_EQ(log.images.size(), 1U);
  EXPECT_EQ(log.images[0].kind, kind);
  EXPECT_EQ(log.images[0].bytes, patternImage(size)) << "the padding of the last block is not kept";
}

class WholeImage : public ::testing::TestWithParam<std::tuple<ImageKind, std::size_t>> {};

TEST_P(WholeImage, IsReassembledByteForByteWithOneAckPerBlock) {
  const auto [kind, size] = GetParam();
  const auto log = transfer(kind, size);
  expectOneImage(log, kind, size);
  const bool base = kind == ImageKind::Base;
  Codes expected{base ? kStartAck : kHhStartAck};
  expected.insert(expected.end(), (size + 31) / 32, base ? kAck : kHhAck);
  EXPECT_EQ(log.replies, expected);
}

INSTANTIATE_TEST_SUITE_P(AwkwardSizes, WholeImage,
                         ::testing::Combine(::testing::Values(ImageKind::Base, ImageKind::Handheld),
                                            ::testing::Values(1U, 31U, 32U, 33U, 1000U, 70000U)));

TEST(ImageTransfer, RetryEveryKAsksForBlocksKAnd2KOnceMore) {
  auto log = transfer(ImageKind::Base, 200, {"retry-every=3"});  // 7 blocks
  expectOneImage(log, ImageKind::Base, 200);
  EXPECT_EQ(log.replies,
            (Codes{kStartAck, kAck, kAck, kRetry, kAck, kAck, kAck, kRetry, kAck, kAck}));

  log = transfer(ImageKind::Handheld, 33, {"retry-every=1"});
  expectOneImage(log, ImageKind::Handheld, 33);
  EXPECT_EQ(log.replies, (Codes{kHhStartAck, kHhRetry, kHhAck, kHhRetry, kHhAck}));
}

TEST(ImageTransfer, HandshakeEveryKComesBeforeTheAckAndOnlyInBaseUpgrades) {
  auto log = transfer(ImageKind::Base, 100, {"handshake-every=2"});  // 4 blocks
  expectOneImage(log, ImageKind::Base, 100);
  EXPECT_EQ(log.replies, (Codes{kStartAck, kAck, kHandshake, kAck, kAck, kHandshake, kAck}));

  log = transfer(ImageKind::Handheld, 100, {"handshake-every=1"});
  expectOneImage(log, ImageKind::Handheld, 100);
  EXPECT_EQ(log.replies, (Codes{kHhStartAck, kHhAck, kHhAck, kHhAck, kHhAck}));
}

TEST(ImageTransfer, FinishWithDoneReplacesOnlyTheLastAck) {
  auto log =
      transfer(ImageKind::Base, 64, {"finish-with-done", "handshake-every=2", "retry-every=2"});
  expectOneImage(log, ImageKind::Base, 64);
  EXPECT_EQ(log.replies, (Codes{kStartAck, kAck, kRetry, kHandshake, kDone}));

  log = transfer(ImageKind::Handheld, 1, {"finish-with-done"});
  expectOneImage(log, ImageKind::Handheld, 1);
  EXPECT_EQ(log.replies, (Codes{kHhStartAck, kHhDone}));
}

TEST(ImageTransfer, DroppedAckStallsTheTransferWithoutAnImage) {
  const auto log = transfer(ImageKind::Base, 100, {"drop-reply=3"});
  EXPECT_FALSE(log.finished);
  EXPECT_TRUE(log.images.empty());
  EXPECT_EQ(log.replies, (Codes{kStartAck, kAck}));
}

ReportFrame block(std::uint8_t code, std::uint16_t page, std::uint8_t slot, std::uint8_t fill) {
  std::vector<std::uint8_t> payload(35, fill);
  payload[0] = static_cast<std::uint8_t>(page & 0xFF);
  payload[1] = static_cast<std::uint8_t>(page >> 8);
  payload[2] = slot;
  return pcFrame(code, payload);
}

std::vector<std::uint8_t> replyCodes(const ModelOutput& out) {
  std::vector<std::uint8_t> codes;
  for (const auto& reply : out.replies) {
    codes.push_back(reply[0]);
  }
  return codes;
}

TEST(ImageTransfer, OnlyTheExpectedBlockOrAResendOfThePreviousIsTaken) {
  BaseUnitModel model(defaultSimSettings(), false, {});
  ASSERT_EQ(replyCodes(model.receive(wire(
                pcFrame(CommandCode::BaseUpgradeStart, {0x2C, 0x01, 0, 0, '1'})))),  // 300 bytes
            Codes{kStartAck});
  const auto send = [&](std::uint8_t code, std::uint16_t page, std::uint8_t slot,
                        std::uint8_t fill) {
    return replyCodes(model.receive(wire(block(code, page, slot, fill))));
  };
  EXPECT_EQ(send(0x55, 0, 1, 0x11), Codes{}) << "a block ahead of the expected one";
  EXPECT_EQ(send(0x35, 0, 0, 0x11), Codes{}) << "a handheld block in a base upgrade";
  EXPECT_EQ(send(0x55, 0, 0, 0x11), Codes{kAck});
  EXPECT_EQ(send(0x55, 0, 0, 0x22), Codes{kAck}) << "a resend of the previous block";
  EXPECT_EQ(send(0x55, 0, 8, 0x22), Codes{}) << "slot 8 does not exist";
  for (std::uint8_t slot = 1; slot < 8; ++slot) {
    ASSERT_EQ(send(0x55, 0, slot, slot), Codes{kAck});
  }
  EXPECT_EQ(send(0x55, 1, 0, 0x80), Codes{kAck}) << "the 9th block is page 1, slot 0";
  EXPECT_EQ(send(0x55, 0, 0, 0x22), Codes{}) << "a block two behind";
  const ModelOutput last = model.receive(wire(block(0x55, 1, 1, 0x81)));  // bytes 288..299
  EXPECT_EQ(replyCodes(last), Codes{kAck});
  ASSERT_EQ(last.images.size(), 1U);
  const auto& image = last.images[0].bytes;
  ASSERT_EQ(image.size(), 300U);
  EXPECT_EQ(image[0], 0x22) << "the resend replaced the first block's data";
  EXPECT_EQ(image[32], 1);
  EXPECT_EQ(image[256], 0x80);
  EXPECT_EQ(image[299], 0x81);
  EXPECT_EQ(send(0x55, 1, 1, 0x81), Codes{kAck}) << "the last block sent again is answered again";
  EXPECT_EQ(send(0x55, 1, 2, 0x81), Codes{}) << "nothing is expected after the last block";
}

TEST(ImageTransfer, StartsOutsideThePageRangeAreRefusedAndAHandshakeReplyIsChecked) {
  BaseUnitModel model(defaultSimSettings(), false, parseFaults({"handshake-every=1"}));
  EXPECT_TRUE(model.receive(wire(pcFrame(CommandCode::BaseUpgradeStart, {0x01, 0, 0, 0x01})))
                  .replies.empty())
      << "16 MiB + 1 byte cannot be addressed by a 16-bit page";
  ASSERT_EQ(replyCodes(model.receive(wire(pcFrame(CommandCode::BaseUpgradeStart, {40, 0, 0, 0})))),
            Codes{kStartAck});
  EXPECT_EQ(replyCodes(model.receive(wire(block(0x55, 0, 0, 7)))), Codes{kHandshake});
  EXPECT_EQ(replyCodes(model.receive(wire(block(0x55, 0, 1, 7)))), Codes{})
      << "no block before the handshake reply";
  ReportFrame handshake = block(0x5C, 0, 0, 9);  // not the payload of the block before it
  const ModelOutput out = model.receive(wire(handshake));
  EXPECT_EQ(replyCodes(out), Codes{kAck});
  ASSERT_EQ(out.notes.size(), 1U);
  EXPECT_EQ(out.notes[0].level, Note::Level::Warning);
  EXPECT_EQ(replyCodes(model.receive(wire(handshake))), Codes{}) << "not asked for";
}

}  // namespace
}  // namespace orbelle::sim
