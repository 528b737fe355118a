#include "ui/StoreTrouble.h"

#include "ui/MessagePresenter.h"

namespace orbelle::ui {

namespace {

constexpr const char* kTitle = "VKR - Software Problem/Preferences Message";

bool isWriteProblem(StoreProblemKind kind) {
  return kind == StoreProblemKind::WriteFailed || kind == StoreProblemKind::Busy;
}

}  // namespace

void StoreTrouble::afterLoading(QWidget* owner) {
  if (loadingTold_ || store_.problems().empty()) {
    return;
  }
  loadingTold_ = true;
  std::string text = "The stored link settings could not be used:";
  for (const StoreProblem& problem : store_.problems()) {
    text += "\n" + problem.message + ".";
  }
  text += "\nThe program runs on the default settings.";
  messages_.show(owner, {kTitle, text, MessageIcon::Error});
}

void StoreTrouble::afterChoice(QWidget* owner, bool stored) {
  if (stored || choiceTold_) {
    return;
  }
  choiceTold_ = true;
  // The store's own words say what failed and where; the latest write problem is this one.
  std::string why = "the preference store cannot be used";
  for (const StoreProblem& problem : store_.problems()) {
    if (isWriteProblem(problem.kind)) {
      why = problem.message;
    }
  }
  showAfterReturn(
      messages_, owner,
      {kTitle, "Your choice could not be stored: " + why + ".\nIt lasts only for this run.",
       MessageIcon::Error});
}

}  // namespace orbelle::ui
