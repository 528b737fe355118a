#include "skin/BitmapRegion.h"

#include <stdexcept>

namespace orbelle {

namespace {

constexpr std::uint32_t kColourBits = 0x00FFFFFF;

void checkCovers(const PixelRows& bitmap) {
  if (bitmap.width < 0 || bitmap.height < 0) {
    throw std::invalid_argument("bitmap size is negative");
  }
  if (bitmap.width == 0 || bitmap.height == 0) {
    return;
  }
  const auto width = static_cast<std::size_t>(bitmap.width);
  const auto lastRow = static_cast<std::size_t>(bitmap.height - 1);
  if (bitmap.stride < width || bitmap.pixels.size() < lastRow * bitmap.stride + width) {
    throw std::invalid_argument("bitmap pixels do not cover its size");
  }
}

}  // namespace

RegionRects::RegionRects() { rects_.reserve(kBlock); }

void RegionRects::append(RegionRect rect) {
  rects_.push_back(rect);
  if (rects_.size() == capacity_) {
    capacity_ += kBlock;
    rects_.reserve(capacity_);
  }
}

std::optional<RegionRects> bitmapRegion(const std::optional<PixelRows>& bitmap,
                                        std::uint32_t transparent) {
  if (!bitmap) {
    return std::nullopt;
  }
  checkCovers(*bitmap);
  const std::uint32_t clear = transparent & kColourBits;
  RegionRects result;
  for (int r = 0; r < bitmap->height; ++r) {
    const int y = bitmap->height - 1 - r;
    const auto row = bitmap->pixels.subspan(static_cast<std::size_t>(y) * bitmap->stride,
                                            static_cast<std::size_t>(bitmap->width));
    int start = -1;  // no open run at the start of a row
    for (int x = 0; x < bitmap->width; ++x) {
      const bool opaque = (row[static_cast<std::size_t>(x)] & kColourBits) != clear;
      if (opaque && start < 0) {
        start = x;
      } else if (!opaque && start >= 0) {
        result.append({start, y, x, y + 1});
        start = -1;
      }
    }
    if (start >= 0) {
      result.append({start, y, bitmap->width, y + 1});
    }
  }
  return result;
}

}  // namespace orbelle
