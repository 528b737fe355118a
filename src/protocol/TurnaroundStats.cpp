#include "protocol/TurnaroundStats.h"

#include <algorithm>
#include <bit>

namespace orbelle {

namespace {

// Bins per power of two, and the samples below this many microseconds binned one by one.
constexpr int kSubBinBits = 7;
constexpr std::uint64_t kSubBins = std::uint64_t{1} << kSubBinBits;
// 2^26 us is about 67 s: far beyond any wait for a reply.
constexpr int kTopExponent = 26;
constexpr std::size_t kBinCount = kSubBins * (kTopExponent - kSubBinBits + 1);

std::size_t binOf(std::uint64_t us) {
  if (us < kSubBins) {
    return static_cast<std::size_t>(us);
  }
  const int exponent = std::min(static_cast<int>(std::bit_width(us)) - 1, kTopExponent - 1);
  if (exponent == kTopExponent - 1 && us >> exponent >= 2) {
    return kBinCount - 1;
  }
  const std::uint64_t within = (us >> (exponent - kSubBinBits)) - kSubBins;
  return static_cast<std::size_t>(
      kSubBins * static_cast<std::uint64_t>(exponent - kSubBinBits + 1) + within);
}

// The middle of a bin in microseconds.
std::int64_t middleOf(std::size_t bin) {
  if (bin < kSubBins) {
    return static_cast<std::int64_t>(bin);
  }
  const auto octave = static_cast<int>(bin / kSubBins) - 1;  // 0 for 128-255 us
  const std::uint64_t within = bin % kSubBins;
  const std::uint64_t width = std::uint64_t{1} << octave;
  const std::uint64_t lowest = (kSubBins + within) << octave;
  return static_cast<std::int64_t>(lowest + (width - 1) / 2);
}

}  // namespace

void TurnaroundStats::add(Duration sample) {
  const std::int64_t us = std::max<std::int64_t>(sample.count(), 0);
  if (bins_.empty()) {
    bins_.assign(kBinCount, 0);
  }
  if (count_ == 0) {
    least_ = greatest_ = us;
  }
  ++bins_[binOf(static_cast<std::uint64_t>(us))];
  ++count_;
  least_ = std::min(least_, us);
  greatest_ = std::max(greatest_, us);
}

void TurnaroundStats::clear() {
  std::fill(bins_.begin(), bins_.end(), 0);
  count_ = 0;
}

TurnaroundStats::Duration TurnaroundStats::percentile(int percent) const {
  if (count_ == 0) {
    return Duration{0};
  }
  const std::size_t rank =
      std::max<std::size_t>((count_ * static_cast<std::size_t>(percent) + 99) / 100, 1);
  std::size_t seen = 0;
  std::size_t bin = 0;
  while (seen + bins_[bin] < rank) {
    seen += bins_[bin];
    ++bin;
  }
  if (bin == kBinCount - 1) {
    return Duration{greatest_};  // the last bin holds whatever took longer
  }
  return Duration{std::clamp(middleOf(bin), least_, greatest_)};
}

}  // namespace orbelle
