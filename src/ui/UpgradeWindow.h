#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <optional>
#include <string>

#include "message/MessageIcon.h"
#include "message/OperatorMessage.h"
#include "session/SessionUpgradeChannel.h"
#include "ui/TransferDesktop.h"
#include "ui/WindowServices.h"
#include "upgrade/UpgradeTransfer.h"
#include "upgrade/UpgradeView.h"

class QAbstractButton;
class QLineEdit;
class QProgressBar;
class QTimer;

namespace orbelle::ui {

class DialogUnits;

// Upgrade Base Unit or Upgrade Handheld Unit: picks the image file, starts the transfer and
// shows its progress. Built once and reused, so the transfer survives the window's closing.
// Every way out of the window runs the close-down: none leaves the link open.
class UpgradeWindow : public QDialog, private UpgradeView {
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
  bool transferRunning() const { return transfer_.state() != UpgradeState::Idle; }

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
  // What the transfer tells its window.
  void setUpgradeEnabled(bool enabled) override;
  // The bar's value, and its figures (bytes, rate, time left) on its tip and for readers.
  void setProgress(int percent) override;
  void transferFinished(UpgradeOutcome outcome, std::string_view text, std::string_view title,
                        MessageIcon icon) override;
  // The hint on the progress bar while the unit stays silent during a transfer.
  void replyReceived() override;
  void pauseStarted(bool restart, std::chrono::milliseconds duration) override;
  void pauseEnded() override;
  void transferEvent(UpgradeEvent event) override;

  FeatureWindow feature() const;
  void browse();
  void startUpgrade();
  // Reopens the chosen link when it was released; false when it cannot be opened (the
  // operator has been told).
  bool linkReady();
  void showPath(const QString& path);
  void showSilence();
  void clearSilence();
  void adviseOnAdapterDelay();
  // No pause ends and no input is held back any more.
  void endPause();
  // What the end of a pause threw: the transfer is abandoned rather than left waiting for
  // nothing.
  void abandon(std::exception_ptr failure);
  QAbstractButton* addButton(int id, const QString& caption, QRect where);
  void addBootloaderRow(const DialogUnits& units);
  // Returns the Cancel button.
  QAbstractButton* addFileControls(const DialogUnits& units, const Layout& layout);
  void addProgress(const DialogUnits& units, const Layout& layout);

  Unit unit_;
  WindowServices context_;
  SessionUpgradeChannel link_;
  UpgradeTransfer transfer_;
  bool paused_ = false;
  QString imagePath_;
  QLineEdit* pathField_ = nullptr;
  QAbstractButton* browse_ = nullptr;
  QAbstractButton* upgrade_ = nullptr;
  QAbstractButton* ok_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QTimer* silence_ = nullptr;
  QElapsedTimer silentFor_;
  QElapsedTimer blocksClock_;   // from the first block of the transfer
  QElapsedTimer figuresShown_;  // since the progress figures were last shown
  bool adapterAdvised_ = false;
  TransferDesktop desktop_;
};

}  // namespace orbelle::ui
