#pragma once

#include <QProxyStyle>

namespace orbelle::ui {

// The style in use, with a focus mark that every control shows plainly, under either look: a
// ring two pixels wide in the window's text colour, which stands out from the window's
// background as its text does. It goes round the caption of a check box or radio button (round
// the box of one without a caption) and of a push button, and along the border of a field or a
// list. Controls that mark their focus themselves (the skinned buttons) keep their own mark.
class FocusMarkStyle : public QProxyStyle {
  Q_OBJECT

 public:
  explicit FocusMarkStyle(const QString& baseStyle);

  // Puts the mark over the application's style, once.
  static void install();

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget) const override;
};

}  // namespace orbelle::ui
