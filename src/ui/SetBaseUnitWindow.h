#pragma once

#include <QDialog>
#include <QList>
#include <QMargins>
#include <array>
#include <functional>
#include <vector>

#include "session/SessionSettingsChannel.h"
#include "settings/SetBaseUnitModel.h"
#include "ui/WindowServices.h"

class QAbstractButton;
class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace orbelle::ui {

class DialogUnits;

// Set Base Unit: shows the base unit's settings, edits them, uploads them or the defaults.
// A thin view over one SetBaseUnitModel, which lives as long as the window object, so that
// the values survive the window's closing and reopening. Every way out releases the link.
class SetBaseUnitWindow : public QDialog, private SetBaseUnitView {
  Q_OBJECT

 public:
  explicit SetBaseUnitWindow(const WindowServices& context);
  ~SetBaseUnitWindow() override = default;
  SetBaseUnitWindow(const SetBaseUnitWindow&) = delete;
  SetBaseUnitWindow& operator=(const SetBaseUnitWindow&) = delete;

  // Run before each showing, once the link is open: replies reach the window from here on,
  // the controls go back to their opening state and the current settings are asked for.
  void prepare();

  const SetBaseUnitModel& model() const { return model_; }
  // The settings summary: hidden in the window, offered as a tooltip and for copying.
  QString summary() const;
  // Puts the summary on the clipboard (context menu and Ctrl+Shift+C).
  void copySummary();

  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  // SetBaseUnitView
  void changed() override;
  void showMessage(SettingsMessage message) override;

  // The builders of the constructor, each reading its table; `tabOrder` collects the
  // controls in the order Tab visits them.
  void addPage();
  void addFrames(const DialogUnits& units);
  // The innermost frame around a point of the page; the page outside every frame.
  QWidget* holderAt(QPoint onPage) const;
  // A new control (the arguments before its parent given) in the innermost frame around the
  // top-left corner of `onPage`, placed there: a reader finds it in its group.
  template <typename Control, typename... Arguments>
  Control* addAt(QRect onPage, Arguments&&... arguments);
  QLabel* addLabel(const DialogUnits& units, int id, const QString& text, QRect where);
  void addNationAndHopping(const DialogUnits& units, QList<QWidget*>& tabOrder);
  void addRadioGroups(const DialogUnits& units, QList<QWidget*>& tabOrder);
  void addVersionFields(const DialogUnits& units, QList<QWidget*>& tabOrder);
  void addLists(const DialogUnits& units, QList<QWidget*>& tabOrder);
  void addIdBoxes(const DialogUnits& units, QList<QWidget*>& tabOrder);
  void addSummary(const DialogUnits& units);
  void addCommandButtons(const DialogUnits& units, QList<QWidget*>& tabOrder);
  void emphasiseFrames();
  void addCopySummary();
  // The look's pictures, on the page so that they scroll with it.
  void addPictures();
  // A screen too small for the window (a magnified one) gets a window that scrolls, its
  // frame within the screen's free area.
  void fitToScreen();
  // Runs an action on the model; a link that refuses is told in a box.
  void act(const std::function<void()>& action);
  // The same for what the operator did to a control, however it came; refused, and the
  // controls put back, while a modal window stands in front. Its boxes come after it.
  void operate(const std::function<void()>& action);
  void handleFailure(const std::exception_ptr& failure);
  void present(const OperatorMessage& message);

  WindowServices context_;
  SessionSettingsChannel settingsLink_;
  SetBaseUnitModel model_;

  QComboBox* nationList_ = nullptr;
  QComboBox* powerList_ = nullptr;
  QComboBox* channelList_ = nullptr;
  QCheckBox* hopping_ = nullptr;
  std::array<QCheckBox*, 16> idBoxes_{};
  // Each group's buttons, code 1 first.
  std::array<std::vector<QRadioButton*>, kRadioGroupCount> radios_{};
  std::array<QButtonGroup*, kRadioGroupCount> radioGroups_{};
  QWidget* page_ = nullptr;
  QMargins fittedFrame_;            // the frame the window was last fitted with
  std::vector<QGroupBox*> frames_;  // in the order of their table
  QLineEdit* bootloader_ = nullptr;
  QLineEdit* application_ = nullptr;
  QLabel* summary_ = nullptr;
  QAbstractButton* display_ = nullptr;
  QAbstractButton* upload_ = nullptr;
  QAction* copySummary_ = nullptr;
  bool operating_ = false;  // within an operator's action: its boxes wait until it returns
};

}  // namespace orbelle::ui
