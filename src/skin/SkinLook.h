#pragma once

#include "ui/Look.h"

namespace orbelle::skin {

// The program's own look: the dialog colours, the pictures of the windows and the command
// buttons with their caption colour.
class SkinLook : public ui::Look {
 public:
  QAbstractButton* commandButton(QWidget& parent, const QString& caption,
                                 ui::ButtonFamily family) const override;
  void decorate(QDialog& window, ui::WindowPicture picture) const override;
  void emphasise(QGroupBox& group) const override;
};

}  // namespace orbelle::skin
