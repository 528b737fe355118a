// Renders the windows offscreen into PNG files: screenshots DIR.
#include <QApplication>
#include <QDir>

#include "WindowGallery.h"
#include "app/Application.h"
#include "ui/MessagePresenter.h"
#include "ui/ModalRunner.h"

namespace {

class NoBoxes : public orbelle::ui::MessagePresenter {
 public:
  void show(QWidget* /*owner*/, const orbelle::OperatorMessage& /*message*/) override {}
};

class ShowOnly : public orbelle::ui::ModalRunner {
 public:
  void run(QDialog& window) override { window.show(); }
};

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qtApp(argc, argv);
  if (argc != 2) {
    return 2;
  }
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  NoBoxes messages;
  ShowOnly modal;
  orbelle::Application app({QStringLiteral("orbelle")}, messages, modal);
  app.run();
  bool saved = true;
  for (const orbelle::testing::WindowShot& shot : orbelle::testing::renderWindows(app)) {
    saved = shot.image.save(dir.filePath(shot.name + QStringLiteral(".png"))) && saved;
  }
  return saved ? 0 : 1;
}
