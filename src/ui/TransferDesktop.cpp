#include "ui/TransferDesktop.h"

#include <QApplication>
#include <QCoreApplication>
#include <QWidget>

#include "upgrade/FinishNotice.h"

namespace orbelle::ui {

TransferDesktop::TransferDesktop(QWidget& window, QString baseTitle, QString upgraded)
    : window_(window), baseTitle_(std::move(baseTitle)), upgraded_(std::move(upgraded)) {}

void TransferDesktop::started(const QString& why) {
  clock_.start();
  percent_ = 0;
  sleep_.acquire(why);
  taskbar_.setProgress(0.0);
  showTitle();
}

void TransferDesktop::progressed(int percent) {
  if (!running()) {
    return;
  }
  percent_ = percent;
  taskbar_.setProgress(percent / 100.0);
  showTitle();
}

void TransferDesktop::activationChanged() {
  if (running()) {
    showTitle();
  }
}

void TransferDesktop::ended(Ending ending, const QString& told) {
  if (!running()) {
    return;
  }
  const auto took = std::chrono::milliseconds(clock_.elapsed());
  stopped();
  if (!shouldNotifyFinish(took, window_.isActiveWindow(), notifyAfterFromEnvironment())) {
    return;
  }
  QString summary;
  switch (ending) {
    case Ending::Upgraded:
      summary = upgraded_;
      break;
    case Ending::Failed:
      summary = QCoreApplication::translate("orbelle::ui::TransferDesktop", "Upgrade failed");
      break;
    case Ending::LinkBroke:
      summary = QCoreApplication::translate("orbelle::ui::TransferDesktop",
                                            "Upgrade failed: the link to the base unit broke");
      break;
  }
  notifier_.notify(summary, told, [this] { bringForward(); });
}

void TransferDesktop::stopped() {
  if (!running()) {
    return;
  }
  clock_.invalidate();
  sleep_.release();
  taskbar_.hide();
  window_.setWindowTitle(baseTitle_);
}

void TransferDesktop::bringForward() {
  // The window may have been closed since; the one the operator would go back to is then
  // the one in front of the program.
  QWidget* shown = window_.isVisible() ? &window_ : QApplication::activeModalWidget();
  if (shown == nullptr) {
    return;
  }
  if (shown->isMinimized()) {
    shown->showNormal();
  }
  shown->raise();
  shown->activateWindow();
}

void TransferDesktop::showTitle() {
  // In front, the progress bar says it; behind, or minimised, the title is all that shows.
  const bool behind = window_.isVisible() && (!window_.isActiveWindow() || window_.isMinimized());
  window_.setWindowTitle(
      behind ? QCoreApplication::translate("orbelle::ui::TransferDesktop", "%1% - %2")
                   .arg(percent_)
                   .arg(baseTitle_)
             : baseTitle_);
}

}  // namespace orbelle::ui
