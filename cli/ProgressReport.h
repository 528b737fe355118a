#pragma once

#include <chrono>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

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
  // A block has been handed to the link; `figures` say how far the transfer has come.
  void blockSent(const ProgressFigures& figures, Clock::time_point now);
  // Every block is in and the unit restarts before the port is opened again.
  void waitingForRestart(std::chrono::milliseconds wait);
  // Something the operator should know while the transfer goes on: its own line (an event
  // with --json); the bar is drawn again below it.
  void warn(const std::string& text);
  // Ends the bar's line, so that whatever is printed next starts on a line of its own.
  void end();
  // With JSON, every event names the unit it is about (several run at once).
  void nameDevice(std::string device) { device_ = std::move(device); }

 private:
  bool due(const ProgressFigures& figures, Clock::time_point now) const;
  void draw(const ProgressFigures& figures);
  void event(nlohmann::json object);

  Style style_;
  std::ostream& out_;
  std::string unitName_;
  std::uint64_t imageLength_;
  Clock::time_point lastShownAt_{};
  int lastShownPercent_ = -1;
  bool barOpen_ = false;
  std::string device_;
};

using orbelle::formatBytes;
using orbelle::formatDuration;

}  // namespace orbelle::cli
