#pragma once

class QAbstractButton;

namespace orbelle::ui {

// The button that Enter presses when no other button has the focus; hidden or disabled, it
// is not pressed. QDialog knows this only of QPushButtons, so a button drawn from images
// gets the same from a window shortcut (a focused button takes Enter before it).
void makeDefault(QAbstractButton& button);

}  // namespace orbelle::ui
