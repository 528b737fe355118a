#pragma once

#include <array>
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

// The rates the tool offers for RS232, in the order the lists show them, each with the line
// settings an opening at that rate puts the port to.
struct OfferedRate {
  std::int32_t baudrate;
  std::string_view lineSettings;
};
inline constexpr std::array<OfferedRate, 5> kOfferedRates{{{9600, "9600,n,8,1"},
                                                           {19200, "19200,n,8,1"},
                                                           {38400, "38400,n,8,1"},
                                                           {57600, "57600,n,8,1"},
                                                           {115200, "115200,n,8,1"}}};

// COM1 to COM<kComPortCount> are offered.
inline constexpr std::int32_t kComPortCount = 4;

// Where `baudrate` stands in kOfferedRates; none for a rate the tool does not offer.
std::optional<std::size_t> offeredRateIndex(std::int32_t baudrate);
bool isOfferedBaudrate(std::int32_t baudrate);
bool isOfferedPort(std::int32_t port);

// The settings string for an offered rate; none for any other.
std::optional<std::string_view> lineSettingsForBaudrate(std::int32_t baudrate);

std::optional<LineSettings> parseLineSettings(std::string_view text);

// How long `bytes` take on a wire with these settings: each is a start bit, its data bits, a
// parity bit if any, and its stop bits.
std::chrono::nanoseconds wireTime(const LineSettings& settings, std::size_t bytes);

}  // namespace orbelle
