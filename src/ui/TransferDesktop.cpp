#include "ui/TransferDesktop.h"

#include <QWidget>

#include "upgrade/FinishNotice.h"

namespace orbelle::ui {

TransferDesktop::TransferDesktop(QWidget& window, QString baseTitle)
    : window_(window), baseTitle_(std::move(baseTitle)) {}

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

void TransferDesktop::ended(const QString& title, const QString& text) {
  if (!running()) {
    return;
  }
  const auto took = std::chrono::milliseconds(clock_.elapsed());
  clock_.invalidate();
  sleep_.release();
  taskbar_.hide();
  window_.setWindowTitle(baseTitle_);
  if (!text.isEmpty() &&
      shouldNotifyFinish(took, window_.isActiveWindow(), notifyAfterFromEnvironment())) {
    notifier_.notify(title, text);
  }
}

void TransferDesktop::showTitle() {
  // In front, the progress bar says it; behind, or minimised, the title is all that shows.
  const bool behind = window_.isVisible() && (!window_.isActiveWindow() || window_.isMinimized());
  window_.setWindowTitle(behind ? QStringLiteral("%1% - %2").arg(percent_).arg(baseTitle_)
                                : baseTitle_);
}

}  // namespace orbelle::ui
