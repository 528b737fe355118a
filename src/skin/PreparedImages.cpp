#include "skin/PreparedImages.h"

namespace orbelle::skin {

QImage preparedImage(const QString& resource) {
  for (const PreparedImage& image : preparedImages()) {
    if (resource == QLatin1String(image.resource)) {
      return QImage(image.pixels, image.width, image.height, image.bytesPerLine,
                    image.alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    }
  }
  return {};
}

}  // namespace orbelle::skin
