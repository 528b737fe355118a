#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>

#include "WindowFixture.h"
#include "skin/PreparedImages.h"
#include "skin/WindowPicture.h"
#include "support/Contrast.h"
#include "ui/SetBaseUnitWindow.h"
#include "ui/UpgradeWindow.h"

namespace orbelle::testing {
namespace {

const QColor kDialogBackground(217, 230, 230);

QColor pixelOf(QWidget& widget, QPoint at) { return widget.grab().toImage().pixelColor(at); }

class LookTest : public WindowFixture {
 protected:
  // Taking the focus, each control shows a mark that differs from what was there
  // by at least 3:1: a ring two pixels wide round three quarters of a box of at least 10 x 10
  // pixels, and not a filled area. Set Base Unit holds every kind: a check box with a caption
  // and one without, a radio button, a field, a list; `controls` adds buttons.
  void expectFocusRings(std::vector<QWidget*> controls) {
    ui::SetBaseUnitWindow& window = main().setBaseUnitWindow();
    window.show();
    ASSERT_TRUE(activate(window));
    for (const int id : {1090, 1013, 1043, 1032, 1008}) {
      controls.push_back(control<QWidget>(window, id));
    }
    for (QWidget* marked : controls) {
      ASSERT_TRUE(activate(*marked->window()));
      marked->clearFocus();
      const QImage unfocused = marked->grab().toImage();
      marked->setFocus();
      const QImage focused = marked->grab().toImage();
      QRect box;
      int changed = 0;
      for (int y = 0; y < focused.height(); ++y) {
        for (int x = 0; x < focused.width(); ++x) {
          if (contrast(focused.pixelColor(x, y), unfocused.pixelColor(x, y)) >= 3.0) {
            ++changed;
            box |= QRect(x, y, 1, 1);
          }
        }
      }
      const int width = qRound(2 * focused.devicePixelRatio());  // two pixels of the window
      const int ring = 2 * width * (box.width() + box.height()) - 4 * width * width;
      EXPECT_TRUE(box.width() >= 10 && box.height() >= 10 && changed >= 3 * ring / 4 &&
                  changed <= 3 * ring / 2)
          << marked->objectName().toStdString() << ": " << changed << " pixels in " << box.width()
          << " x " << box.height();
    }
    window.hide();
  }
  std::vector<QDialog*> dialogs() {
    return {&main(),
            &main().aboutBox(),
            &main().setProtocolWindow(),
            &main().upgradeWindow(FeatureWindow::UpgradeBaseUnit),
            &main().upgradeWindow(FeatureWindow::UpgradeHandheldUnit),
            &main().setBaseUnitWindow()};
  }
};

TEST_F(LookTest, DialogColoursExceptInFieldsThatCanBeTypedInAndAFocusRingThatStandsOut) {
  start();
  EXPECT_FALSE(main().windowIcon().isNull());
  // That a picture's white shows the window's background is WindowPictureTest's, and the main
  // window's pictures are compared pixel by pixel with their references (ReferenceRenders).
  for (QDialog* dialog : dialogs()) {
    EXPECT_EQ(pixelOf(*dialog, {3, 3}), kDialogBackground) << dialog->windowTitle().toStdString();
    // Every enabled text on the background reads, the emphasised captions included.
    for (QWidget* text : dialog->findChildren<QWidget*>()) {
      if (text->isEnabled() && (text->inherits("QLabel") || text->inherits("QGroupBox") ||
                                text->inherits("QRadioButton") || text->inherits("QCheckBox"))) {
        for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text}) {
          EXPECT_GE(contrast(text->palette().color(role), kDialogBackground), 4.5)
              << text->objectName().toStdString() << " in " << dialog->windowTitle().toStdString();
        }
      }
    }
  }
  ui::UpgradeWindow& upgrade = main().upgradeWindow(FeatureWindow::UpgradeBaseUnit);
  auto* path = control<QLineEdit>(upgrade, 1034);
  const QPoint inside(path->width() - 4, path->height() / 2);
  EXPECT_EQ(pixelOf(*path, inside), kDialogBackground) << "read-only";
  path->setReadOnly(false);
  const QColor platformBase = QApplication::palette(path).color(QPalette::Base);
  ASSERT_NE(platformBase, kDialogBackground);
  EXPECT_EQ(pixelOf(*path, inside), platformBase) << "editable";

  // A list, open or closed, keeps the platform's colours.
  auto* ports = control<QComboBox>(main().setProtocolWindow(), 1008);
  EXPECT_EQ(ports->view()->palette().color(QPalette::Base),
            QApplication::palette(ports->view()).color(QPalette::Base));
  EXPECT_EQ(ports->palette().color(QPalette::Window),
            QApplication::palette(ports).color(QPalette::Window));

  // The skinned buttons' ring (not their hover face) and the style's mark on the rest.
  expectFocusRings({control<QWidget>(main(), 1000), control<QWidget>(main(), 1003)});
}

