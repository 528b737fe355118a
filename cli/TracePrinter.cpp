#include "TracePrinter.h"

#include <cstdio>

namespace orbelle::cli {

std::string TracePrinter::describe(const TraceEvent& event) {
  switch (event.kind) {
    case TraceKind::Frame:
      return formatTraceLine(event.direction, event.bytes);
    case TraceKind::LineSettings:
      return "= " + std::string(event.text);
    case TraceKind::InputDiscarded:
      return "~ discard input";
    case TraceKind::PauseStarted:
      return std::string(event.longPause ? "~ long pause x" : "~ short pause x") +
             std::to_string(event.count) + " (" + std::to_string(event.duration.count()) + " ms)";
    case TraceKind::PauseEnded:
      return "~ pause over";
    case TraceKind::SerialReopened:
      return "~ reopen serial port";
    case TraceKind::Note:
      return "~ " + std::string(event.text);
  }
  return "?";
}

void TracePrinter::print(const TraceEvent& event, Clock::time_point now) {
  const double seconds = last_ ? std::chrono::duration<double>(now - *last_).count() : 0.0;
  last_ = now;
  char time[32];
  std::snprintf(time, sizeof time, "+%.3f ", seconds);
  *out_ << time << describe(event) << '\n' << std::flush;
}

}  // namespace orbelle::cli
