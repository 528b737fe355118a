#include "ui/MessagePresenter.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include "l10n/MessageTexts.h"

namespace orbelle::ui {

namespace {

void dress(QMessageBox& box, const OperatorMessage& message) {
  // Programs driving the windows find the box, and its OK, by name as they find controls.
  box.setObjectName(QStringLiteral("messageBox"));
  box.button(QMessageBox::Ok)->setObjectName(QStringLiteral("id1"));
  box.setAccessibleName(box.windowTitle());
  box.setAccessibleDescription(box.text());
  // The icon tells an error from a result; read aloud it must say so too.
  if (auto* icon = box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"))) {
    icon->setAccessibleName(
        message.icon == MessageIcon::Error
            ? QCoreApplication::translate("orbelle::ui::MessagePresenter", "Error")
            : QCoreApplication::translate("orbelle::ui::MessagePresenter", "Information"));
  }
}

QMessageBox::Icon iconOf(const OperatorMessage& message) {
  return message.icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information;
}

}  // namespace

void showAfterReturn(MessagePresenter& messages, QWidget* owner, const OperatorMessage& message) {
  const QObject* context =
      owner != nullptr ? static_cast<QObject*>(owner) : QCoreApplication::instance();
  QTimer::singleShot(0, context, [&messages, owner, message] { messages.show(owner, message); });
}

void MessageBoxPresenter::show(QWidget* owner, const OperatorMessage& message) {
  QMessageBox box(iconOf(message), l10n::operatorText(message.title),
                  l10n::operatorText(message.text), QMessageBox::Ok, owner);
  dress(box, message);
  box.exec();
}

void MessageBoxPresenter::notice(QWidget* owner, const OperatorMessage& message) {
  auto* box = new QMessageBox(iconOf(message), l10n::operatorText(message.title),
                              l10n::operatorText(message.text), QMessageBox::Ok, owner);
  dress(*box, message);
  box->setWindowModality(Qt::NonModal);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->show();
}

}  // namespace orbelle::ui
