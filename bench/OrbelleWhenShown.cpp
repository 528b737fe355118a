// orbelle as it starts for the operator, with one action once its main window has first been
// drawn, for bench/startup and bench/idle-cpu:
//   orbelle_when_shown exit                 ends there (start-up time)
//   orbelle_when_shown upgrade-base-unit    opens Upgrade Base Unit, which holds the chosen
//                                           link open and waits (idle cost of an open link;
//                                           Set Base Unit would sit on its "loaded" box with
//                                           the receive thread parked)
// Further arguments go to orbelle as its own.

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <functional>
#include <utility>

#include "app/Application.h"
#include "ui/MessagePresenter.h"
#include "ui/ModalRunner.h"

namespace {

// Runs an action once, after the watched window's first paint has been drawn.
class AfterFirstPaint : public QObject {
 public:
  explicit AfterFirstPaint(std::function<void()> action) : action_(std::move(action)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && action_) {
      // Queued, so that the paint completes and reaches the screen first.
      QTimer::singleShot(0, watched, std::exchange(action_, nullptr));
    }
    return false;
  }

 private:
  std::function<void()> action_;
};

}  // namespace

int main(int argc, char* argv[]) {
  const bool exitWhenShown = argc > 1 && std::strcmp(argv[1], "exit") == 0;
  if (argc < 2 || (!exitWhenShown && std::strcmp(argv[1], "upgrade-base-unit") != 0)) {
    std::fprintf(stderr, "usage: orbelle_when_shown exit|upgrade-base-unit [ORBELLE-ARGUMENTS]\n");
    return 2;
  }
  QApplication qtApp(argc, argv);
  orbelle::identifyProgram();
  orbelle::ui::MessageBoxPresenter messages;
  orbelle::ui::ExecRunner modal;
  QStringList arguments = QApplication::arguments();
  arguments.removeAt(1);  // the action is ours, not orbelle's
  orbelle::Application app(arguments, messages, modal);
  AfterFirstPaint afterFirstPaint([&app, exitWhenShown] {
    if (exitWhenShown) {
      app.mainWindow().reject();
    } else {
      app.mainWindow().runLinkedFeature(orbelle::FeatureWindow::UpgradeBaseUnit);
    }
  });
  app.mainWindow().installEventFilter(&afterFirstPaint);
  return app.run();
}
