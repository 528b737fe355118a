#include "WindowGallery.h"

#include <QApplication>

#include "app/Application.h"
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
  return shots;
}

}  // namespace orbelle::testing
