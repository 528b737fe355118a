#include "skin/WindowPicture.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "skin/PreparedImages.h"

namespace orbelle::skin {

namespace {

constexpr QRgb kTransparentColour = 0xFFFFFF;

// Screen readers take a picture for what it is: a graphic, named, that nobody operates.
QAccessibleInterface* pictureAccessible(const QString& className, QObject* object) {
  if (className == QLatin1String(PictureWidget::staticMetaObject.className()) &&
      object->isWidgetType()) {
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
  }
  return nullptr;
}

QImage decode(const QString& resource, qreal ratio, int& scale) {
  if (ratio > 1.0) {
    QString doubled = resource;
    doubled.insert(doubled.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
    if (QFile::exists(doubled)) {
      scale = 2;
      return QImageReader(doubled).read();
    }
  }
  scale = 1;
  if (QImage prepared = preparedImage(resource); !prepared.isNull()) {
    return prepared;
  }
  return QImageReader(resource).read();
}

}  // namespace

QImage loadForRatio(const QString& resource, qreal ratio, int& scale) {
  if (!resource.startsWith(QLatin1String(":/"))) {
    return decode(resource, ratio, scale);
  }
  // Built-in images never change, and every window's buttons show the same few faces: each is
  // decoded once, kept premultiplied as the screen takes it, so that a pixmap made of it
  // shares its pixels instead of converting them again.
  struct Decoded {
    QImage image;
    int scale = 1;
  };
  static QHash<QString, Decoded> decoded;
  const QString key = ratio > 1.0 ? resource + QLatin1String("@2x") : resource;
  auto found = decoded.constFind(key);
  if (found == decoded.constEnd()) {
    Decoded fresh;
    fresh.image = decode(resource, ratio, fresh.scale);
    if (fresh.image.hasAlphaChannel()) {
      fresh.image.convertTo(QImage::Format_ARGB32_Premultiplied);
    }
    found = decoded.insert(key, fresh);
  }
  scale = found->scale;
  return found->image;
}

std::vector<PicturePlacement> placementsOf(ui::WindowPicture picture) {
  const QString baseUnit = QStringLiteral(":/skin/base-unit.png");
  const QString baseUnitName = QStringLiteral("Base unit picture");
  switch (picture) {
    case ui::WindowPicture::Main:
      return {{QStringLiteral(":/skin/handheld-and-base.png"), QRect(90, 0, 151, 120),
               QRect(124, 20, 151, 120), QStringLiteral("Handheld unit and base unit picture")},
              {QStringLiteral(":/skin/logo.png"), QRect(0, 0, 190, 55), QRect(290, 10, 190, 55),
               QStringLiteral("Logo"), true}};
    case ui::WindowPicture::SetBaseUnit:
      return {{baseUnit, QRect(0, 0, 200, 225), QRect(560, 380, 80, 90), baseUnitName}};
    case ui::WindowPicture::UpgradeBase:
      return {{baseUnit, QRect(0, 0, 200, 225), QRect(390, 30, 80, 90), baseUnitName}};
    case ui::WindowPicture::UpgradeHandheld:
      return {{QStringLiteral(":/skin/handheld.png"), QRect(0, 0, 200, 333),
               QRect(390, 110, 50, 82), QStringLiteral("Handheld unit picture")}};
    case ui::WindowPicture::None:
      break;
  }
  return {};
}

QPixmap preparePicture(const QString& resource, QRect source, QSize size, qreal ratio) {
  int scale = 1;
  const QImage loaded = loadForRatio(resource, ratio, scale);
  if (loaded.isNull()) {
    return {};
  }
  // Premultiplied, a transparent pixel carries no colour into its neighbours when scaled.
  QImage image = loaded.copy(QRect(source.topLeft() * scale, source.size() * scale))
                     .convertToFormat(QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if ((line[x] & 0xFFFFFFU) == kTransparentColour && qAlpha(line[x]) == 255) {
        line[x] = 0;
      }
    }
  }
  const QSize pixels(static_cast<int>(std::lround(size.width() * ratio)),
                     static_cast<int>(std::lround(size.height() * ratio)));
  QPixmap pixmap =
      QPixmap::fromImage(image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  pixmap.setDevicePixelRatio(ratio);
  return pixmap;
}

PictureWidget::PictureWidget(QWidget& window, PicturePlacement placement)
    : QWidget(&window), placement_(std::move(placement)) {
  setObjectName(QStringLiteral("picture"));
  setAccessibleName(placement_.name);
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setGeometry(placement_.target);
}

void PictureWidget::paintEvent(QPaintEvent* event) {
  const qreal ratio = devicePixelRatioF();
  if (!qFuzzyCompare(madeFor_, ratio)) {
    pixmap_ = preparePicture(placement_.resource, placement_.source, size(), ratio);
    madeFor_ = ratio;
  }
  QPainter(this).drawPixmap(0, 0, pixmap_);
  if (placement_.drawnWhole && !QRegion(rect()).subtracted(event->region()).isEmpty()) {
    // What was asked for is drawn now; the rest follows, so that the picture is never seen
    // in two parts.
    update();
  }
}

void addPictures(QDialog& window, ui::WindowPicture picture) {
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(pictureAccessible);
    return true;
  }();
  (void)factoryInstalled;
  for (PicturePlacement& placement : placementsOf(picture)) {
    auto* widget = new PictureWidget(window, std::move(placement));
    widget->lower();
  }
}

}  // namespace orbelle::skin
