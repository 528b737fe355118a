#include <gtest/gtest.h>

#include "FaultPlan.h"
#include "ReplyShaping.h"

namespace orbelle::sim {
namespace {

TEST(FaultPlan, ReadsEveryFaultAndLaterValuesWin) {
  const FaultPlan plan = parseFaults({"drop-reply=4", "corrupt-fcs", "retry-every=5",
                                      "handshake-every=6", "finish-with-done", "vanish-after=7",
                                      "split-replies", "double-replies", "drop-reply=2"});
  EXPECT_EQ(plan.dropReplyEvery, 2);
  EXPECT_EQ(plan.retryEvery, 5);
  EXPECT_EQ(plan.handshakeEvery, 6);
  EXPECT_EQ(plan.vanishAfter, 7);
  EXPECT_TRUE(plan.corruptFcs && plan.finishWithDone && plan.splitReplies && plan.doubleReplies);
  EXPECT_EQ(parseFaults({}), FaultPlan{});
}

TEST(FaultPlan, RefusesUnknownNamesAndBadCounts) {
  for (const std::string bad : {"drop-reply=0", "drop-reply=-1", "retry-every=2x", "vanish-after=",
                                "handshake-every", "corrupt-fcs=1", "drop-replies=2", ""}) {
    EXPECT_THROW(parseFaults({bad}), std::invalid_argument) << "\"" << bad << "\"";
  }
  try {
    parseFaults({"vanish-after=0"});
    FAIL();
  } catch (const std::invalid_argument& error) {
    EXPECT_STREQ(error.what(), "vanish-after needs a whole number of at least 1, not \"0\"");
  }
}

TEST(ReplyShaping, SplitAndDoubleCutTheStreamAndThePacketsDifferently) {
  WireFrame reply{};
  for (std::size_t i = 0; i < reply.size(); ++i) {
    reply[i] = static_cast<std::uint8_t>(i + 1);
  }
  using Pieces = std::vector<std::vector<std::uint8_t>>;
  const std::vector<std::uint8_t> once(reply.begin(), reply.end());
  std::vector<std::uint8_t> twice = once;
  twice.insert(twice.end(), once.begin(), once.end());

  EXPECT_EQ(piecesOf(reply, {}, Delivery::Stream), Pieces{once});
  FaultPlan doubled;
  doubled.doubleReplies = true;
  EXPECT_EQ(piecesOf(reply, doubled, Delivery::Stream), Pieces{twice}) << "one write";
  EXPECT_EQ(piecesOf(reply, doubled, Delivery::Packets), (Pieces{once, once})) << "two reports";

  FaultPlan split = doubled;
  split.splitReplies = true;
  for (const Delivery delivery : {Delivery::Stream, Delivery::Packets}) {
    const auto pieces = piecesOf(reply, split, delivery);
    ASSERT_EQ(pieces.size(), 76U);
    std::vector<std::uint8_t> joined;
    for (const auto& piece : pieces) {
      ASSERT_EQ(piece.size(), 1U);
      joined.push_back(piece[0]);
    }
    EXPECT_EQ(joined, twice);
  }
}

}  // namespace
}  // namespace orbelle::sim
