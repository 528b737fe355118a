#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <vector>

#include "link/ReplyTimer.h"
#include "protocol/ReplyDispatcher.h"
#include "settings/SetBaseUnitModel.h"
#include "ui/ShellContext.h"

class QAbstractButton;
class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace orbelle::ui {

// Set Base Unit: shows the base unit's settings, edits them, uploads them or the defaults.
// A thin view over one SetBaseUnitModel, which lives as long as the window object, so that
// the values survive the window's closing and reopening. Every way out releases the link.
class SetBaseUnitWindow : public QDialog, private SetBaseUnitHost, private ReplyReceiver {
  Q_OBJECT

 public:
  explicit SetBaseUnitWindow(const ShellContext& context);
  ~SetBaseUnitWindow() override;
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
  QAction* copySummaryAction() const { return copySummary_; }

  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  // SetBaseUnitHost
  ReportFrame& txFrame() override;
  void sendFrame(CommandCode code) override;
  LinkProtocol protocol() const override;
  void setSerialLineSettings(std::string_view settings) override;
  void startReplyTimer() override { replyTimer_.start(); }
  void stopReplyTimer() override { replyTimer_.stop(); }
  void changed() override;
  void showMessage(SetBaseUnitMessage message) override;
  // ReplyReceiver
  void onLinkReply(const ReportFrame& rxFrame) override;

  // The one place the four command buttons are made.
  QAbstractButton* addCommandButton(int id, const QString& caption, QRect where);
  // A screen too small for the window (a magnified one) gets a window that scrolls.
  void fitToScreen();
  // Runs an operator's action on the model; a link that refuses is told in a box.
  void act(const std::function<void()>& action);

  ShellContext context_;
  SetBaseUnitModel model_;
  ReplyTimer replyTimer_;
  bool attached_ = false;

  QComboBox* nationList_ = nullptr;
  QComboBox* powerList_ = nullptr;
  QComboBox* channelList_ = nullptr;
  QCheckBox* hopping_ = nullptr;
  std::array<QCheckBox*, 16> idBoxes_{};
  // Each group's buttons, code 1 first.
  std::array<std::vector<QRadioButton*>, kRadioGroupCount> radios_{};
  std::array<QButtonGroup*, kRadioGroupCount> radioGroups_{};
  QWidget* page_ = nullptr;
  QLineEdit* bootloader_ = nullptr;
  QLineEdit* application_ = nullptr;
  QLabel* summary_ = nullptr;
  QAbstractButton* display_ = nullptr;
  QAbstractButton* upload_ = nullptr;
  QAction* copySummary_ = nullptr;
};

}  // namespace orbelle::ui
