// The simulated unit's protocol model, for what vkr never sends and so the end-to-end tests
// cannot reach: blocks out of turn, oversized starts, broken frames, large images.

#include <gtest/gtest.h>

#include "BaseUnitModel.h"
#include "protocol/ByteOrder.h"
#include "protocol/Fcs16.h"

namespace orbelle::sim {
namespace {

using Codes = std::vector<std::uint8_t>;

// A frame as the PC sends it, payload from byte 2 on, sealed.
WireFrame pcFrame(std::uint8_t code, std::vector<std::uint8_t> payload = {}) {
  ReportFrame frame{};
  frame[1] = code;
  std::copy(payload.begin(), payload.end(), frame.begin() + 2);
  Fcs16::seal(frame);
  return toWireFrame(frame);
}

WireFrame start(std::uint8_t code, std::uint32_t size) {
  std::vector<std::uint8_t> payload{0, 0, 0, 0, '1'};
  writeLe32(payload, 0, size);
  return pcFrame(code, payload);
}

WireFrame block(std::uint8_t code, std::uint32_t page, std::uint8_t slot,
                std::span<const std::uint8_t> data) {
  std::vector<std::uint8_t> payload(35, 0xEE);  // padding the unit must not keep
  writeLe16(payload, 0, static_cast<std::uint16_t>(page));
  payload[2] = slot;
  std::copy(data.begin(), data.end(), payload.begin() + 3);
  return pcFrame(code, payload);
}

WireFrame filled(std::uint8_t code, std::uint32_t page, std::uint8_t slot, std::uint8_t fill) {
  const std::vector<std::uint8_t> data(32, fill);
  return block(code, page, slot, data);
}

Codes replyCodes(const ModelOutput& out) {
  Codes codes;
  for (const auto& reply : out.replies) {
    codes.push_back(reply[0]);
  }
  return codes;
}

TEST(BaseUnitModel, LargeImagesAreReassembledAcrossPageBoundariesWithoutThePadding) {
  struct Kind {
    std::uint8_t start, block, startAck, ack;
  };
  std::vector<std::uint8_t> image(70'000);  // 273 pages and a half block
  for (std::size_t i = 0; i < image.size(); ++i) {
    image[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
  }
  for (const Kind kind : {Kind{0x5A, 0x55, 0x5D, 0x56}, Kind{0x3A, 0x35, 0x3B, 0x3C}}) {
    BaseUnitModel model(defaultSimSettings(), false, {});
    ASSERT_EQ(replyCodes(model.receive(start(kind.start, 70'000))), Codes{kind.startAck});
    std::vector<CompletedImage> kept;
    for (std::size_t at = 0; at < image.size(); at += 32) {
      const std::span<const std::uint8_t> data(image.data() + at,
                                               std::min<std::size_t>(32, image.size() - at));
      const ModelOutput out = model.receive(block(kind.block, at / 256, (at % 256) / 32, data));
      ASSERT_EQ(replyCodes(out), Codes{kind.ack}) << "block at " << at;
      kept.insert(kept.end(), out.images.begin(), out.images.end());
    }
    ASSERT_EQ(kept.size(), 1U);
    EXPECT_EQ(kept[0].kind, kind.start == 0x5A ? ImageKind::Base : ImageKind::Handheld);
    EXPECT_EQ(kept[0].bytes, image);
  }
}

TEST(BaseUnitModel, OnlyTheExpectedBlockOrAResendOfThePreviousIsTaken) {
  BaseUnitModel model(defaultSimSettings(), false, {});
  ASSERT_EQ(replyCodes(model.receive(start(0x5A, 300))), Codes{0x5D});
  const auto send = [&](std::uint8_t code, std::uint32_t page, std::uint8_t slot,
                        std::uint8_t fill) {
    return replyCodes(model.receive(filled(code, page, slot, fill)));
  };
  EXPECT_EQ(send(0x55, 0, 1, 0x11), Codes{}) << "a block ahead of the expected one";
  EXPECT_EQ(send(0x35, 0, 0, 0x11), Codes{}) << "a handheld block in a base upgrade";
  EXPECT_EQ(send(0x55, 0, 0, 0x11), Codes{0x56});
  EXPECT_EQ(send(0x55, 0, 0, 0x22), Codes{0x56}) << "a resend of the previous block";
  EXPECT_EQ(send(0x55, 0, 8, 0x22), Codes{}) << "slot 8 does not exist";
  for (std::uint8_t slot = 1; slot < 8; ++slot) {
    ASSERT_EQ(send(0x55, 0, slot, slot), Codes{0x56});
  }
  EXPECT_EQ(send(0x55, 1, 0, 0x80), Codes{0x56}) << "the 9th block is page 1, slot 0";
  EXPECT_EQ(send(0x55, 0, 0, 0x22), Codes{}) << "a block two behind";
  const ModelOutput last = model.receive(filled(0x55, 1, 1, 0x81));  // bytes 288..299
  EXPECT_EQ(replyCodes(last), Codes{0x56});
  ASSERT_EQ(last.images.size(), 1U);
  const auto& image = last.images[0].bytes;
  ASSERT_EQ(image.size(), 300U);
  // The resend replaced the first block's data.
  EXPECT_EQ((Codes{image[0], image[32], image[256], image[299]}), (Codes{0x22, 1, 0x80, 0x81}));
  EXPECT_EQ(send(0x55, 1, 1, 0x81), Codes{0x56}) << "the last block sent again is answered again";
  EXPECT_EQ(send(0x55, 1, 2, 0x81), Codes{}) << "nothing is expected after the last block";
}

TEST(BaseUnitModel, StartsOutsideThePageRangeAreRefusedAndAHandshakeReplyIsChecked) {
  BaseUnitModel model(defaultSimSettings(), false, parseFaults({"handshake-every=1"}));
  EXPECT_TRUE(model.receive(start(0x5A, 0x01000001)).replies.empty())
      << "16 MiB + 1 byte cannot be addressed by a 16-bit page";
  ASSERT_EQ(replyCodes(model.receive(start(0x5A, 40))), Codes{0x5D});
  EXPECT_EQ(replyCodes(model.receive(filled(0x55, 0, 0, 7))), Codes{0x5B});
  EXPECT_EQ(replyCodes(model.receive(filled(0x55, 0, 1, 7))), Codes{})
      << "no block before the handshake reply";
  const WireFrame handshake = filled(0x5C, 0, 0, 9);  // not the payload of the block before it
  const ModelOutput out = model.receive(handshake);
  EXPECT_EQ(replyCodes(out), Codes{0x56});
  ASSERT_EQ(out.notes.size(), 1U);
  EXPECT_EQ(out.notes[0].level, Note::Level::Warning);
  EXPECT_EQ(replyCodes(model.receive(handshake)), Codes{}) << "not asked for";
}

TEST(BaseUnitModel, BrokenStrayAndForeignFramesGetNoReplyAndTheLastFrameBeforeVanishingDoes) {
  BaseUnitModel model(defaultSimSettings(), false, {});
  WireFrame corrupted = pcFrame(0xF3);
  corrupted[20] ^= 0x04;
  const ModelOutput out = model.receive(corrupted);
  EXPECT_TRUE(out.replies.empty());
  ASSERT_EQ(out.notes.size(), 1U);
  EXPECT_NE(out.notes[0].text.find("FCS"), std::string::npos) << out.notes[0].text;
  // An unknown code, blocks and a handshake reply without a start, and a reply code.
  for (const std::uint8_t code : {0x77, 0x55, 0x35, 0x5C, 0xF4}) {
    EXPECT_TRUE(model.receive(pcFrame(code)).replies.empty()) << int{code};
  }

  BaseUnitModel vanishing(defaultSimSettings(), false, parseFaults({"vanish-after=2"}));
  EXPECT_FALSE(vanishing.receive(pcFrame(0xF3)).vanished);
  const ModelOutput last = vanishing.receive(pcFrame(0xF3));
  EXPECT_TRUE(last.vanished);
  EXPECT_EQ(last.replies.size(), 1U) << "the last frame is still answered";
  EXPECT_TRUE(vanishing.receive(pcFrame(0xF3)).replies.empty());

  // A count of 0 would divide by zero; a misspelt fault must not silently do nothing.
  for (const std::string bad : {"drop-reply=0", "retry-every=2x", "vanish-after=", "corrupt-fcs=1",
                                "drop-replies=2", "handshake-every=-1"}) {
    EXPECT_THROW(parseFaults({bad}), std::invalid_argument) << bad;
  }
}

}  // namespace
}  // namespace orbelle::sim
