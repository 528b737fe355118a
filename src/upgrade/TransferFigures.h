#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "protocol/TurnaroundStats.h"

namespace orbelle {

// How a transfer is told to a person, the same in the window and in vkr.

// "512 B", "26.9 KiB", "16.0 MiB".
std::string formatBytes(double bytes);
// "0:07", "12:34", "1:02:03".
std::string formatDuration(double seconds);

// Below this a rate is mostly start-up noise and a time left would jump about.
inline constexpr double kRateSettleSeconds = 0.2;

// How far a transfer has come, `seconds` after its first block: the rate and the time left once
// the time is long enough for them to mean something (or everything is sent).
struct ProgressFigures {
  std::uint64_t sent = 0;
  std::uint64_t total = 0;
  int percent = 0;
  double seconds = 0.0;
  std::optional<double> bytesPerSecond;
  std::optional<double> secondsLeft;

  // "26.9 KiB of 64.0 KiB, 4.4 KiB/s, 0:08 left".
  std::string text() const;
};
ProgressFigures progressFigures(std::uint64_t sent, std::uint64_t total, double seconds);

// What a serial line that waits before each reply costs this transfer, and what mends it,
// once enough blocks have shown it; none while the line is quick, too few blocks are in, or
// the count of samples is not a power of two (the median is not free).
// `secondsSinceFirstBlock` and `blocksSent` give what a block has taken so far.
std::optional<std::string> adapterDelayAdvice(const TurnaroundStats& turnarounds,
                                              double secondsSinceFirstBlock,
                                              std::uint32_t blocksSent, std::uint64_t imageLength,
                                              std::string_view device);

}  // namespace orbelle
