// Compares every window, as drawn offscreen now, with the reference images kept in the
// repository, so that any change in the look fails until the references are refreshed on
// purpose (scripts/refresh-references).
//   ui_reference_renders REFERENCE_DIR [--refresh]   compare, or write new references
//   ui_reference_renders DIR --screenshots           the documentation's screenshots
// The screen's device pixel ratio (QT_SCALE_FACTOR) picks the set: name@1x.png, name@2x.png.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <array>
#include <cstdio>
#include <cstdlib>

#include "app/Application.h"
#include "ui/DialogUnits.h"
#include "ui/Look.h"
#include "ui/MessagePresenter.h"
#include "ui/ModalRunner.h"
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

// One window as it shows itself: a file name and the pixels.
struct WindowShot {
  QString name;
  QImage image;
};

// Every window of the program shown with typical contents and grabbed, at the screen's device
// pixel ratio. No link is opened and no box is shown.
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
  // -5 dBm, channel 12, IDs 1, 3, 9 and 10, 19200 baud, Europe, bootloader 1.0.3 and
  // application 2.1.0 (last character first), 8 bits, 1 stop bit, no parity nor flow control.
  const ReportFrame reply{0,   0xF4, 0xFB, 12,  0x05, 0x03, 3, 0, 0, 0, '3',
                          '0', '1',  0,    '0', '1',  '2',  2, 1, 1, 1, 1};
  app.session().dispatcher().setActiveFeature(Feature::SetBaseUnit);
  ui::SetBaseUnitWindow& setBaseUnit = main.setBaseUnitWindow();
  setBaseUnit.prepare();
  app.session().dispatcher().dispatch(reply);
  shots.push_back({QStringLiteral("set-base-unit"), grabShown(setBaseUnit)});
  setBaseUnit.hide();
  shots.push_back({QStringLiteral("button-states"), buttonStates(app.look())});
  return shots;
}

// Font rasterising and smooth scaling may differ in the last bits between library builds;
// anything a person could see does not.
constexpr int kChannelTolerance = 24;

// Shows no box and waits in no window.
class Silent : public ui::MessagePresenter, public ui::ModalRunner {
 public:
  void show(QWidget* /*owner*/, const OperatorMessage& /*message*/) override {}
  void notice(QWidget* /*owner*/, const OperatorMessage& /*message*/) override {}
  void run(QDialog& window) override { window.show(); }
};

// The number of pixels that differ by more than the tolerance, and an image marking them.
int compare(const QImage& actual, const QImage& expected, QImage& marks) {
  marks = QImage(actual.size(), QImage::Format_RGB32);
  marks.fill(Qt::white);
  int differing = 0;
  for (int y = 0; y < actual.height(); ++y) {
    for (int x = 0; x < actual.width(); ++x) {
      const QRgb a = actual.pixel(x, y);
      const QRgb e = expected.pixel(x, y);
      const int most = std::max({std::abs(qRed(a) - qRed(e)), std::abs(qGreen(a) - qGreen(e)),
                                 std::abs(qBlue(a) - qBlue(e))});
      if (most > kChannelTolerance) {
        ++differing;
        marks.setPixel(x, y, qRgb(255, 0, 0));
      }
    }
  }
  return differing;
}

}  // namespace
}  // namespace orbelle::testing

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  // A private, empty preference store: the windows show the defaults whoever runs this.
  const QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
  QApplication qtApp(argc, argv);
  const QLatin1String mode(argc == 3 ? argv[2] : "");
  const bool refresh = mode == QLatin1String("--refresh");
  const bool screenshots = mode == QLatin1String("--screenshots");
  if (argc != 2 && !refresh && !screenshots) {
    std::fprintf(stderr, "usage: ui_reference_renders DIR [--refresh|--screenshots]\n");
    return 2;
  }
  const QDir references(QString::fromLocal8Bit(argv[1]));
  const QDir failures(QDir::temp().filePath(QStringLiteral("orbelle-reference-failures")));
  orbelle::testing::Silent silent;
  orbelle::Application app({QStringLiteral("orbelle")}, silent, silent);
  app.run();

  const QString suffix = screenshots
                             ? QStringLiteral(".png")
                             : QStringLiteral("@%1x.png").arg(qRound(qtApp.devicePixelRatio()));
  if (!refresh && !screenshots) {
    // Only this run's differences are left there (the other ratio's run keeps its own).
    for (const QString& old : failures.entryList({QStringLiteral("*") + suffix}, QDir::Files)) {
      QFile::remove(failures.filePath(old));
    }
  }
  int failed = 0;
  for (const orbelle::testing::WindowShot& shot : orbelle::testing::renderWindows(app)) {
    const QImage actual = shot.image.convertToFormat(QImage::Format_RGB32);
    const QString file = references.filePath(shot.name + suffix);
    if (refresh || screenshots) {
      if (!actual.save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        ++failed;
      }
      continue;
    }
    const QImage expected = QImage(file).convertToFormat(QImage::Format_RGB32);
    QImage marks;
    QString problem;
    if (expected.isNull()) {
      problem = QStringLiteral("no reference image");
    } else if (expected.size() != actual.size()) {
      problem = QStringLiteral("size %1x%2, the reference is %3x%4")
                    .arg(actual.width())
                    .arg(actual.height())
                    .arg(expected.width())
                    .arg(expected.height());
    } else if (const int differing = orbelle::testing::compare(actual, expected, marks);
               differing > 0) {
      problem = QStringLiteral("%1 pixels differ").arg(differing);
    }
    if (!problem.isEmpty()) {
      ++failed;
      failures.mkpath(QStringLiteral("."));
      actual.save(failures.filePath(shot.name + suffix));
      if (!marks.isNull()) {
        marks.save(failures.filePath(shot.name + QStringLiteral("-diff") + suffix));
      }
      std::fprintf(stderr, "%s%s: %s (now drawn: %s)\n", qPrintable(shot.name), qPrintable(suffix),
                   qPrintable(problem), qPrintable(failures.filePath(shot.name + suffix)));
    } else {
      std::printf("%s%s: as the reference\n", qPrintable(shot.name), qPrintable(suffix));
    }
  }
  return failed == 0 ? 0 : 1;
}
