#include "protocol/LineSettings.h"

#include <charconv>
#include <vector>

namespace orbelle {

namespace {

std::vector<std::string_view> splitFields(std::string_view text) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    fields.push_back(text.substr(start, comma - start));
    if (comma == std::string_view::npos) {
      return fields;
    }
    start = comma + 1;
  }
}

std::optional<int> parseNumber(std::string_view field) {
  int value = 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (error != std::errc{} || end != field.data() + field.size()) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<std::size_t> offeredRateIndex(std::int32_t baudrate) {
  for (std::size_t i = 0; i < kOfferedRates.size(); ++i) {
    if (kOfferedRates.at(i).baudrate == baudrate) {
      return i;
    }
  }
  return std::nullopt;
}

bool isOfferedBaudrate(std::int32_t baudrate) { return offeredRateIndex(baudrate).has_value(); }

bool isOfferedPort(std::int32_t port) { return port >= 1 && port <= kComPortCount; }

std::optional<std::string_view> lineSettingsForBaudrate(std::int32_t baudrate) {
  if (const auto index = offeredRateIndex(baudrate)) {
    return kOfferedRates.at(*index).lineSettings;
  }
  return std::nullopt;
}

std::optional<LineSettings> parseLineSettings(std::string_view text) {
  const std::vector<std::string_view> fields = splitFields(text);
  if (fields.size() != 4 || fields[1].size() != 1) {
    return std::nullopt;
  }
  const auto rate = parseNumber(fields[0]);
  const auto dataBits = parseNumber(fields[2]);
  const auto stopBits = parseNumber(fields[3]);
  const char parity = static_cast<char>(fields[1][0] | 0x20);  // either case
  const bool parityKnown =
      parity == 'n' || parity == 'o' || parity == 'e' || parity == 'm' || parity == 's';
  if (!rate || *rate <= 0 || !dataBits || *dataBits < 5 || *dataBits > 8 || !stopBits ||
      (*stopBits != 1 && *stopBits != 2) || !parityKnown) {
    return std::nullopt;
  }
  return LineSettings{*rate, parity, *dataBits, *stopBits};
}

std::chrono::nanoseconds wireTime(const LineSettings& settings, std::size_t bytes) {
  const std::int64_t bitsPerByte =
      1 + settings.dataBits + (settings.parity == 'n' ? 0 : 1) + settings.stopBits;
  const std::int64_t rate = settings.rate > 0 ? settings.rate : 1;
  return std::chrono::nanoseconds(static_cast<std::int64_t>(bytes) * bitsPerByte * 1'000'000'000LL /
                                  rate);
}

}  // namespace orbelle
