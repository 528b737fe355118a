#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orbelle {

enum class Nation : std::uint8_t { Europe = 0, China = 1, Turkey = 2 };

// The nation byte of an upload that gives no nation.
inline constexpr std::uint8_t kNoNation = 0xFF;

// Entries of the nation list in the settings window; Turkey's entry is eleven blanks.
inline constexpr std::array<std::string_view, 3> kNationListEntries{"Europe", "China",
                                                                    "           "};
// Names used in the summary and the command line.
inline constexpr std::array<std::string_view, 3> kNationNames{"Europe", "China", "Turkey"};
// The same in the JSON form and settings files.
inline constexpr std::array<std::string_view, 3> kNationKeys{"europe", "china", "turkey"};

// RF output power levels in list order; the list index is the position.
inline constexpr std::array<std::int8_t, 8> kPowerLevelList{10, 7, 5, 0, -5, -10, -15, -20};

// RS232 rates of the base unit's own host port by baudCode 1..6 (0 means none given).
inline constexpr std::array<std::int32_t, 6> kBaseBaudRates{4800,  9600,  19200,
                                                            38400, 57600, 115200};

// The serial groups by code 1..n, in code order: the values of the settings window's buttons,
// named as the JSON form and vkr's options name them.
inline constexpr std::array<int, 2> kDataBitsByCode{7, 8};
inline constexpr std::array<int, 2> kStopBitsByCode{1, 2};
inline constexpr std::array<std::string_view, 3> kParityNames{"none", "odd", "even"};
inline constexpr std::array<std::string_view, 3> kFlowNames{"none", "rts-low", "rts-high"};
inline constexpr std::array<std::string_view, 2> kNumericKeyNames{"alphabetic", "alt-keypad"};

// The code (1..n) of `value` in one of the tables above; none when it has none.
template <typename T, std::size_t N>
constexpr std::optional<std::uint8_t> codeIn(const std::array<T, N>& table, const T& value) {
  for (std::size_t i = 0; i < N; ++i) {
    if (table[i] == value) {
      return static_cast<std::uint8_t>(i + 1);
    }
  }
  return std::nullopt;
}

// The entry for `code` in one of the tables above; none for a code outside it.
template <typename T, std::size_t N>
constexpr std::optional<T> entryFor(const std::array<T, N>& table, std::uint8_t code) {
  if (code < 1 || code > N) {
    return std::nullopt;
  }
  return table[code - 1U];
}

// Selectable channels are 1..N, N by nation and hopping; any nation code other than
// China or Turkey uses the Europe row.
int channelCount(std::uint8_t nation, bool hopping);

// Position of a power in kPowerLevelList; none when the power is not offered.
std::optional<std::size_t> powerIndex(int powerDbm);

// The offered powers in list order, "10, 7, ..., -15" then `lastSeparator` and "-20".
std::string powerLevelsText(std::string_view lastSeparator = ", ");

std::optional<std::uint8_t> baudCodeForRate(std::int32_t rate);
std::optional<std::int32_t> rateForBaudCode(std::uint8_t baudCode);

}  // namespace orbelle
