#include "skin/DialogColours.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPalette>

namespace orbelle::skin {

namespace {

constexpr std::array<QPalette::ColorGroup, 2> kLiveGroups{QPalette::Active, QPalette::Inactive};

// A field that cannot be typed in reads as part of the dialog; one that can keeps the
// platform's colours, so that it looks editable. Disabled, any field is part of the dialog.
void colourLineEdit(QLineEdit& edit) {
  const QPalette platform = QApplication::palette(&edit);
  QPalette palette = edit.palette();
  for (const QPalette::ColorGroup group : kLiveGroups) {
    palette.setColor(group, QPalette::Base,
                     edit.isReadOnly() ? kDialogBackground : platform.color(group, QPalette::Base));
    palette.setColor(group, QPalette::Text,
                     edit.isReadOnly() ? kDialogText : platform.color(group, QPalette::Text));
  }
  palette.setColor(QPalette::Disabled, QPalette::Base, kDialogBackground);
  palette.setColor(QPalette::Disabled, QPalette::Text, kDisabledText);
  edit.setPalette(palette);
}

// Keeps a line edit's colours in step with its read-only state.
class ReadOnlyWatcher : public QObject {
 public:
  explicit ReadOnlyWatcher(QLineEdit& edit) : QObject(&edit) { edit.installEventFilter(this); }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ReadOnlyChange) {
      colourLineEdit(*static_cast<QLineEdit*>(watched));
    }
    return false;
  }
};

// The platform's palette, every role fixed, so that none is taken from the dialog.
QPalette platformPalette(const QWidget& widget) {
  QPalette palette = QApplication::palette(&widget);
  for (int group = 0; group < QPalette::NColorGroups; ++group) {
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
      const auto colourGroup = static_cast<QPalette::ColorGroup>(group);
      const auto colourRole = static_cast<QPalette::ColorRole>(role);
      palette.setBrush(colourGroup, colourRole, palette.brush(colourGroup, colourRole));
    }
  }
  return palette;
}

void setTextColour(QWidget& widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget.palette();
  for (const QPalette::ColorGroup group : kLiveGroups) {
    palette.setColor(group, role, colour);
  }
  palette.setColor(QPalette::Disabled, role, kDisabledText);
  widget.setPalette(palette);
}

}  // namespace

void applyDialogColours(QDialog& window) {
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, kDialogBackground);
  for (const QPalette::ColorGroup group : kLiveGroups) {
    palette.setColor(group, QPalette::WindowText, kDialogText);
  }
  // Disabled labels and button captions in one readable grey, which the platform's lighter
  // one would not be on this background.
  palette.setColor(QPalette::Disabled, QPalette::WindowText, kDisabledText);
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, kDisabledText);
  window.setPalette(palette);

  for (QWidget* child : window.findChildren<QWidget*>()) {
    if (auto* edit = qobject_cast<QLineEdit*>(child)) {
      // The edit field inside a combo box or a spin box is theirs.
      if (qobject_cast<QComboBox*>(edit->parentWidget()) == nullptr &&
          qobject_cast<QAbstractSpinBox*>(edit->parentWidget()) == nullptr) {
        colourLineEdit(*edit);
        new ReadOnlyWatcher(*edit);
      }
    } else if (qobject_cast<QComboBox*>(child) != nullptr ||
               qobject_cast<QAbstractItemView*>(child) != nullptr ||
               qobject_cast<QAbstractSpinBox*>(child) != nullptr) {
      child->setPalette(platformPalette(*child));
    } else if (auto* group = qobject_cast<QGroupBox*>(child)) {
      // Its caption, unless the window has given it a colour of its own (emphasised).
      if (!group->palette().isBrushSet(QPalette::Active, QPalette::Text)) {
        setTextColour(*group, QPalette::Text, kDialogText);
      }
    }
  }
}

void emphasiseCaption(QGroupBox& group) {
  // Styles differ in the role they draw the caption with (Fusion: window text; the common
  // style: text). What the group holds would inherit the red: each control it holds keeps the
  // dialog's text colours, and passes them on to what it holds in turn.
  setTextColour(group, QPalette::Text, kEmphasisedText);
  setTextColour(group, QPalette::WindowText, kEmphasisedText);
  for (QWidget* held : group.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    setTextColour(*held, QPalette::Text, kDialogText);
    setTextColour(*held, QPalette::WindowText, kDialogText);
  }
}

}  // namespace orbelle::skin
