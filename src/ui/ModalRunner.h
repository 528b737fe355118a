#pragma once

class QDialog;

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

}  // namespace orbelle::ui
