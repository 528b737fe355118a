#include "DecimalNumbers.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace orbelle::cli {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<long long> parseDecimalInteger(std::string_view text, bool negativeAllowed) {
  const std::string_view digits =
      (negativeAllowed && !text.empty() && text.front() == '-') ? text.substr(1) : text;
  if (digits.empty() || !std::all_of(digits.begin(), digits.end(), isDigit)) {
    return std::nullopt;
  }
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

std::optional<double> parseDecimalFraction(std::string_view text) {
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  if (whole.size() + fraction.size() == 0 || !std::all_of(whole.begin(), whole.end(), isDigit) ||
      !std::all_of(fraction.begin(), fraction.end(), isDigit)) {
    return std::nullopt;
  }
  double value = 0.0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

CLI::Validator decimalInteger(bool negativeAllowed) {
  return CLI::Validator(
      [negativeAllowed](std::string& input) {
        const auto value = parseDecimalInteger(input, negativeAllowed);
        if (!value) {
          const bool digits = !input.empty() && std::all_of(input.begin(), input.end(), isDigit);
          return "\"" + input + "\" is " +
                 (digits ? std::string("too large")
                         : std::string("not a decimal number") +
                               (negativeAllowed ? "" : " (digits only)"));
        }
        input = std::to_string(*value);
        return std::string();
      },
      "");
}

}  // namespace orbelle::cli
