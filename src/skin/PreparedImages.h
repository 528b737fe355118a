#pragma once

#include <QImage>
#include <QString>
#include <span>

namespace orbelle::skin {

// A built-in image decoded when the program was built (tools/imagegen/PrepareImages.cpp), for
// the images that start-up shows: the command buttons' faces, the main window's pictures and
// the window icons. A QImage uses the pixels where they lie, so nothing is decoded or copied.
struct PreparedImage {
  const char* resource;  // the PNG resource it stands for: ":/skin/logo.png"
  int width;
  int height;
  int bytesPerLine;
  bool alpha;  // premultiplied ARGB32; else RGB32
  const unsigned char* pixels;
};

// Every prepared image (generated at build time).
std::span<const PreparedImage> preparedImages();

// The prepared image of `resource`, or a null image where it has none.
QImage preparedImage(const QString& resource);

}  // namespace orbelle::skin
