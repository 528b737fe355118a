#include "upgrade/TransferFigures.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <iomanip>
#include <sstream>

#include "upgrade/UpgradeFrames.h"

namespace orbelle {

namespace {

// Enough blocks for a steady median, and a wait no unit takes of its own.
constexpr std::size_t kSettledSamples = 16;
constexpr auto kAdapterDelay = std::chrono::milliseconds(5);

std::string fixed(double value, int decimals) {
  std::ostringstream text;
  text << std::fixed << std::setprecision(decimals) << value;
  return text.str();
}

}  // namespace

std::string formatBytes(double bytes) {
  if (bytes < 1024.0) {
    return fixed(bytes, 0) + " B";
  }
  if (bytes < 1024.0 * 1024.0) {
    return fixed(bytes / 1024.0, 1) + " KiB";
  }
  return fixed(bytes / (1024.0 * 1024.0), 1) + " MiB";
}

std::string formatDuration(double seconds) {
  const auto total = static_cast<long long>(std::ceil(std::max(0.0, seconds)));
  const long long hours = total / 3600;
  const long long minutes = (total / 60) % 60;
  std::ostringstream text;
  text << std::setfill('0');
  if (hours > 0) {
    text << hours << ':' << std::setw(2) << minutes;
  } else {
    text << minutes;
  }
  text << ':' << std::setw(2) << total % 60;
  return text.str();
}

ProgressFigures progressFigures(std::uint64_t sent, std::uint64_t total, double seconds) {
  ProgressFigures figures;
  figures.sent = sent;
  figures.total = total;
  figures.percent = total == 0 ? 100 : static_cast<int>(sent * 100 / total);
  figures.seconds = seconds;
  const bool settled = seconds >= kRateSettleSeconds || (sent == total && sent > 0);
  if (settled && seconds > 0.0 && sent > 0) {
    figures.bytesPerSecond = static_cast<double>(sent) / seconds;
    figures.secondsLeft = static_cast<double>(total - sent) / *figures.bytesPerSecond;
  }
  return figures;
}

std::string ProgressFigures::text() const {
  std::string text =
      formatBytes(static_cast<double>(sent)) + " of " + formatBytes(static_cast<double>(total));
  if (bytesPerSecond && secondsLeft) {
    text.append(", ").append(formatBytes(*bytesPerSecond)).append("/s, ");
    text.append(formatDuration(*secondsLeft)).append(" left");
  }
  return text;
}

std::optional<std::string> adapterDelayAdvice(const TurnaroundStats& turnarounds,
                                              double secondsSinceFirstBlock,
                                              std::uint32_t blocksSent, std::uint64_t imageLength,
                                              std::string_view device) {
  // The clock starts as the first block goes out: the blocks it has seen through are the
  // ones before the latest.
  if (blocksSent < 2) {
    return std::nullopt;
  }
  const double secondsPerBlock = secondsSinceFirstBlock / (blocksSent - 1);
  // Asked after every block: the median walks a few thousand bins, so it is looked at only
  // when the count of samples doubles (16, 32, 64, ...), not once per block of a
  // half-million-block image.
  // The lower quartile, not the median: an adapter's delay comes before every reply, while a
  // machine too busy to notice a reply at once delays some of them; that is no adapter's
  // doing, and is not blamed on one.
  const std::size_t count = turnarounds.count();
  if (count < kSettledSamples || (count & (count - 1)) != 0 ||
      turnarounds.lowerQuartile() <= kAdapterDelay) {
    return std::nullopt;
  }
  const double delay = std::chrono::duration<double>(turnarounds.lowerQuartile()).count();
  const double blocks = std::ceil(static_cast<double>(imageLength) / kBlockSize);
  std::string text = "The serial line adds about " + std::to_string(std::lround(delay * 1000.0)) +
                     " ms before each reply (a USB-serial adapter's latency timer): this "
                     "transfer will take about " +
                     formatDuration(blocks * secondsPerBlock) + " instead of " +
                     formatDuration(blocks * std::max(secondsPerBlock - delay, 0.0)) +
                     ". An adapter or driver that supports low latency avoids it (setserial ";
  text.append(device).append(" low_latency).");
  return text;
}

}  // namespace orbelle
