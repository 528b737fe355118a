#include "protocol/TurnaroundStats.h"

#include <algorithm>

namespace orbelle {

TurnaroundStats::Duration TurnaroundStats::percentile(int percent) const {
  if (samples_.empty()) {
    return Duration{0};
  }
  std::vector<Duration> sorted = samples_;
  const std::size_t rank = (sorted.size() * static_cast<std::size_t>(percent) + 99) / 100;
  const std::size_t index = rank == 0 ? 0 : rank - 1;
  std::nth_element(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(index),
                   sorted.end());
  return sorted[index];
}

}  // namespace orbelle
