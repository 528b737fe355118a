#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace orbelle {

enum class FrameDirection {
  Sent,
  Received,
  ReceivedBadFcs,  // taken like any reply, but its FCS does not check out
  Dropped,         // arrived and was never handed over (a stray or repeated reply)
};

// Called with every frame sent and received, all 39 bytes, and with every run of bytes
// dropped, when tracing is on.
using FrameTraceSink = std::function<void(FrameDirection, std::span<const std::uint8_t>)>;

// "> 00 f3 00 ..." — one line per frame, lower-case hex, a direction mark first. A reply
// with a wrong FCS ends in "  bad FCS"; dropped bytes read "x dropped 38 bytes: 56 00 ...".
std::string formatTraceLine(FrameDirection direction, std::span<const std::uint8_t> bytes);

}  // namespace orbelle
