#include "ui/DialogUnits.h"

#include <QFontMetrics>
#include <QWidget>
#include <cmath>

namespace orbelle::ui {

namespace {

constexpr int kLogicalDpi = 96;
constexpr int kPointsPerInch = 72;

int scale(int units, int base, int divisor) {
  return static_cast<int>(std::lround(static_cast<double>(units) * base / divisor));
}

}  // namespace

QFont dialogFont(const QString& face, int points) {
  QFont font(face);
  font.setPixelSize(scale(points, kLogicalDpi, kPointsPerInch));
  return font;
}

DialogUnits::DialogUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  const int letters = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  baseWidth_ = (letters / 26 + 1) / 2;
  baseHeight_ = metrics.height();
}

int DialogUnits::x(int units) const { return scale(units, baseWidth_, 4); }
int DialogUnits::y(int units) const { return scale(units, baseHeight_, 8); }

QRect DialogUnits::rect(int x, int y, int width, int height) const {
  return {this->x(x), this->y(y), this->x(width), this->y(height)};
}

QSize DialogUnits::size(int width, int height) const { return {x(width), y(height)}; }

QString captionAsName(const QString& caption) {
  return caption.split(QLatin1Char('\n'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
}

void identify(QWidget& control, int id, const QString& accessibleName) {
  control.setObjectName(QStringLiteral("id%1").arg(id));
  control.setAccessibleName(captionAsName(accessibleName));
}

}  // namespace orbelle::ui
