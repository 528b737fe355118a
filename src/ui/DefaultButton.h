#pragma once

class QAbstractButton;

namespace orbelle::ui {

// The button that Enter presses when no other button has the focus; hidden or disabled, it
// is not pressed. QDialog knows this only of QPushButtons; a button drawn from images gets the
// same from the Enter that no control of its window took.
void makeDefault(QAbstractButton& button);

}  // namespace orbelle::ui
