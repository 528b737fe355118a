#include "ui/MessagePresenter.h"

#include <QMessageBox>

namespace orbelle::ui {

void MessageBoxPresenter::show(QWidget* owner, const OperatorMessage& message) {
  QMessageBox box(
      message.icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
      QString::fromStdString(message.title), QString::fromStdString(message.text), QMessageBox::Ok,
      owner);
  box.setAccessibleName(box.windowTitle());
  box.setAccessibleDescription(box.text());
  box.exec();
}

}  // namespace orbelle::ui
