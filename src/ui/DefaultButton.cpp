#include "ui/DefaultButton.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPushButton>

namespace orbelle::ui {

namespace {

// Presses the button on an Enter that no control of the window took. A key reaches the window
// only when the focused control passes it on: an open drop-down list keeps its Enter (it
// chooses the entry), a focused button presses itself. A window-wide shortcut would take
// Enter before either of them.
class EnterPresses : public QObject {
 public:
  explicit EnterPresses(QAbstractButton& button) : QObject(&button), button_(button) {
    setObjectName(QLatin1String(kName));
  }

  static constexpr const char* kName = "enterPresses";

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || watched != button_.window()) {
      return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter =
        (key->key() == Qt::Key_Return && key->modifiers() == Qt::NoModifier) ||
        (key->key() == Qt::Key_Enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier);
    if (!enter || !button_.isVisible() || !button_.isEnabled()) {
      return false;
    }
    button_.click();
    return true;
  }

 private:
  QAbstractButton& button_;
};

}  // namespace

void makeDefault(QAbstractButton& button) {
  if (auto* push = qobject_cast<QPushButton*>(&button)) {
    push->setDefault(true);
    return;
  }
  if (button.findChild<QObject*>(QLatin1String(EnterPresses::kName), Qt::FindDirectChildrenOnly) !=
      nullptr) {
    return;
  }
  button.window()->installEventFilter(new EnterPresses(button));
}

}  // namespace orbelle::ui
