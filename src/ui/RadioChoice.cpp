#include "ui/RadioChoice.h"

#include <QAccessibleWidget>

namespace orbelle::ui {

namespace {

class RadioChoiceAccessible : public QAccessibleWidget {
 public:
  explicit RadioChoiceAccessible(QWidget* widget)
      : QAccessibleWidget(widget, QAccessible::RadioButton) {}

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = button().isChecked();
    state.pressed = button().isDown();
    return state;
  }

  QStringList actionNames() const override {
    QStringList names;
    if (widget()->isEnabled()) {
      names << toggleAction();
    }
    return names + QAccessibleWidget::actionNames();
  }

  void doAction(const QString& actionName) override {
    if (actionName == toggleAction() || actionName == pressAction()) {
      if (widget()->isEnabled()) {
        button().click();
      }
      return;
    }
    QAccessibleWidget::doAction(actionName);
  }

 private:
  QAbstractButton& button() const { return *static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* radioChoiceFactory(const QString& className, QObject* object) {
  if (className == QLatin1String(RadioChoice::staticMetaObject.className()) &&
      object->isWidgetType()) {
    return new RadioChoiceAccessible(static_cast<QWidget*>(object));
  }
  return nullptr;
}

}  // namespace

RadioChoice::RadioChoice(const QString& text, QWidget* parent) : QRadioButton(text, parent) {
  // Asked for by class name, before the interface of a plain radio button; installing it
  // again is a no-op.
  QAccessible::installFactory(radioChoiceFactory);
}

}  // namespace orbelle::ui
