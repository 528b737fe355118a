#pragma once

#include "prefs/PreferenceStore.h"

class QWidget;

namespace orbelle::ui {

class MessagePresenter;

// Tells the operator, once in a run each, that the preference store could not be used at
// start-up (the program runs on the defaults) and that a choice could not be stored (it
// lasts only for this run). Without a word a lost choice would come back as a surprise.
class StoreTrouble {
 public:
  StoreTrouble(const PreferenceStore& store, MessagePresenter& messages)
      : store_(store), messages_(messages) {}

  // After the store was read at start-up.
  void afterLoading(QWidget* owner);
  // After a choice was written; `stored` says whether the store took it. The box comes once
  // the choice's handler has returned.
  void afterChoice(QWidget* owner, bool stored);

 private:
  const PreferenceStore& store_;
  MessagePresenter& messages_;
  bool loadingTold_ = false;
  bool choiceTold_ = false;
};

}  // namespace orbelle::ui
