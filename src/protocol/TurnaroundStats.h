#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace orbelle {

// How long the unit took to begin each answer once the frame it answers had crossed the wire.
// A USB-serial adapter's latency timer shows here as a floor of several milliseconds under
// every sample.
//
// The samples are counted in fixed bins, not kept: a 16 MiB image is half a million blocks,
// and the memory must not grow with the image. Below 128 us each microsecond has its own bin;
// above, every power of two is cut into 128 bins, so a percentile is within 1/256 of the
// sample it stands for (0.07 ms at 17 ms). The bins reach to about 67 s; a longer sample
// counts in the last one, which stands for the longest sample seen.
class TurnaroundStats {
 public:
  using Duration = std::chrono::microseconds;

  void add(Duration sample);
  void clear();
  std::size_t count() const { return count_; }

  // Zero while there is no sample.
  Duration median() const { return percentile(50); }
  Duration percentile95() const { return percentile(95); }
  // What all but a quarter of the samples took at least: an adapter's latency timer delays
  // every reply, a busy machine only some of them.
  Duration lowerQuartile() const { return percentile(25); }

 private:
  // The nearest-rank percentile: the middle of the bin that holds that sample, kept within
  // the smallest and the largest sample seen.
  Duration percentile(int percent) const;

  std::vector<std::uint32_t> bins_;  // allocated with the first sample
  std::size_t count_ = 0;
  std::int64_t least_ = 0;
  std::int64_t greatest_ = 0;
};

}  // namespace orbelle
