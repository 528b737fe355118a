#pragma once

#include "opening/LinkedFeature.h"

class QWidget;

namespace orbelle::ui {

// Shows an operator message in a box with its title, text, icon and OK, and returns once
// the operator has answered. The box speaks the program's language; the message stays English.
class MessagePresenter {
 public:
  virtual ~MessagePresenter() = default;
  virtual void show(QWidget* owner, const OperatorMessage& message) = 0;
  // The same box, but the window goes on meanwhile (a transfer keeps running); it closes
  // with OK or with its owner.
  virtual void notice(QWidget* owner, const OperatorMessage& message) = 0;
};

// Shows the box once the handler that asked for it has returned, so that whatever made the
// change is not held until the box is answered: a screen reader's Toggle waits for its
// handler, as a click does not.
void showAfterReturn(MessagePresenter& messages, QWidget* owner, const OperatorMessage& message);

class MessageBoxPresenter : public MessagePresenter {
 public:
  void show(QWidget* owner, const OperatorMessage& message) override;
  void notice(QWidget* owner, const OperatorMessage& message) override;
};

}  // namespace orbelle::ui
