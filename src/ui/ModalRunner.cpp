#include "ui/ModalRunner.h"

#include <QApplication>
#include <QDialog>

namespace orbelle::ui {

void ExecRunner::run(QDialog& window) { window.exec(); }

bool behindModalWindow(const QWidget& widget) {
  const QWidget* modal = QApplication::activeModalWidget();
  for (const QWidget* window = widget.window(); modal != nullptr && window != nullptr;
       window = window->parentWidget() != nullptr ? window->parentWidget()->window() : nullptr) {
    if (window == modal) {
      return false;
    }
  }
  return modal != nullptr;
}

}  // namespace orbelle::ui
