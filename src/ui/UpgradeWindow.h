#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <optional>
#include <string>

#include "message/OperatorMessage.h"
#include "session/UpgradeOperation.h"
#include "ui/TransferDesktop.h"
#include "ui/WindowServices.h"

class QAbstractButton;
class QLineEdit;
class QProgressBar;

namespace orbelle::ui {

class DialogUnits;

// Upgrade Base Unit or Upgrade Handheld Unit: picks the image file, starts the upgrade and
// shows what its operation reports. Built once and reused, so the transfer survives the
// window's closing. Every way out of the window closes the operation: none leaves the link open.
class UpgradeWindow : public QDialog {
  Q_OBJECT

 public:
  enum class Unit { Base, Handheld };
  struct Layout;

  UpgradeWindow(Unit unit, const WindowServices& context);
  ~UpgradeWindow() override;
  UpgradeWindow(const UpgradeWindow&) = delete;
  UpgradeWindow& operator=(const UpgradeWindow&) = delete;

  // Run before each opening, once the link is open: the controls as a fresh window has them
  // and the path from the preferences; with `startAtOnce` the transfer starts before the
  // window shows.
  void prepare(bool startAtOnce);

  // A pause of the transfer is running: the window paints but takes no input.
  bool paused() const { return paused_; }
  bool transferRunning() const { return operation_.running(); }

  // The link broke under a running transfer: the desktop hears how, in the words of `told`,
  // the box that will say so; linkBroken() then lets the link go.
  void announceLinkBreak(const OperatorMessage& told);
  // The link broke: released at once, and Upgrade may try again.
  void linkBroken();

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // What the operation tells its window.
  void connectOperation();
  void allowUpgrade(bool allowed);
  // The bar's value, and its figures (bytes, rate, time left) on its tip and for readers.
  void showProgress(int percent);
  void showEnd(const UpgradeEnd& end);
  void pauseStarted(bool restart);
  void pauseEnded();
  void showSilence(long long seconds);
  void clearSilence();

  void browse();
  void startUpgrade();
  void showPath(const QString& path);
  QAbstractButton* addButton(int id, const QString& caption, QRect where);
  void addBootloaderRow(const DialogUnits& units);
  // Returns the Cancel button.
  QAbstractButton* addFileControls(const DialogUnits& units, const Layout& layout);
  void addProgress(const DialogUnits& units, const Layout& layout);

  Unit unit_;
  WindowServices context_;
  UpgradeOperation operation_;
  bool paused_ = false;
  QString imagePath_;
  QLineEdit* pathField_ = nullptr;
  QAbstractButton* browse_ = nullptr;
  QAbstractButton* upgrade_ = nullptr;
  QAbstractButton* ok_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QElapsedTimer figuresShown_;  // since the progress figures were last shown
  TransferDesktop desktop_;
};

}  // namespace orbelle::ui
