// Renders the windows offscreen into PNG files: screenshots DIR.
#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "app/Application.h"
#include "protocol/CommandCode.h"
#include "settings/SettingsCodec.h"
#include "ui/MessagePresenter.h"
#include "ui/ModalRunner.h"
#include "ui/UpgradeWindow.h"

namespace {

class NoBoxes : public orbelle::ui::MessagePresenter {
 public:
  void show(QWidget* /*owner*/, const orbelle::OperatorMessage& /*message*/) override {}
};

class ShowOnly : public orbelle::ui::ModalRunner {
 public:
  void run(QDialog& window) override { window.show(); }
};

bool save(QWidget& window, const QDir& dir, const char* name) {
  window.show();
  QApplication::processEvents();
  return window.grab().save(dir.filePath(QLatin1String(name)));
}

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
  orbelle::ui::MainWindow& main = app.mainWindow();
  // With RS232 chosen, so that every control of the Set Protocol window shows.
  app.preferences().protocol = orbelle::LinkProtocol::Rs232;
  main.runSetProtocol();
  bool saved = save(main, dir, "main-window.png");
  saved = save(main.aboutBox(), dir, "about-box.png") && saved;
  saved = save(main.setProtocolWindow(), dir, "set-protocol.png") && saved;
  // As they open with an image chosen before; no link is needed to show them.
  app.preferences().baseImagePath = "/home/operator/firmware/base-unit.dat";
  app.preferences().handheldImagePath = "/home/operator/firmware/handheld.dat";
  for (const auto& [feature, name] :
       {std::pair{orbelle::Feature::UpgradeBaseUnit, "upgrade-base.png"},
        std::pair{orbelle::Feature::UpgradeHandheldUnit, "upgrade-handheld.png"}}) {
    orbelle::ui::UpgradeWindow& window = main.upgradeWindow(feature);
    window.prepare(false);
    saved = save(window, dir, name) && saved;
  }
  // With a unit's settings loaded, handed in as the link would hand its reply.
  orbelle::BaseSettings unit;
  unit.powerDbm = -5;
  unit.channel = 12;
  unit.associatedIds = 0x0305;
  unit.baudCode = 3;
  unit.dataBitsCode = 2;
  unit.stopBitsCode = 1;
  unit.parityCode = 1;
  unit.flowControlCode = 1;
  unit.numericKeyMode = 1;
  unit.bootloaderVersion = {'1', '0', '3', '\0'};
  unit.applicationVersion = {'2', '1', '0', '\0'};
  orbelle::ReportFrame reply{};
  reply[1] = orbelle::codeByte(orbelle::CommandCode::CurrentSettings);
  orbelle::encodeCurrentSettings(reply, unit);
  app.session().dispatcher().setActiveFeature(orbelle::Feature::SetBaseUnit);
  main.setBaseUnitWindow().prepare();
  app.session().dispatcher().dispatch(reply);
  saved = save(main.setBaseUnitWindow(), dir, "set-base-unit.png") && saved;
  return saved ? 0 : 1;
}
