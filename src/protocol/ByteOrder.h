#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>

namespace orbelle {

// Bounds-checked little-endian access to wire bytes; every multi-byte value in a
// frame goes through these so that a wrong position fails loudly, not silently.

inline void requireRange(std::size_t size, std::size_t pos, std::size_t width) {
  if (pos > size || width > size - pos) {
    throw std::out_of_range("byte range outside the buffer");
  }
}

inline std::uint16_t readLe16(std::span<const std::uint8_t> bytes, std::size_t pos) {
  requireRange(bytes.size(), pos, 2);
  return static_cast<std::uint16_t>(bytes[pos] | (bytes[pos + 1] << 8));
}

inline std::uint32_t readLe32(std::span<const std::uint8_t> bytes, std::size_t pos) {
  requireRange(bytes.size(), pos, 4);
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    value |= static_cast<std::uint32_t>(bytes[pos + i]) << (8 * i);
  }
  return value;
}

inline void writeLe16(std::span<std::uint8_t> bytes, std::size_t pos, std::uint16_t value) {
  requireRange(bytes.size(), pos, 2);
  bytes[pos] = static_cast<std::uint8_t>(value & 0xFF);
  bytes[pos + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void writeLe32(std::span<std::uint8_t> bytes, std::size_t pos, std::uint32_t value) {
  requireRange(bytes.size(), pos, 4);
  for (std::size_t i = 0; i < 4; ++i) {
    bytes[pos + i] = static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF);
  }
}

}  // namespace orbelle
