#include "ui/PlainLook.h"

#include <QPushButton>

namespace orbelle::ui {

QAbstractButton* PlainLook::commandButton(QWidget& parent, const QString& caption,
                                          ButtonFamily /*family*/) const {
  return new QPushButton(caption, &parent);
}

void PlainLook::decorate(QDialog& /*window*/, WindowPicture /*picture*/) const {}

void PlainLook::emphasise(QGroupBox& /*group*/) const {}

}  // namespace orbelle::ui
