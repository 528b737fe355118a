#include "upgrade/UpgradeFrames.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "protocol/ByteOrder.h"

namespace orbelle {

namespace {

struct BaudCodeRow {
  std::int32_t baudrate;
  std::uint8_t code;
};

constexpr std::array<BaudCodeRow, 5> kBaudCodes{
    {{9600, '1'}, {19200, '2'}, {38400, '3'}, {57600, '4'}, {115200, '5'}}};

}  // namespace

std::optional<std::uint8_t> baudCodeFor(std::int32_t baudrate) {
  for (const BaudCodeRow& row : kBaudCodes) {
    if (row.baudrate == baudrate) {
      return row.code;
    }
  }
  return std::nullopt;
}

void writeStartPayload(ReportFrame& frame, std::uint32_t imageLength, std::int32_t baudrate) {
  writeLe32(frame, upgrade_pos::kImageLength, imageLength);
  if (const auto code = baudCodeFor(baudrate)) {
    frame.at(upgrade_pos::kBaudCode) = *code;
  }
}

void writeBlockPayload(ReportFrame& frame, std::uint32_t offset,
                       std::span<const std::uint8_t> data) {
  if (data.size() > kBlockSize) {
    throw std::length_error("an upgrade block carries at most 32 bytes");
  }
  requireRange(frame.size(), upgrade_pos::kData, kBlockSize);
  const BlockAddress address = blockAddress(offset);
  writeLe16(frame, upgrade_pos::kPage, address.page);
  frame.at(upgrade_pos::kSlot) = address.slot;
  const auto block = std::span<std::uint8_t>(frame).subspan(upgrade_pos::kData, kBlockSize);
  const auto tail = std::copy(data.begin(), data.end(), block.begin());
  std::fill(tail, block.end(), std::uint8_t{0});
}

FramePayload startPayload(std::uint32_t imageLength, std::int32_t baudrate) {
  FramePayload payload;
  writeStartPayload(payload.bytes, imageLength, baudrate);
  payload.end = baudCodeFor(baudrate) ? upgrade_pos::kBaudCode + 1 : upgrade_pos::kImageLength + 4;
  return payload;
}

FramePayload blockPayload(std::uint32_t offset, std::span<const std::uint8_t> data) {
  FramePayload payload;
  writeBlockPayload(payload.bytes, offset, data);
  payload.end = upgrade_pos::kData + kBlockSize;
  return payload;
}

}  // namespace orbelle
