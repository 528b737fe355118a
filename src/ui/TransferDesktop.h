#pragma once

#include <QElapsedTimer>
#include <QString>

#include "desktop/DesktopNotifier.h"
#include "desktop/SleepInhibitor.h"
#include "desktop/TaskbarProgress.h"

class QWidget;

namespace orbelle::ui {

// What the desktop learns of an upgrade window's transfer, which may run for an hour while
// the operator does something else: the machine stays awake, the task bar and the window's
// title carry the progress while the window is in the background, and a long transfer that
// ends unseen is announced.
class TransferDesktop {
 public:
  // `window`'s title is the one given the percentage; `baseTitle` is its own.
  TransferDesktop(QWidget& window, QString baseTitle);

  // The start frame has gone out.
  void started(const QString& why);
  void progressed(int percent);
  // The window came to the front or left it: the title shows the percentage only behind.
  void activationChanged();
  // The transfer is over, whichever way; `message` (title and text) is what the window is
  // about to show, none when it shows nothing.
  void ended(const QString& title = {}, const QString& text = {});

  bool running() const { return clock_.isValid(); }

 private:
  void showTitle();

  QWidget& window_;
  QString baseTitle_;
  int percent_ = 0;
  QElapsedTimer clock_;
  SleepInhibitor sleep_;
  TaskbarProgress taskbar_;
  DesktopNotifier notifier_;
};

}  // namespace orbelle::ui
