#include "skin/SkinLook.h"

#include <QApplication>
#include <QPixmap>

#include "skin/DialogColours.h"
#include "skin/SkinButton.h"
#include "skin/WindowPicture.h"

namespace orbelle::skin {

namespace {

const QColor kCaptionColour(40, 23, 23);

// A face drawn for the screen's density, so that it is sharp and keeps its logical size.
QPixmap face(const QString& resource) {
  int scale = 1;
  QPixmap pixmap = QPixmap::fromImage(
      loadForRatio(resource + QStringLiteral(".png"), qApp->devicePixelRatio(), scale));
  pixmap.setDevicePixelRatio(scale);
  return pixmap;
}

// A command button of the family's faces, drawn at their natural size from the top-left
// corner; disabled, it keeps the normal face with an embossed caption.
QAbstractButton* makeCommandButton(QWidget& parent, const QString& caption,
                                   ui::ButtonFamily family) {
  auto* button = new SkinButton(caption, &parent);
  const QString prefix = family == ui::ButtonFamily::Large ? QStringLiteral(":/skin/button-large-")
                                                           : QStringLiteral(":/skin/button-small-");
  SkinImages faces;  // no disabled face (the normal one), no shape
  faces.normal = face(prefix + QStringLiteral("normal"));
  faces.pressed = face(prefix + QStringLiteral("pressed"));
  faces.hover = face(prefix + QStringLiteral("hover"));
  button->setSkin(faces, 0, false, 0);
  button->setTextColour(kCaptionColour);
  // The faces alone would not show which button has the focus, and a person working with the
  // keyboard could not tell what Space or Enter will press: a dark ring in the caption's
  // colour marks it, on the hovered face too. (A focus rectangle would narrow the captions.)
  button->setFocusRing(kCaptionColour);
  return button;
}

}  // namespace

QAbstractButton* SkinLook::commandButton(QWidget& parent, const QString& caption,
                                         ui::ButtonFamily family) const {
  return makeCommandButton(parent, caption, family);
}

void SkinLook::decorate(QDialog& window, ui::WindowPicture picture) const {
  applyDialogColours(window);
  addPictures(window, picture);
}

void SkinLook::emphasise(QGroupBox& group) const { emphasiseCaption(group); }

}  // namespace orbelle::skin
