#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <utility>

#include "app/Application.h"
#include "app/HelpAndVersion.h"
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

// The sizes of title bars and task bars. Each file is decoded at start-up; larger views take
// the installed icon theme's copy through the desktop entry.
QIcon programIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48, 64}) {
    icon.addFile(QStringLiteral(":/icons/orbelle-%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (const auto text = orbelle::helpOrVersionText({argv + 1, argv + argc})) {
    std::fputs(text->c_str(), stdout);
    return 0;
  }
  QApplication qtApp(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Orbelle"));
  QApplication::setDesktopFileName(QStringLiteral("orbelle"));
  QApplication::setWindowIcon(programIcon());
  orbelle::ui::MessageBoxPresenter messages;
  orbelle::ui::ExecRunner modal;
  orbelle::Application app(QApplication::arguments(), messages, modal);

  // For the benchmarks in bench/: ORBELLE_WHEN_SHOWN=exit ends the program once the main
  // window has first been drawn (start-up time); =upgrade-base-unit then opens Upgrade Base
  // Unit, which holds the chosen link open and waits for the operator (idle cost of an open
  // link; Set Base Unit would sit on its "loaded" box with the receive thread parked).
  const QByteArray whenShown = qgetenv("ORBELLE_WHEN_SHOWN");
  std::function<void()> action;
  if (whenShown == "exit") {
    action = [&app] { app.mainWindow().reject(); };
  } else if (whenShown == "upgrade-base-unit") {
    action = [&app] { app.mainWindow().runLinkedFeature(orbelle::Feature::UpgradeBaseUnit); };
  } else if (!whenShown.isEmpty()) {
    std::fprintf(stderr, "ORBELLE_WHEN_SHOWN: unknown action \"%s\" (exit, upgrade-base-unit)\n",
                 whenShown.constData());
    return 2;
  }
  AfterFirstPaint afterFirstPaint(action);
  if (action) {
    app.mainWindow().installEventFilter(&afterFirstPaint);
  }
  return app.run();
}
