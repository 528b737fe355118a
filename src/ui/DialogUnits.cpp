#include "ui/DialogUnits.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QRawFont>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <optional>

namespace orbelle::ui {

namespace {

constexpr int kLogicalDpi = 96;
constexpr int kPointsPerInch = 72;

int scale(int units, int base, int divisor) {
  return static_cast<int>(std::lround(static_cast<double>(units) * base / divisor));
}

// The font's ascent and descent over its em, as the platform the dialogs were designed on
// measures a character cell: from the OS/2 table's Windows ascent and descent.
struct CellMetrics {
  double ascent = 0.0;
  double descent = 0.0;
};

std::optional<CellMetrics> cellMetrics(const QFont& font) {
  const QRawFont raw = QRawFont::fromFont(font);
  const QByteArray os2 = raw.fontTable("OS/2");
  constexpr qsizetype kWinDescentEnd = 78;
  if (!raw.isValid() || raw.unitsPerEm() <= 0 || os2.size() < kWinDescentEnd) {
    return std::nullopt;
  }
  const auto word = [&](qsizetype at) {
    return static_cast<double>((static_cast<unsigned char>(os2[at]) << 8) |
                               static_cast<unsigned char>(os2[at + 1]));
  };
  const double em = raw.unitsPerEm();
  return CellMetrics{word(74) / em, word(76) / em};
}

}  // namespace

QFont dialogFont(const QString& face, int points) {
  QFont font(face);
  font.setPixelSize(scale(points, kLogicalDpi, kPointsPerInch));
  return font;
}

QFont cellHeightFont(const QString& face, int cellPixels, QFont::Weight weight) {
  QFont font(face);
  font.setStyleHint(QFont::SansSerif);
  font.setWeight(weight);
  font.setPixelSize(cellPixels);
  // A font asked for by its cell height has a smaller em, which is what Qt sizes by.
  if (const auto cell = cellMetrics(font)) {
    font.setPixelSize(static_cast<int>(std::lround(cellPixels / (cell->ascent + cell->descent))));
  }
  return font;
}

DialogUnits::DialogUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  const int letters = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  baseWidth_ = (letters / 26 + 1) / 2;
  baseHeight_ = metrics.height();
  if (const auto cell = cellMetrics(font)) {
    // Rounded part by part, as the character cell's height is.
    const double em = QFontInfo(font).pixelSize();
    baseHeight_ =
        static_cast<int>(std::lround(em * cell->ascent) + std::lround(em * cell->descent));
  }
}

int DialogUnits::x(int units) const { return scale(units, baseWidth_, 4); }
int DialogUnits::y(int units) const { return scale(units, baseHeight_, 8); }

QRect DialogUnits::rect(int x, int y, int width, int height) const {
  return {this->x(x), this->y(y), this->x(width), this->y(height)};
}

QRect DialogUnits::rect(const QRect& inUnits) const {
  return rect(inUnits.x(), inUnits.y(), inUnits.width(), inUnits.height());
}

QSize DialogUnits::size(int width, int height) const { return {x(width), y(height)}; }

namespace {

// How many pixels a control's caption lacks to be shown whole on its line.
int captionShortfall(const QWidget& control) {
  if (const auto* label = qobject_cast<const QLabel*>(&control)) {
    return label->fontMetrics().horizontalAdvance(label->text()) - label->contentsRect().width();
  }
  const auto* button = qobject_cast<const QAbstractButton*>(&control);
  if (button == nullptr) {
    return 0;
  }
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  const QStyle::SubElement contents = qobject_cast<const QCheckBox*>(button) != nullptr
                                          ? QStyle::SE_CheckBoxContents
                                          : QStyle::SE_RadioButtonContents;
  return button->fontMetrics().horizontalAdvance(button->text()) -
         button->style()->subElementRect(contents, &option, button).width();
}

}  // namespace

void growToCaption(QWidget& control, int rightEdge) {
  const int lacking = captionShortfall(control);
  if (lacking > 0) {
    control.resize(
        std::max(control.width(), std::min(control.width() + lacking, rightEdge - control.x())),
        control.height());
  }
}

QString captionAsName(const QString& caption) {
  return caption.split(QLatin1Char('\n'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
}

void focusFirstControl(QWidget& window) {
  for (QWidget* control = window.nextInFocusChain(); control != &window;
       control = control->nextInFocusChain()) {
    if ((control->focusPolicy() & Qt::TabFocus) != 0 && control->isEnabled() &&
        control->isVisibleTo(&window) && control->window() == &window) {
      control->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}

void identify(QWidget& control, int id, const QString& accessibleName) {
  control.setObjectName(QStringLiteral("id%1").arg(id));
  control.setAccessibleName(captionAsName(accessibleName));
}

}  // namespace orbelle::ui
