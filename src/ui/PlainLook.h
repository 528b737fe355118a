#pragma once

#include "ui/Look.h"

namespace orbelle::ui {

// The platform's own push buttons and colours, and no pictures.
class PlainLook : public Look {
 public:
  QAbstractButton* commandButton(QWidget& parent, const QString& caption,
                                 ButtonFamily family) const override;
  void decorate(QDialog& window, WindowPicture picture) const override;
  void emphasise(QGroupBox& group) const override;
};

}  // namespace orbelle::ui
