#include "skin/ImageRegion.h"

#include <cmath>
#include <cstdint>
#include <span>

#include "skin/BitmapRegion.h"

namespace orbelle {

std::optional<QRegion> imageRegion(const QImage& image, QRgb transparent) {
  if (image.isNull()) {
    return std::nullopt;
  }
  // One 32-bit value per pixel, whatever the image's own format.
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  const std::span<const std::uint32_t> pixels(
      reinterpret_cast<const std::uint32_t*>(rgb.constBits()),
      static_cast<std::size_t>(rgb.sizeInBytes()) / sizeof(std::uint32_t));
  const auto rects =
      bitmapRegion(PixelRows{rgb.width(), rgb.height(), pixels,
                             static_cast<std::size_t>(rgb.bytesPerLine()) / sizeof(std::uint32_t)},
                   transparent);

  const double ratio = image.devicePixelRatio();
  QRegion region(0, 0, 0, 0);
  for (const RegionRect& r : rects->rects()) {
    const auto left = static_cast<int>(std::floor(r.left / ratio));
    const auto top = static_cast<int>(std::floor(r.top / ratio));
    const auto right = static_cast<int>(std::ceil(r.right / ratio));
    const auto bottom = static_cast<int>(std::ceil(r.bottom / ratio));
    region = region.united(QRegion(left, top, right - left, bottom - top));
  }
  return region;
}

std::optional<QRegion> imageRegion(const QPixmap& pixmap, QRgb transparent) {
  if (pixmap.isNull()) {
    return std::nullopt;
  }
  return imageRegion(pixmap.toImage(), transparent);
}

}  // namespace orbelle
