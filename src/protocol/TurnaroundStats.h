#pragma once

#include <chrono>
#include <cstddef>
#include <vector>

namespace orbelle {

// How long the unit took to begin each answer once the frame it answers had crossed the wire.
// A USB-serial adapter's latency timer shows here as a floor of several milliseconds under
// every sample.
class TurnaroundStats {
 public:
  using Duration = std::chrono::microseconds;

  void add(Duration sample) { samples_.push_back(sample); }
  void clear() { samples_.clear(); }
  std::size_t count() const { return samples_.size(); }

  // Zero while there is no sample.
  Duration median() const { return percentile(50); }
  Duration percentile95() const { return percentile(95); }

 private:
  // The nearest-rank percentile: a sample that occurred, never an interpolation.
  Duration percentile(int percent) const;

  std::vector<Duration> samples_;
};

}  // namespace orbelle
