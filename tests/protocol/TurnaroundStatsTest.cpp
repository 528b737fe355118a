#include <algorithm>
#include <random>

#include <gtest/gtest.h>

#include "protocol/TurnaroundStats.h"

namespace orbelle {
namespace {

using Us = TurnaroundStats::Duration;

// The nearest-rank percentile of the samples themselves.
std::int64_t exact(std::vector<std::int64_t> samples, int percent) {
  std::sort(samples.begin(), samples.end());
  const std::size_t rank = std::max<std::size_t>((samples.size() * percent + 99) / 100, 1);
  return samples[rank - 1];
}

// Each percentile is within its bin of the sample it stands for: 1/256 of it, exact below 128 us.
void expectWithinABin(const std::vector<std::int64_t>& samples, const char* what) {
  TurnaroundStats stats;
  for (const std::int64_t us : samples) {
    stats.add(Us{us});
  }
  ASSERT_EQ(stats.count(), samples.size());
  for (const auto& [percent, got] : {std::pair{50, stats.median()}, {95, stats.percentile95()}}) {
    const std::int64_t want = exact(samples, percent);
    EXPECT_LE(std::abs(got.count() - want), want / 256) << what << " p" << percent << ": " << want;
  }
}

TEST(TurnaroundStats, PercentilesStayWithinTheBinOfTheExactNearestRankOnAnyShapeOfData) {
  std::mt19937_64 random(26);
  std::vector<std::int64_t> uniform, adapter, tiny;
  std::uniform_int_distribution<std::int64_t> anyTurnaround(0, 50'000);
  // An adapter's floor of 16 ms under a long tail, with a few replies that took seconds.
  std::lognormal_distribution<double> tail(7.0, 1.2);
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
}

TEST(TurnaroundStats, IsZeroWithoutSamplesAndAfterClear) {
  TurnaroundStats stats;
  EXPECT_EQ(stats.median(), Us{0});
  stats.add(Us{5'000});
  stats.add(Us{-3});  // a clock that stepped back counts as no wait
  EXPECT_EQ(stats.median(), Us{0});
  stats.clear();
  EXPECT_EQ(stats.count(), 0u);
  EXPECT_EQ(stats.percentile95(), Us{0});
  stats.add(Us{20'000});
  EXPECT_EQ(stats.median(), Us{20'000});  // the earlier samples' range is forgotten too
}

}  // namespace
}  // namespace orbelle
