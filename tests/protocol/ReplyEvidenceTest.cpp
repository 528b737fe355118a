#include <algorithm>
#include <random>

#include <gtest/gtest.h>

#include "protocol/ReplyEvidence.h"
#include "protocol/TurnaroundStats.h"

namespace orbelle {
namespace {

using namespace std::chrono_literals;
using Clock = ReplyEvidence::Clock;

const Clock::time_point kSent = Clock::time_point{} + 1h;
constexpr auto kByte9600 = std::chrono::nanoseconds(1'041'667);
constexpr auto kByte115200 = std::chrono::nanoseconds(86'806);

// A frame whose bytes came at `byteTime` from `begun` on, looked at `lateBy` after its last
// byte, when `behind` more bytes of a following frame had come too.
ReplyEvidence::Verdict arrive(ReplyEvidence& evidence, Clock::time_point begun,
                              Clock::duration byteTime, Clock::duration lateBy = {},
                              std::size_t behind = 0) {
  evidence.observe(begun + byteTime * 37 + lateBy, 38, 38 + behind);
  return evidence.frameComplete();
}

TEST(ReplyEvidence, OnAWireAFrameThatBeganBeforeTheLastCouldCrossIsStaleHoweverLateItIsSeen) {
  ReplyEvidence wire;
  wire.reset(kByte9600, false);
  // A repeat that began 1 ms after the send, the answer 2 ms behind it (once the frame has
  // crossed: 39.6 ms at 9600). The repeat is stale however late it is seen: what arrived
  // meanwhile is queued behind it.
  for (const auto late : {0ms, 5ms, 20ms, 60ms}) {
    wire.frameSent(kSent);
    const auto behind = static_cast<std::size_t>(std::max(0ms, late - 2ms) / kByte9600);
    EXPECT_TRUE(arrive(wire, kSent + 1ms, kByte9600, late, behind).stale) << late.count();
  }
  // The answer is never stale, and its turnaround is what the unit took, when seen at once.
  wire.frameSent(kSent);
  const auto answer = arrive(wire, kSent + 41600us, kByte9600);
  EXPECT_FALSE(answer.stale);
  ASSERT_TRUE(answer.turnaround.has_value());
  const std::chrono::duration<double, std::milli> turnaround = *answer.turnaround;
  EXPECT_NEAR(turnaround.count(), 2.0, 0.05);
  // After a reply the next frame waits one and a half byte times, from when the reply was seen.
  wire.replyTaken(kSent + 100ms);
  EXPECT_EQ(wire.quietUntil(), kSent + 100ms + kByte9600 * 3 / 2);
  wire.frameSent(kSent + 101ms);
  EXPECT_FALSE(wire.quietUntil().has_value());
}

TEST(ReplyEvidence, APseudoTerminalPeerIsJudgedAtItsOwnPaceOnlyOnceItAnswersAsAWire) {
  // A peer pacing at 9600 behind a port set to 115200: the port's rate says nothing.
  ReplyEvidence slow;
  slow.reset(kByte115200, true);
  EXPECT_FALSE(slow.judgingByteTime().has_value());
  EXPECT_EQ(slow.backDatingByteTime(), Clock::duration::zero());
  slow.frameSent(kSent);
  // Its answer, begun 41 ms after the send, seen by fits and starts: the pace learned is a
  // lower bound however late each look came.
  const Clock::time_point begun = kSent + 41ms;
  slow.observe(begun + 3ms, 3, 3);
  slow.observe(begun + 20ms, 20, 20);  // byte 21 was still to come
  EXPECT_FALSE(arrive(slow, begun, kByte9600, 30ms).stale);
  ASSERT_TRUE(slow.learnedPace().has_value());
  EXPECT_LE(*slow.learnedPace(), kByte9600);
  EXPECT_GE(*slow.learnedPace(), kByte9600 / 2);
  ASSERT_TRUE(slow.judgingByteTime().has_value()) << "it answered as a wire would";
  EXPECT_EQ(slow.spellByteTime(), *slow.learnedPace())
      << "the spell counts its bytes, not the port's";
  // Its repeat, begun 1 ms after the next send and seen 60 ms late, the answer's first 55
  // bytes behind it: stale.
  slow.frameSent(kSent + 200ms);
  EXPECT_TRUE(arrive(slow, kSent + 201ms, kByte9600, 60ms, 55).stale);

  // The same pace from a peer that answers the moment a frame is in: no wire, so arrival
  // times judge nothing, and its answers are all taken.
  ReplyEvidence instant;
  instant.reset(kByte115200, true);
  for (int exchange = 0; exchange < 3; ++exchange) {
    const Clock::time_point sent = kSent + exchange * 100ms;
    instant.frameSent(sent);
    instant.observe(sent + 3ms, 3, 3);
    instant.observe(sent + 20ms, 20, 20);
    EXPECT_FALSE(arrive(instant, sent + 1ms, kByte9600).stale) << exchange;
  }
  EXPECT_FALSE(instant.judgingByteTime().has_value());
  EXPECT_TRUE(instant.learnedPace().has_value());
}

// Each percentile of the binned turnarounds is within its bin of the exact nearest-rank sample:
// 1/256 of it, exact below 128 us; the longest sample stands for what is beyond the bins.
TEST(TurnaroundStats, PercentilesStayWithinABinOfTheExactNearestRankOnAnyShapeOfData) {
  const auto expectWithinABin = [](std::vector<std::int64_t> samples, const char* what) {
    TurnaroundStats stats;
    for (const std::int64_t us : samples) {
      stats.add(std::chrono::microseconds(us));
    }
    std::sort(samples.begin(), samples.end());
    for (const auto& [percent, got] : {std::pair{50, stats.median()}, {95, stats.percentile95()}}) {
      const std::int64_t want =
          samples[std::max<std::size_t>((samples.size() * percent + 99) / 100, 1) - 1];
      EXPECT_LE(std::abs(got.count() - want), want / 256)
          << what << " p" << percent << ": " << want;
    }
  };
  std::mt19937_64 random(26);
  std::uniform_int_distribution<std::int64_t> anyTurnaround(0, 50'000);
  std::lognormal_distribution<double> tail(7.0, 1.2);  // over an adapter's floor of 16 ms
  std::vector<std::int64_t> uniform, adapter, tiny;
  for (int i = 0; i < 100'000; ++i) {
    uniform.push_back(anyTurnaround(random));
    adapter.push_back(16'000 + static_cast<std::int64_t>(tail(random)) +
                      (i % 997 == 0) * 3'000'000);
    tiny.push_back(i % 7 == 0 ? 90 : 40 + i % 3);
  }
  expectWithinABin(uniform, "uniform");
  expectWithinABin(adapter, "skewed");
  expectWithinABin(tiny, "below 128 us");
  expectWithinABin({17'700}, "one sample");
  expectWithinABin({900, 17'700, 120'000'000}, "one beyond the bins");

  // None is zero; a clock that stepped back counts as no wait; clear forgets the range too.
  TurnaroundStats stats;
  EXPECT_EQ(stats.median().count(), 0);
  stats.add(5ms);
  stats.add(std::chrono::microseconds(-3));
  EXPECT_EQ(stats.median().count(), 0);
  stats.clear();
  EXPECT_EQ(stats.count(), 0U);
  EXPECT_EQ(stats.percentile95().count(), 0);
  stats.add(20ms);
  EXPECT_EQ(stats.median(), 20ms);
}

}  // namespace
}  // namespace orbelle
