#pragma once

#include <optional>
#include <string_view>

#include <CLI/CLI.hpp>

namespace orbelle::cli {

// Every number vkr takes is written in decimal: digits, a minus sign first only where a
// value may be negative, and one point in a fraction. Leading zeros mean nothing: 010 is
// ten. CLI11's own conversion reads what strtol reads with base 0 (010 as eight, 0x3, +5,
// " 3"), so no number reaches it unchecked.

// The integer `text` spells, or none for any other form or a value beyond long long.
std::optional<long long> parseDecimalInteger(std::string_view text, bool negativeAllowed = false);
// Digits with an optional fraction: "3", "0.5", ".5". No sign, exponent or other form.
std::optional<double> parseDecimalFraction(std::string_view text);

// For an integer option: refuses every other form and hands CLI11 the value's digits without
// leading zeros, which its conversion reads as written.
CLI::Validator decimalInteger(bool negativeAllowed = false);

}  // namespace orbelle::cli
