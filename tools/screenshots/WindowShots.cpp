#include "screenshots/WindowShots.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <array>

#include "app/Application.h"
#include "l10n/Translations.h"
#include "screenshots/TextFit.h"
#include "ui/DialogUnits.h"
#include "ui/Look.h"
#include "ui/MessagePresenter.h"
#include "ui/ModalRunner.h"
#include "ui/SetBaseUnitWindow.h"
#include "ui/UpgradeWindow.h"

namespace orbelle::tools {
namespace {

WindowShot grabShown(const QString& name, QWidget& window) {
  window.show();
  QApplication::processEvents();
  return {name, window.grab().toImage(), textsThatDoNotFit(window)};
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

std::vector<WindowShot> renderWindows(Application& app) {
  std::vector<WindowShot> shots;
  ui::MainWindow& main = app.mainWindow();
  // With RS232 chosen, so that every control of the Set Protocol window shows.
  app.preferences().protocol = LinkProtocol::Rs232;
  main.runSetProtocol();
  shots.push_back(grabShown(QStringLiteral("main-window"), main));
  shots.push_back(grabShown(QStringLiteral("about-box"), main.aboutBox()));
  shots.push_back(grabShown(QStringLiteral("set-protocol"), main.setProtocolWindow()));
  main.setProtocolWindow().hide();
  // As they open with an image chosen before.
  app.preferences().baseImagePath = "/home/operator/firmware/base-unit.dat";
  app.preferences().handheldImagePath = "/home/operator/firmware/handheld.dat";
  for (const auto& [feature, name] :
       {std::pair{FeatureWindow::UpgradeBaseUnit, "upgrade-base"},
        std::pair{FeatureWindow::UpgradeHandheldUnit, "upgrade-handheld"}}) {
    ui::UpgradeWindow& window = main.upgradeWindow(feature);
    window.prepare(false);
    shots.push_back(grabShown(QLatin1String(name), window));
    window.hide();
  }
  // With a unit's settings loaded, handed in as the link would hand its reply.
  // -5 dBm, channel 12, IDs 1, 3, 9 and 10, 19200 baud, Europe, bootloader 1.0.3 and
  // application 2.1.0 (last character first), 8 bits, 1 stop bit, no parity nor flow control.
  const ReportFrame reply{0,   0xF4, 0xFB, 12,  0x05, 0x03, 3, 0, 0, 0, '3',
                          '0', '1',  0,    '0', '1',  '2',  2, 1, 1, 1, 1};
  app.session().dispatcher().setActiveFeature(FeatureWindow::SetBaseUnit);
  ui::SetBaseUnitWindow& setBaseUnit = main.setBaseUnitWindow();
  setBaseUnit.prepare();
  app.session().channel().deliverHidReport(reply);
  shots.push_back(grabShown(QStringLiteral("set-base-unit"), setBaseUnit));
  setBaseUnit.hide();
  // English captions in every language: it shows the states, not the words.
  shots.push_back({QStringLiteral("button-states"), buttonStates(app.look()), {}});
  return shots;
}

// Shows no box and waits in no window.
class Silent : public ui::MessagePresenter, public ui::ModalRunner {
 public:
  void show(QWidget* /*owner*/, const OperatorMessage& /*message*/) override {}
  void notice(QWidget* /*owner*/, const OperatorMessage& /*message*/) override {}
  void run(QDialog& window) override { window.show(); }
};

}  // namespace

std::vector<WindowShot> shootWindows(const ShotOptions& options) {
  const QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
  // Before the windows are built: they take their captions as they are.
  const l10n::Translations language(options.language);
  Silent silent;
  QStringList arguments{QStringLiteral("orbelle")};
  if (options.plain) {
    arguments << QStringLiteral("--plain");
  }
  Application app(arguments, silent, silent);
  app.run();
  return renderWindows(app);
}

}  // namespace orbelle::tools
