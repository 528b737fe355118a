#pragma once

#include <QString>

class QAbstractButton;
class QDialog;
class QGroupBox;
class QWidget;

namespace orbelle::ui {

// The two sizes of command button: the small ones of the upgrade windows and Set Protocol,
// the large ones of the main window and Set Base Unit.
enum class ButtonFamily { Small, Large };

// The picture a window shows behind its controls.
enum class WindowPicture { None, Main, SetBaseUnit, UpgradeBase, UpgradeHandheld };

// How the windows look: their command buttons, their colours and their pictures. Every
// window works the same under each look; the application chooses one at start-up.
class Look {
 public:
  Look() = default;
  virtual ~Look() = default;
  Look(const Look&) = delete;
  Look& operator=(const Look&) = delete;
  Look(Look&&) = delete;
  Look& operator=(Look&&) = delete;

  // A push button showing `caption`, a child of `parent`; the window places and names it.
  virtual QAbstractButton* commandButton(QWidget& parent, const QString& caption,
                                         ButtonFamily family) const = 0;
  // Run once, when the window holds all its controls: its colours and its picture.
  virtual void decorate(QDialog& window, WindowPicture picture) const = 0;
  // The caption of a group box that must catch the operator's eye, and of it alone: run once
  // the group holds its controls.
  virtual void emphasise(QGroupBox& group) const = 0;
};

}  // namespace orbelle::ui
