#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "protocol/FramePayload.h"
#include "protocol/ReportFrame.h"

namespace orbelle {

// Payload layout of the upgrade start and block frames, base unit and handheld alike. Bytes a
// frame does not name here keep whatever the last frame held.
namespace upgrade_pos {
inline constexpr std::size_t kImageLength = 2;  // start: 32-bit LE
inline constexpr std::size_t kBaudCode = 6;     // start: ASCII digit
inline constexpr std::size_t kPage = 2;         // block: 16-bit LE
inline constexpr std::size_t kSlot = 4;         // block: 0..7 within the page
inline constexpr std::size_t kData = 5;         // block: 32 bytes, 5..36
}  // namespace upgrade_pos

inline constexpr std::size_t kBlockSize = 32;
inline constexpr std::uint32_t kPageSize = 256;
// The page number is 16 bits wide.
inline constexpr std::uint64_t kMaxImageLength = std::uint64_t{65536} * kPageSize;

struct BlockAddress {
  std::uint16_t page;
  std::uint8_t slot;

  bool operator==(const BlockAddress&) const = default;
};

// offset must stay below kMaxImageLength.
constexpr BlockAddress blockAddress(std::uint32_t offset) {
  return {static_cast<std::uint16_t>(offset / kPageSize),
          static_cast<std::uint8_t>((offset % kPageSize) / kBlockSize)};
}

// '1'..'5' for 9600..115200; none for any other rate.
std::optional<std::uint8_t> baudCodeFor(std::int32_t baudrate);

// Writes the image length and, for a known rate, the rate code; byte 6 is left alone otherwise.
void writeStartPayload(ReportFrame& frame, std::uint32_t imageLength, std::int32_t baudrate);

// Writes the address of the block at offset and its data, zero-padded to the full block.
void writeBlockPayload(ReportFrame& frame, std::uint32_t offset,
                       std::span<const std::uint8_t> data);

// The same as the payloads the channel sends: what each frame sets, and no more.
FramePayload startPayload(std::uint32_t imageLength, std::int32_t baudrate);
FramePayload blockPayload(std::uint32_t offset, std::span<const std::uint8_t> data);

}  // namespace orbelle
