#pragma once

#include <QDBusConnection>
#include <QTimer>
#include <chrono>
#include <optional>

namespace orbelle {

// Progress on the task bar or dock entry of orbelle.desktop, through the LauncherEntry
// signal that docks and task bars listen to on the session bus. Does nothing where there is
// no session bus.
//
// A transfer reports progress with every block; the desktop needs no more than a few updates
// a second, so updates closer together than `minimumGap` are held back and only the latest
// of them goes out when the gap has passed.
class TaskbarProgress {
 public:
  static constexpr std::chrono::milliseconds kMinimumGap{250};

  explicit TaskbarProgress(std::chrono::milliseconds minimumGap = kMinimumGap);
  // A window closed mid-transfer leaves no progress behind on the task bar.
  ~TaskbarProgress();
  TaskbarProgress(const TaskbarProgress&) = delete;
  TaskbarProgress& operator=(const TaskbarProgress&) = delete;

  // 0..1; shows the progress if hidden.
  void setProgress(double fraction);
  // At the end of a transfer: hides the progress at once and drops an update held back.
  void hide();

 private:
  void gapEnded();
  void send(double fraction, bool visible);

  std::optional<QDBusConnection> bus_;
  QTimer gap_;  // runs while updates are held back
  std::optional<double> heldBack_;
  std::optional<double> shown_;  // the value on the task bar, while visible
};

}  // namespace orbelle
