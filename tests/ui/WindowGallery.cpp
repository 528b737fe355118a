#include "WindowGallery.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMouseEvent>
#include <array>

#include "app/Application.h"
#include "protocol/CommandCode.h"
#include "settings/SettingsCodec.h"
#include "ui/DialogUnits.h"
#include "ui/Look.h"
#include "ui/SetBaseUnitWindow.h"
#include "ui/UpgradeWindow.h"

namespace orbelle::testing {

namespace {

QImage grabShown(QWidget& window) {
  window.show();
  QApplication::processEvents();
  return window.grab().toImage();
}

// The command buttons of both sizes in each state: normal, hovered, pressed, focused and
// disabled, on a dialog of the look.
QImage buttonStates(const ui::Look& look) {
  QDialog sheet;
  sheet.setFont(ui::dialogFont(QStringLiteral("Tahoma"), 9));
  const std::array<QSize, 2> sizes{QSize(92, 30), QSize(99, 61)};
  sheet.setFixedSize(5 * 105 + 5, 2 * 70 + 5);
  std::vector<QAbstractButton*> buttons;
  for (std::size_t family = 0; family < sizes.size(); ++family) {
    const auto kind = family == 0 ? ui::ButtonFamily::Small : ui::ButtonFamily::Large;
    for (int state = 0; state < 5; ++state) {
      QAbstractButton* button = look.commandButton(
          sheet,
          family == 0 ? QStringLiteral("Browse") : QStringLiteral("\nUpgrade\nHandheld Unit"),
          kind);
      button->setGeometry(
          QRect(QPoint(5 + state * 105, 5 + static_cast<int>(family) * 70), sizes.at(family)));
      button->setFocusPolicy(state == 3 ? Qt::StrongFocus : Qt::NoFocus);
      buttons.push_back(button);
    }
  }
  look.decorate(sheet, ui::WindowPicture::None);
  sheet.show();
  sheet.activateWindow();
  QApplication::processEvents();
  for (std::size_t family = 0; family < 2; ++family) {
    QAbstractButton* const* row = &buttons.at(family * 5);
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), QPointF(10, 10), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(row[1], &move);
    row[2]->setDown(true);
    row[4]->setEnabled(false);
  }
  buttons.at(8)->setFocus();
  QApplication::processEvents();
  return sheet.grab().toImage();
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
  shots.push_back({QStringLiteral("button-states"), buttonStates(app.look())});
  return shots;
}

}  // namespace orbelle::testing
