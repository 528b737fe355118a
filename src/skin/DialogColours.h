#pragma once

#include <QColor>

class QDialog;
class QGroupBox;

namespace orbelle::skin {

inline const QColor kDialogBackground(217, 230, 230);
inline const QColor kDialogText(38, 25, 25);
// The text of a disabled control: dimmer than the dialog text, still readable on the dialog
// background.
inline const QColor kDisabledText(109, 109, 109);
// Red captions. Pure red reads at only 3.1:1 on the dialog background, too faint for small
// text; this red keeps 5:1.
inline const QColor kEmphasisedText(192, 0, 0);

// The window and its labels, frames, radio buttons, check boxes and the line edits that
// cannot be typed in take the dialog colours; lists, and the line edits that can be typed in,
// keep the platform's. Run once the window holds its controls; a line edit follows later
// changes of its read-only state by itself.
void applyDialogColours(QDialog& window);

// The group box's caption in red; what it holds keeps the dialog colours. Run once the group
// holds its controls.
void emphasiseCaption(QGroupBox& group);

}  // namespace orbelle::skin
