#pragma once

#include <QRadioButton>

namespace orbelle::ui {

// A radio button that a screen reader works as the mouse and Space do: its Toggle is a click.
// A click on the button already selected changes nothing but is still a click, which a window
// may answer (`clicked`); Qt's own Toggle on that button does nothing at all.
class RadioChoice : public QRadioButton {
  Q_OBJECT

 public:
  RadioChoice(const QString& text, QWidget* parent);
};

}  // namespace orbelle::ui
