#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace orbelle {

enum class FrameDirection {
  Sent,
  Received,
  ReceivedBadFcs,  // taken like any reply, but its FCS does not check out
  Dropped,         // arrived and was never handed over (a stray or repeated reply)
};

// One step of the conversation with the unit, in the order it happened.
enum class TraceKind {
  Frame,           // a frame sent or received (all 39 bytes), or a run of bytes dropped
  LineSettings,    // the serial line now runs at `text` ("9600,n,8,1")
  InputDiscarded,  // the serial input was thrown away
  PauseStarted,    // `count` pauses, long or short, of `duration` in all
  PauseEnded,
  SerialReopened,  // the serial port is closed and opened again (after the unit's restart)
  Note,            // `text`: a step around the link ("low latency on", a sleep inhibitor taken)
};

struct TraceEvent {
  TraceKind kind = TraceKind::Frame;
  FrameDirection direction = FrameDirection::Sent;
  std::span<const std::uint8_t> bytes{};
  std::string_view text{};
  bool longPause = false;
  int count = 0;
  std::chrono::milliseconds duration{0};
};

// Called with every event when tracing is on, on the thread that drives the link.
using TraceSink = std::function<void(const TraceEvent&)>;

// "> 00 f3 00 ..." — one line per frame, lower-case hex, a direction mark first. A reply
// with a wrong FCS ends in "  bad FCS"; dropped bytes read "x dropped 38 bytes: 56 00 ...".
std::string formatTraceLine(FrameDirection direction, std::span<const std::uint8_t> bytes);

}  // namespace orbelle
