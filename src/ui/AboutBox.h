#pragma once

#include <QDialog>

namespace orbelle::ui {

// The program's name and version, closed with OK.
class AboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace orbelle::ui
