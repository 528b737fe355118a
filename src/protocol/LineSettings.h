#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orbelle {

// Serial line settings in the "9600,n,8,1" form: rate, parity letter, data bits, stop bits.
struct LineSettings {
  std::int32_t rate = 9600;
  char parity = 'n';  // n, o, e, m or s
  int dataBits = 8;
  int stopBits = 1;  // 1 or 2 (1.5 is not used by the base unit)

  bool operator==(const LineSettings&) const = default;
};

inline constexpr std::string_view kStartFrameLineSettings = "9600,n,8,1";

// The settings string for a preferred rate; none for a rate outside the five the tool offers.
std::optional<std::string_view> lineSettingsForBaudrate(std::int32_t baudrate);

std::optional<LineSettings> parseLineSettings(std::string_view text);

// How long `bytes` take on a wire with these settings: each is a start bit, its data bits, a
// parity bit if any, and its stop bits.
std::chrono::nanoseconds wireTime(const LineSettings& settings, std::size_t bytes);

}  // namespace orbelle
