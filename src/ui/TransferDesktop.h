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
  // How a transfer that ran came to its end, as the notification's summary says it.
  enum class Ending { Upgraded, Failed, LinkBroke };

  // `window`'s title is the one given the percentage; `baseTitle` is its own. `upgraded` is
  // the summary of a success ("Base unit upgraded").
  TransferDesktop(QWidget& window, QString baseTitle, QString upgraded);

  // The start frame has gone out.
  void started(const QString& why);
  void progressed(int percent);
  // The window came to the front or left it: the title shows the percentage only behind.
  void activationChanged();
  // The transfer is over, and the operator may be elsewhere: a long one is announced, with
  // `told` (the text of the box that tells it) under a summary of the ending. Clicking the
  // notification brings the window forward.
  void ended(Ending ending, const QString& told);
  // The transfer is over because the operator ended it: nothing is announced.
  void stopped();

  bool running() const { return clock_.isValid(); }

 private:
  void showTitle();
  void bringForward();

  QWidget& window_;
  QString baseTitle_;
  QString upgraded_;
  int percent_ = 0;
  QElapsedTimer clock_;
  SleepInhibitor sleep_;
  TaskbarProgress taskbar_;
  DesktopNotifier notifier_;
};

}  // namespace orbelle::ui
