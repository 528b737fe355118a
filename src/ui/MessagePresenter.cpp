#include "ui/MessagePresenter.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace orbelle::ui {

void MessageBoxPresenter::show(QWidget* owner, const OperatorMessage& message) {
  QMessageBox box(
      message.icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
      QString::fromStdString(message.title), QString::fromStdString(message.text), QMessageBox::Ok,
      owner);
  // Programs driving the windows find the box, and its OK, by name as they find controls.
  box.setObjectName(QStringLiteral("messageBox"));
  box.button(QMessageBox::Ok)->setObjectName(QStringLiteral("id1"));
  box.setAccessibleName(box.windowTitle());
  box.setAccessibleDescription(box.text());
  box.exec();
}

}  // namespace orbelle::ui
