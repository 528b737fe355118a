#pragma once

#include <QDialog>

namespace orbelle::ui {

class Look;

// The program's name and version, closed with OK.
class AboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit AboutBox(const Look& look, QWidget* parent = nullptr);
};

}  // namespace orbelle::ui
