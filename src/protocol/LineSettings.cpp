#include "protocol/LineSettings.h"

#include <array>
#include <charconv>
#include <vector>

namespace orbelle {

namespace {

struct RateRow {
  std::int32_t baudrate;
  std::string_view settings;
};

constexpr std::array<RateRow, 5> kRates{{{9600, "9600,n,8,1"},
                                         {19200, "19200,n,8,1"},
                                         {38400, "38400,n,8,1"},
                                         {57600, "57600,n,8,1"},
                                         {115200, "115200,n,8,1"}}};

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

std::optional<std::string_view> lineSettingsForBaudrate(std::int32_t baudrate) {
  for (const RateRow& row : kRates) {
    if (row.baudrate == baudrate) {
      return row.settings;
    }
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
