#include "ui/MessagePresenter.h"

#include <QAbstractButton>
#include <QLabel>
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
  // The icon tells an error from a result; read aloud it must say so too.
  if (auto* icon = box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"))) {
    icon->setAccessibleName(message.icon == MessageIcon::Error ? QStringLiteral("Error")
                                                               : QStringLiteral("Information"));
  }
  box.exec();
}

}  // namespace orbelle::ui
