#pragma once

class QDialog;
class QWidget;

namespace orbelle::ui {

// Shows a window modally. The program's runner returns when the window has closed; a
// runner for tests may return at once and leave the window shown.
class ModalRunner {
 public:
  virtual ~ModalRunner() = default;
  virtual void run(QDialog& window) = 0;
};

class ExecRunner : public ModalRunner {
 public:
  void run(QDialog& window) override;
};

// Whether `widget`'s window stands behind a modal window other than itself or one of its own
// ancestors. Such a window refuses clicks; what reaches it past the platform's blocking (a
// screen reader's Press or Toggle) must be refused as well.
bool behindModalWindow(const QWidget& widget);

}  // namespace orbelle::ui
