#include "WindowGallery.h"

#include <QApplication>

#include "app/Application.h"
#include "protocol/CommandCode.h"
#include "settings/SettingsCodec.h"
#include "ui/SetBaseUnitWindow.h"
#include "ui/UpgradeWindow.h"

namespace orbelle::testing {

namespace {

QImage grabShown(QWidget& window) {
  window.show();
  QApplication::processEvents();
  return window.grab().toImage();
}

}  // namespace

std::vector<WindowShot> renderWindows(Application& app) {
  std::vector<WindowShot> shots;
  ui::MainWindow& main = app.mainWindow();
  // With RS232 chosen, so that every control of the Set Protocol window shows.
  app.preferences().protocol = LinkProtocol::Rs232;
  main.runSetProtocol();
  shots.push_back({QStringLiteral("main-window"), grabShown(main)});
  shots.push_back({QStringLiteral("about-box"), grabShown(main.aboutBox())});
  shots.push_back({QStringLiteral("set-protocol"), grabShown(main.setProtocolWindow())});
  main.setProtocolWindow().hide();
  // As they open with an image chosen before.
  app.preferences().baseImagePath = "/home/operator/firmware/base-unit.dat";
  app.preferences().handheldImagePath = "/home/operator/firmware/handheld.dat";
  for (const auto& [feature, name] :
       {std::pair{Feature::UpgradeBaseUnit, "upgrade-base"},
        std::pair{Feature::UpgradeHandheldUnit, "upgrade-handheld"}}) {
    ui::UpgradeWindow& window = main.upgradeWindow(feature);
    window.prepare(false);
    shots.push_back({QLatin1String(name), grabShown(window)});
    window.hide();
  }
  // With a unit's settings loaded, handed in as the link would hand its reply.
  BaseSettings unit;
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
  ReportFrame reply{};
  reply[1] = codeByte(CommandCode::CurrentSettings);
  encodeCurrentSettings(reply, unit);
  app.session().dispatcher().setActiveFeature(Feature::SetBaseUnit);
  ui::SetBaseUnitWindow& setBaseUnit = main.setBaseUnitWindow();
  setBaseUnit.prepare();
  app.session().dispatcher().dispatch(reply);
  shots.push_back({QStringLiteral("set-base-unit"), grabShown(setBaseUnit)});
  setBaseUnit.hide();
  return shots;
}

}  // namespace orbelle::testing
