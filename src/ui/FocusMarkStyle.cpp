#include "ui/FocusMarkStyle.h"

#include <QApplication>
#include <QCheckBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>

namespace orbelle::ui {

namespace {

constexpr int kRingWidth = 2;

bool focused(const QStyleOption& option) {
  return (option.state & QStyle::State_HasFocus) != 0 &&
         (option.state & QStyle::State_Enabled) != 0;
}

// A ring inside `rect`, square and unsmoothed, so that every pixel of it has the full colour.
void drawRing(QPainter& painter, const QRect& rect, const QColor& colour) {
  if (rect.width() <= 2 * kRingWidth || rect.height() <= 2 * kRingWidth) {
    return;
  }
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  const int inner = rect.height() - 2 * kRingWidth;
  painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), kRingWidth), colour);
  painter.fillRect(QRect(rect.left(), rect.bottom() + 1 - kRingWidth, rect.width(), kRingWidth),
                   colour);
  painter.fillRect(QRect(rect.left(), rect.top() + kRingWidth, kRingWidth, inner), colour);
  painter.fillRect(QRect(rect.right() + 1 - kRingWidth, rect.top() + kRingWidth, kRingWidth, inner),
                   colour);
  painter.restore();
}

void drawMark(QPainter& painter, QRect rect, const QStyleOption& option, const QWidget* widget) {
  if (widget != nullptr) {
    rect = rect.intersected(widget->rect());
  }
  drawRing(painter, rect, option.palette.color(QPalette::WindowText));
}

}  // namespace

FocusMarkStyle::FocusMarkStyle(const QString& baseStyle) : QProxyStyle(baseStyle) {}

void FocusMarkStyle::install() {
  if (qobject_cast<FocusMarkStyle*>(QApplication::style()) == nullptr) {
    QApplication::setStyle(new FocusMarkStyle(QApplication::style()->name()));
  }
}

void FocusMarkStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
  // The focus rectangle of a check box or radio button is replaced, and a push button's left
  // out for its mark along the border; the item views keep theirs. The mark shows however the
  // focus came, by the keyboard or not, as the skinned buttons' ring does.
  if (element == PE_FrameFocusRect && (qobject_cast<const QCheckBox*>(widget) != nullptr ||
                                       qobject_cast<const QRadioButton*>(widget) != nullptr)) {
    if (focused(*option)) {
      // A pixel wider each side than the style's rectangle, which leaves the ring no room from
      // the caption.
      drawMark(*painter, option->rect.adjusted(-1, 0, 1, 0), *option, widget);
    }
    return;
  }
  if (element == PE_FrameFocusRect && qobject_cast<const QPushButton*>(widget) != nullptr) {
    return;
  }
  QProxyStyle::drawPrimitive(element, option, painter, widget);
  if (element == PE_FrameLineEdit && focused(*option)) {
    drawMark(*painter, option->rect, *option, widget);
  }
}

void FocusMarkStyle::drawControl(ControlElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
  QProxyStyle::drawControl(element, option, painter, widget);
  if (element == CE_PushButton && focused(*option)) {
    drawMark(*painter, option->rect, *option, widget);
  }
}

void FocusMarkStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                        QPainter* painter, const QWidget* widget) const {
  QProxyStyle::drawComplexControl(control, option, painter, widget);
  if (control == CC_ComboBox && focused(*option)) {
    drawMark(*painter, option->rect, *option, widget);
  }
}

}  // namespace orbelle::ui
