#pragma once

#include <array>
#include <cstdint>

namespace orbelle {

// Four version characters in display order (first, second, third, fourth); a zero fourth
// character means there is none.
using VersionChars = std::array<char, 4>;

// The base unit's settings record. Codes are carried as reported, so that a value outside
// the tables survives a read-modify-upload unchanged.
struct BaseSettings {
  std::int8_t powerDbm = 10;
  std::uint8_t channel = 0;
  std::uint16_t associatedIds = 0;  // bit 0 is ID 1 ... bit 15 is ID 16
  std::uint8_t baudCode = 0;        // 1..6 = 4800..115200, 0 = none given
  std::uint8_t nation = 0;
  bool hopping = false;
  std::uint8_t dataBitsCode = 0;     // 1 = 7 bits, 2 = 8 bits
  std::uint8_t stopBitsCode = 0;     // 1 = 1 bit, 2 = 2 bits
  std::uint8_t parityCode = 0;       // 1 none, 2 odd, 3 even
  std::uint8_t flowControlCode = 0;  // 1 none, 2 RTS low when idle, 3 RTS high when idle
  std::uint8_t numericKeyMode = 0;   // 1 alphabetic keys, 2 Alt + keypad
  VersionChars bootloaderVersion{};
  VersionChars applicationVersion{};

  bool operator==(const BaseSettings&) const = default;
};

inline bool isIdRegistered(std::uint16_t associatedIds, int id) {
  return id >= 1 && id <= 16 && (associatedIds & (1U << static_cast<unsigned>(id - 1))) != 0;
}

}  // namespace orbelle
