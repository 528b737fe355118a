#pragma once

#include <QImage>
#include <QPixmap>
#include <QRegion>
#include <optional>

namespace orbelle {

// The region of the pixels of `image` whose colour is not `transparent` (compared on red,
// green and blue only), in the image's logical pixels: with a device pixel ratio of 2 a
// logical pixel belongs to the region when any of its four device pixels is opaque, so the
// region covers everything the image paints. None for a null image; an empty region when
// every pixel is transparent. Built by successive unions of one rectangle per run.
std::optional<QRegion> imageRegion(const QImage& image, QRgb transparent = qRgb(255, 255, 255));
std::optional<QRegion> imageRegion(const QPixmap& pixmap, QRgb transparent = qRgb(255, 255, 255));

}  // namespace orbelle