// Asked for by the environment here; the option "--plain" is taken in MainWindowTest.
TEST_F(LookTest, PlainLookKeepsThePlatformsButtonsAndColours) {
  qputenv("ORBELLE_LOOK", "plain");
  start();
  qunsetenv("ORBELLE_LOOK");
  for (QDialog* dialog : dialogs()) {
    EXPECT_EQ(pixelOf(*dialog, {3, 3}), QApplication::palette(dialog).color(QPalette::Window));
    EXPECT_TRUE(dialog->findChildren<skin::PictureWidget*>().empty());
  }
  for (const int id : {1000, 1001, 1002, 1003}) {
    auto* button = qobject_cast<QPushButton*>(control<QAbstractButton>(main(), id));
    ASSERT_NE(button, nullptr) << id;
    EXPECT_EQ(button->palette().color(QPalette::ButtonText),
              QApplication::palette(button).color(QPalette::ButtonText));
  }
  expectFocusRings({control<QWidget>(main(), 1000)});
}

bool covers(const QRegion& region, QRect whole) {
  return QRegion(whole).subtracted(region).isEmpty();
}

// Records the parts of a widget that were painted.
class PaintWatch : public QObject {
 public:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      painted.push_back(static_cast<QPaintEvent*>(event)->region());
    }
    return false;
  }
  std::vector<QRegion> painted;
};

TEST_F(LookTest, TheLogoIsRedrawnWholeWhenOnlyPartOfItIsRepainted) {
  start();
  QWidget* logo = nullptr;
  for (auto* picture : main().findChildren<skin::PictureWidget*>()) {
    logo = picture->accessibleName() == QLatin1String("Logo") ? picture : logo;
  }
  ASSERT_NE(logo, nullptr);
  EXPECT_FALSE(logo->isEnabled() && (logo->focusPolicy() & Qt::TabFocus) != 0);
  EXPECT_TRUE(logo->testAttribute(Qt::WA_TransparentForMouseEvents));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&main()));
  QApplication::processEvents();  // the first painting of the window
  PaintWatch watch;
  logo->installEventFilter(&watch);
  main().update(QRect(logo->geometry().topLeft(), QSize(8, 8)));
  EXPECT_TRUE(QTest::qWaitFor(
      [&] {
        return std::any_of(watch.painted.begin(), watch.painted.end(),
                           [&](const QRegion& region) { return covers(region, logo->rect()); });
      },
      2000));
  ASSERT_FALSE(watch.painted.empty());
  EXPECT_FALSE(covers(watch.painted.front(), logo->rect())) << "the partial repaint came first";
}

// White is made transparent before the picture is scaled, so that no white fringe is left;
// a screen of ratio 2 takes the "@2x" file and keeps the logical size.
TEST(WindowPictureTest, WhiteBecomesTransparentWithoutFringeAndTheDoubleFileServesRatioTwo) {
  const TempDir dir;
  const QString file = QString::fromStdString((dir.path() / "picture.png").string());
  QImage image(40, 20, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter(&image).fillRect(20, 0, 20, 20, Qt::black);
  ASSERT_TRUE(image.save(file));
  const QImage half = skin::preparePicture(file, QRect(0, 0, 40, 20), QSize(20, 10), 1.0)
                          .toImage()
                          .convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(half.size(), QSize(20, 10));
  EXPECT_EQ(qAlpha(half.pixel(2, 5)), 0);
  for (int x = 8; x < 20; ++x) {
    const QRgb pixel = half.pixel(x, 5);
    EXPECT_TRUE(qAlpha(pixel) == 0 || qGray(pixel) < 40) << "a whitish pixel at " << x;
  }

  QImage doubled(80, 40, QImage::Format_RGB32);
  doubled.fill(qRgb(200, 0, 0));
  ASSERT_TRUE(doubled.save(QString::fromStdString((dir.path() / "picture@2x.png").string())));
  const QPixmap sharp = skin::preparePicture(file, QRect(20, 0, 20, 20), QSize(20, 20), 2.0);
  EXPECT_EQ(sharp.size(), QSize(40, 40));
  EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(20, 20));
  EXPECT_EQ(sharp.toImage().pixelColor(5, 5), QColor(200, 0, 0));
  EXPECT_TRUE(
      skin::preparePicture(file + "-missing", QRect(0, 0, 4, 4), QSize(4, 4), 1.0).isNull());
}

// The images decoded at build time hold exactly what the committed PNG files decode to, and
// are what the windows are given; the others are decoded from the resource.
TEST(WindowPictureTest, PreparedImagesAreTheirFilesPixelForPixel) {
  ASSERT_FALSE(skin::preparedImages().empty());
  for (const skin::PreparedImage& prepared : skin::preparedImages()) {
    QString file = QString::fromLatin1(prepared.resource);
    file.replace(QLatin1String(":/icons/"), QLatin1String(ORBELLE_RESOURCES_DIR "/png/"))
        .replace(QLatin1String(":/skin/"), QLatin1String(ORBELLE_RESOURCES_DIR "/skin/"));
    const QImage image = skin::preparedImage(QString::fromLatin1(prepared.resource));
    EXPECT_EQ(image, QImage(file).convertToFormat(image.format())) << prepared.resource;
  }
  int scale = 0;
  EXPECT_EQ(skin::loadForRatio(":/skin/logo.png", 1.0, scale).constBits(),
            skin::preparedImage(":/skin/logo.png").constBits());
  EXPECT_EQ(skin::loadForRatio(":/skin/handheld.png", 1.0, scale).size(), QSize(200, 333));
}

}  // namespace
}  // namespace orbelle::testing
