// orbelle_imagegen DIR: draws the button faces, pictures and window icons into DIR as PNG
// files, each at its size and at double size (@2x). The same fonts give the same bytes.
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <cstdio>
#include <functional>

#include "Pictures.h"

namespace {

using orbelle::imagegen::Face;
using Drawing = std::function<void(QPainter&)>;

const char* const kWordmarkFont = "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf";

QImage draw(QSize size, int scale, const QColor& ground, const Drawing& drawing) {
  QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
  image.fill(ground);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.scale(scale, scale);
  drawing(painter);
  return image;
}

int nearest(QRgb colour, const QList<QRgb>& palette) {
  int best = 0;
  int bestDistance = INT_MAX;
  for (int i = 0; i < palette.size(); ++i) {
    const int red = qRed(colour) - qRed(palette[i]);
    const int green = qGreen(colour) - qGreen(palette[i]);
    const int blue = qBlue(colour) - qBlue(palette[i]);
    const int distance = 3 * red * red + 4 * green * green + 2 * blue * blue;
    if (distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return best;
}

// Maps every pixel to its nearest palette colour; with `transparent`, pixels less than
// half covered become a fully transparent entry (an icon's mask).
QImage quantise(const QImage& drawn, QList<QRgb> palette, bool transparent) {
  const QImage source = drawn.convertToFormat(QImage::Format_ARGB32);
  const int opaqueColours = static_cast<int>(palette.size());
  if (transparent) {
    palette.append(qRgba(0, 0, 0, 0));
  }
  QImage indexed(source.size(), QImage::Format_Indexed8);
  indexed.setColorTable(palette);
  QHash<QRgb, int> cache;
  for (int y = 0; y < source.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    uchar* out = indexed.scanLine(y);
    for (int x = 0; x < source.width(); ++x) {
      if (transparent && qAlpha(in[x]) < 128) {
        out[x] = static_cast<uchar>(opaqueColours);
        continue;
      }
      const QRgb colour = in[x] | 0xff000000U;
      auto found = cache.find(colour);
      if (found == cache.end()) {
        found = cache.insert(colour, nearest(colour, palette.first(opaqueColours)));
      }
      out[x] = static_cast<uchar>(*found);
    }
  }
  return indexed;
}

bool save(const QImage& image, const QDir& dir, const QString& name) {
  QImageWriter writer(dir.filePath(name), "png");
  if (!writer.write(image)) {
    std::fprintf(stderr, "orbelle_imagegen: %s: %s\n", qPrintable(writer.fileName()),
                 qPrintable(writer.errorString()));
    return false;
  }
  return true;
}

// The wordmark's font: bold, at a pixel size and letter spacing, unhinted.
QFont wordmarkFont(const QString& family, int pixels, qreal spacing) {
  QFont font(family);
  font.setBold(true);
  font.setPixelSize(pixels);
  font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

bool saveButtonFaces(const QDir& dir, int scale, const QString& suffix) {
  bool saved = true;
  for (const auto& [kind, size] :
       {std::pair{"small", QSize(92, 30)}, std::pair{"large", QSize(99, 61)}}) {
    for (const auto& [state, face] :
         {std::pair{"normal", Face::Normal}, std::pair{"pressed", Face::Pressed},
          std::pair{"hover", Face::Hover}}) {
      const QImage image = draw(size, scale, Qt::white, [&, size = size, face = face](QPainter& p) {
        orbelle::imagegen::drawButtonFace(p, size, face);
      });
      saved = save(image.convertToFormat(QImage::Format_RGB32), dir,
                   QStringLiteral("button-%1-%2").arg(QLatin1String(kind), QLatin1String(state)) +
                       suffix) &&
              saved;
    }
  }
  return saved;
}

bool savePictures(const QDir& dir, int scale, const QString& suffix, const QString& family) {
  using namespace orbelle::imagegen;
  const QFont wordmark = wordmarkFont(family, 34, -0.5);
  const QFont tagline = wordmarkFont(family, 8, 0.6);
  const std::vector<std::tuple<QString, QSize, Drawing>> pictures{
      {QStringLiteral("handheld-and-base"), QSize(241, 120), drawHandheldAndBase},
      {QStringLiteral("logo"), QSize(191, 56),
       [&](QPainter& p) { drawLogo(p, wordmark, tagline); }},
      {QStringLiteral("base-unit"), QSize(200, 225), drawBaseUnit},
      {QStringLiteral("handheld"), QSize(200, 333), drawHandheld},
  };
  bool saved = true;
  for (const auto& [name, size, drawing] : pictures) {
    saved = save(quantise(draw(size, scale, Qt::white, drawing), picturePalette(), false), dir,
                 name + suffix) &&
            saved;
  }
  return saved;
}

bool saveIcons(const QDir& dir, int scale, const QString& suffix) {
  bool saved = true;
  for (const int pixels : {16, 32}) {
    const QImage icon = draw(QSize(pixels, pixels), scale, Qt::transparent, [&](QPainter& p) {
      p.scale(pixels / 48.0, pixels / 48.0);
      orbelle::imagegen::drawIcon(p, pixels * scale / 48.0);
    });
    saved = save(quantise(icon, orbelle::imagegen::picturePalette(), true), dir,
                 QStringLiteral("icon-%1").arg(pixels) + suffix) &&
            saved;
  }
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  const QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: orbelle_imagegen DIR\n");
    return 2;
  }
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  const int fontId = QFontDatabase::addApplicationFont(QString::fromLatin1(kWordmarkFont));
  if (!dir.mkpath(QStringLiteral(".")) || fontId < 0) {
    std::fprintf(stderr, "orbelle_imagegen: cannot write into %s or load %s\n", argv[1],
                 kWordmarkFont);
    return 1;
  }
  const QString family = QFontDatabase::applicationFontFamilies(fontId).constFirst();
  bool saved = true;
  for (const int scale : {1, 2}) {
    const QString suffix = scale == 1 ? QStringLiteral(".png") : QStringLiteral("@2x.png");
    saved = saveButtonFaces(dir, scale, suffix) && saved;
    saved = savePictures(dir, scale, suffix, family) && saved;
    saved = saveIcons(dir, scale, suffix) && saved;
  }
  return saved ? 0 : 1;
}
