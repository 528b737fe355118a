#pragma once

#include <chrono>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "upgrade/TransferFigures.h"

namespace orbelle::cli {

// How far an upgrade has come, for a person or a script. On a terminal one bar is redrawn in
// place; elsewhere a line now and then (not one per block, which would flood a log); with
// --json one object per line on standard output.
class ProgressReport {
 public:
  using Clock = std::chrono::steady_clock;

  enum class Style { Bar, Lines, Json };

  // Bar when standard error is a terminal, Lines otherwise, Json with --json.
  static Style styleFor(bool json);

  ProgressReport(Style style, std::ostream& out, std::string unitName, std::uint64_t imageLength);
  ~ProgressReport();
  ProgressReport(const ProgressReport&) = delete;
  ProgressReport& operator=(const ProgressReport&) = delete;

  // The start frame has gone out.
  void started();
  // `sent` image bytes have been handed to the link; the first call starts the clock.
  void blockSent(std::uint64_t sent, Clock::time_point now);
  // Every block is in and the unit restarts before the port is opened again.
  void waitingForRestart(std::chrono::milliseconds wait);
  // Something the operator should know while the transfer goes on: its own line (an event
  // with --json); the bar is drawn again below it.
  void warn(const std::string& text);
  // Ends the bar's line, so that whatever is printed next starts on a line of its own.
  void end();

 private:
  struct Figures {
    int percent;
    double seconds;
    std::optional<double> bytesPerSecond;
    std::optional<double> secondsLeft;
  };

  Figures figuresAt(std::uint64_t sent, Clock::time_point now) const;
  bool due(const Figures& figures, Clock::time_point now) const;
  void draw(std::uint64_t sent, const Figures& figures);
  std::string describe(std::uint64_t sent, const Figures& figures) const;

  Style style_;
  std::ostream& out_;
  std::string unitName_;
  std::uint64_t imageLength_;
  std::optional<Clock::time_point> firstBlockAt_;
  Clock::time_point lastShownAt_{};
  int lastShownPercent_ = -1;
  bool barOpen_ = false;
};

using orbelle::formatBytes;
using orbelle::formatDuration;

}  // namespace orbelle::cli
