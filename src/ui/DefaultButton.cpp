#include "ui/DefaultButton.h"

#include <QPushButton>
#include <QShortcut>
#include <QVariant>

namespace orbelle::ui {

void makeDefault(QAbstractButton& button) {
  if (auto* push = qobject_cast<QPushButton*>(&button)) {
    push->setDefault(true);
    return;
  }
  static constexpr const char* kDone = "orbelleDefaultButton";
  if (button.property(kDone).toBool()) {
    return;
  }
  button.setProperty(kDone, true);
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* shortcut = new QShortcut(QKeySequence(key), &button);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &button, [&button] {
      if (button.isVisible() && button.isEnabled()) {
        button.click();
      }
    });
  }
}

}  // namespace orbelle::ui
