#include "skin/SkinLook.h"

#include <QPushButton>

#include "skin/DialogColours.h"
#include "skin/WindowPicture.h"

namespace orbelle::skin {

namespace {

const QColor kCaptionColour(40, 23, 23);

// A command button of the family's size. A disabled one keeps its platform text colour, so
// that it reads as disabled.
QAbstractButton* makeCommandButton(QWidget& parent, const QString& caption,
                                   ui::ButtonFamily /*family*/) {
  auto* button = new QPushButton(caption, &parent);
  QPalette palette = button->palette();
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::ButtonText, kCaptionColour);
  }
  button->setPalette(palette);
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
