#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <memory>

#include "protocol/MessageIcon.h"
#include "ui/ShellContext.h"
#include "ui/TransferDesktop.h"
#include "ui/UpgradeEngine.h"

class QAbstractButton;
class QLineEdit;
class QProgressBar;
class QTimer;

namespace orbelle::ui {

// Upgrade Base Unit or Upgrade Handheld Unit: picks the image file, starts the transfer and
// shows its progress. Built once and reused, so the transfer survives the window's closing.
// Every way out of the window runs the close-down: none leaves the link open.
class UpgradeWindow : public QDialog {
  Q_OBJECT

 public:
  using Unit = UpgradeEngine::Unit;

  UpgradeWindow(Unit unit, const ShellContext& context);
  ~UpgradeWindow() override;
  UpgradeWindow(const UpgradeWindow&) = delete;
  UpgradeWindow& operator=(const UpgradeWindow&) = delete;

  // Run before each opening, once the link is open: the controls as a fresh window has them
  // and the path from the preferences; with `startAtOnce` the transfer starts before the
  // window shows.
  void prepare(bool startAtOnce);

  const QString& imagePath() const { return imagePath_; }
  // A pause of the transfer is running: the window paints but takes no input.
  bool paused() const { return engine_.paused(); }
  bool transferRunning() const { return engine_.running(); }

  // The link broke: released at once, and Upgrade may try again.
  void linkBroken();

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void browse();
  void startUpgrade();
  void setUpgradeEnabled(bool enabled);
  void showPath(const QString& path);
  void setPaused(UpgradeEngine::Wait wait);
  // The hint on the progress bar while the unit stays silent during a transfer.
  void heardFromUnit();
  void showSilence();
  void clearSilence();
  void showMessage(std::string_view text, std::string_view title, MessageIcon icon);
  void onTransferEvent(UpgradeEvent event);
  // The bar's value, and its figures (bytes, rate, time left) on its tip and for readers.
  void showProgress(int percent);
  void adviseOnAdapterDelay();
  QAbstractButton* addButton(int id, const QString& caption, QRect where);

  Unit unit_;
  ShellContext context_;
  UpgradeEngine engine_;
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
