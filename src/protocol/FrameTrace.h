#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace orbelle {

enum class FrameDirection { Sent, Received };

// Called with every frame sent and received, all 39 bytes, when tracing is on.
using FrameTraceSink = std::function<void(FrameDirection, std::span<const std::uint8_t>)>;

// "> 00 f3 00 ..." — one line per frame, lower-case hex, a direction mark first.
std::string formatTraceLine(FrameDirection direction, std::span<const std::uint8_t> bytes);

}  // namespace orbelle
