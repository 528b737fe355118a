#pragma once

#include <chrono>
#include <optional>
#include <ostream>
#include <string>

#include "protocol/FrameTrace.h"

namespace orbelle::cli {

// vkr's --trace: one line per event, each led by the seconds since the line before it
// ("+0.003 > 00 f3 ..."), the first by +0.000.
class TracePrinter {
 public:
  using Clock = std::chrono::steady_clock;

  explicit TracePrinter(std::ostream& out) : out_(&out) {}

  void print(const TraceEvent& event) { print(event, Clock::now()); }
  void print(const TraceEvent& event, Clock::time_point now);

  // The line without its time: "> 00 f3 ...", "= 9600,n,8,1", "~ long pause x6 (6000 ms)".
  static std::string describe(const TraceEvent& event);

 private:
  std::ostream* out_;
  std::optional<Clock::time_point> last_;
};

}  // namespace orbelle::cli
