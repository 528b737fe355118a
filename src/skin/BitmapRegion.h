#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace orbelle {

// One run of opaque pixels in one row; right and bottom are exclusive.
struct RegionRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;

  bool operator==(const RegionRect&) const = default;
};

// A bitmap's pixels, one 32-bit value each, row y starting at y * stride. Only the low 24 bits
// are compared, so 0x00BBGGRR values and Qt's 0xAARRGGBB both work as long as the transparent
// colour uses the same channel order (white is the same in both).
struct PixelRows {
  int width = 0;
  int height = 0;
  std::span<const std::uint32_t> pixels;
  std::size_t stride = 0;  // in pixels, at least width
};

// The runs of a shape bitmap, in scan order: bottom row first, left to right in each row,
// one rectangle per run, never merged. Storage grows a block of kBlock rectangles at a time,
// as soon as the count reaches the capacity, so a long scan reallocates seldom.
class RegionRects {
 public:
  static constexpr std::size_t kBlock = 40;

  RegionRects();
  void append(RegionRect rect);

  const std::vector<RegionRect>& rects() const { return rects_; }
  std::size_t capacity() const { return capacity_; }

 private:
  std::vector<RegionRect> rects_;
  std::size_t capacity_ = kBlock;
};

// The rectangles covering every pixel whose colour is not exactly `transparent` (no
// tolerance). No bitmap gives none; an all-transparent bitmap gives an empty list.
// Throws std::invalid_argument when the pixels do not cover width, height and stride.
std::optional<RegionRects> bitmapRegion(const std::optional<PixelRows>& bitmap,
                                        std::uint32_t transparent);

}  // namespace orbelle
