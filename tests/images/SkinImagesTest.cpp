#include <QImage>
#include <QSet>
#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "support/Contrast.h"

namespace {

using orbelle::testing::contrast;

enum class Kind { Face, Picture, Icon };

struct SkinImage {
  QString name;
  QSize size;
  Kind kind;
};

const std::vector<SkinImage>& skinImages() {
  static const std::vector<SkinImage> images = [] {
    std::vector<SkinImage> all{{QStringLiteral("handheld-and-base"), {241, 120}, Kind::Picture},
                               {QStringLiteral("logo"), {191, 56}, Kind::Picture},
                               {QStringLiteral("base-unit"), {200, 225}, Kind::Picture},
                               {QStringLiteral("handheld"), {200, 333}, Kind::Picture},
                               {QStringLiteral("icon-16"), {16, 16}, Kind::Icon},
                               {QStringLiteral("icon-32"), {32, 32}, Kind::Icon}};
    for (const char* state : {"normal", "pressed", "hover"}) {
      all.push_back({QStringLiteral("button-small-%1").arg(state), {92, 30}, Kind::Face});
      all.push_back({QStringLiteral("button-large-%1").arg(state), {99, 61}, Kind::Face});
    }
    return all;
  }();
  return images;
}

QImage load(const QString& name) {
  return QImage(QStringLiteral(":/skin/%1.png").arg(name)).convertToFormat(QImage::Format_ARGB32);
}

constexpr QRgb kWhite = 0xffffffff;

// White made transparent leaves a pale fringe wherever an edge pixel is almost white.
bool nearWhite(QRgb pixel) {
  return pixel != kWhite && qAlpha(pixel) != 0 &&
         3 * 255 - qRed(pixel) - qGreen(pixel) - qBlue(pixel) < 48;
}

TEST(SkinImages, LoadAtTheirSizeAndDoubleWithCleanGroundEdgesAndReadableCaptions) {
  for (const SkinImage& image : skinImages()) {
    SCOPED_TRACE(image.name.toStdString());
    for (const int scale : {1, 2}) {
      const QImage pixels = load(scale == 1 ? image.name : image.name + QStringLiteral("@2x"));
      ASSERT_EQ(pixels.size(), image.size * scale) << "scale " << scale;
      const int right = pixels.width() - 1;
      const int bottom = pixels.height() - 1;
      const std::vector<QRgb> corners{pixels.pixel(0, 0), pixels.pixel(right, 0),
                                      pixels.pixel(0, bottom), pixels.pixel(right, bottom)};
      QSet<QRgb> colours;
      int fringe = 0;
      int whiteEdge = 0;
      for (int y = 0; y <= bottom; ++y) {
        for (int x = 0; x <= right; ++x) {
          const QRgb pixel = pixels.pixel(x, y);
          if (qAlpha(pixel) != 0) {
            colours.insert(pixel);
          }
          fringe += nearWhite(pixel) || (qAlpha(pixel) != 0 && qAlpha(pixel) != 255) ? 1 : 0;
          const bool edge = x == 0 || y == 0 || x == right || y == bottom;
          whiteEdge += edge && pixel == kWhite ? 1 : 0;
        }
      }
      EXPECT_EQ(fringe, 0) << "scale " << scale;
      switch (image.kind) {
        case Kind::Face: {
          EXPECT_EQ(whiteEdge, 0) << "scale " << scale;
          // The caption colour must read where a caption stands: the middle half each way.
          double worst = 21;
          for (int y = pixels.height() / 4; y < pixels.height() * 3 / 4; ++y) {
            for (int x = pixels.width() / 4; x < pixels.width() * 3 / 4; ++x) {
              worst = std::min(worst, contrast(qRgb(40, 23, 23), pixels.pixel(x, y)));
            }
          }
          EXPECT_GE(worst, 4.5) << "caption contrast at scale " << scale;
          break;
        }
        case Kind::Picture:
          EXPECT_LE(colours.size(), 16) << "scale " << scale;
          EXPECT_EQ(std::count(corners.begin(), corners.end(), kWhite), 4) << "scale " << scale;
          break;
        case Kind::Icon:
          EXPECT_LE(colours.size(), 16) << "scale " << scale;
          EXPECT_TRUE(std::all_of(corners.begin(), corners.end(),
                                  [](QRgb corner) { return qAlpha(corner) == 0; }))
              << "scale " << scale;
          break;
      }
    }
  }
}

}  // namespace
