#include <QAccessible>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include "skin/ImageRegion.h"
#include "skin/SkinButton.h"

namespace orbelle {
namespace {

constexpr QRgb kRed = 0xFFC00000;
constexpr QRgb kGreen = 0xFF00C000;
constexpr QRgb kBlue = 0xFF0000C0;

QPixmap solid(QRgb colour, QSize size = {40, 20}) {
  QPixmap pixmap(size);
  pixmap.fill(QColor::fromRgb(colour));
  return pixmap;
}

// What the button shows, rendered at the given device pixel ratio.
QImage shot(SkinButton& button, qreal ratio = 1) {
  QImage image(button.size() * ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  button.render(&image);
  return image;
}

QRgb faceAt(SkinButton& button, QPoint at = {1, 1}) { return shot(button).pixel(at); }

void send(QWidget& to, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
  QMouseEvent event(type, at, to.mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
  QApplication::sendEvent(&to, &event);
}

struct SkinButtonFixture : ::testing::Test {
  QWidget dialog;
  SkinButton* button = new SkinButton(&dialog);

  SkinButtonFixture() {
    dialog.resize(200, 100);
    button->setGeometry(10, 10, 40, 20);
    button->setSkin(SkinImages{solid(kRed), solid(kGreen), solid(kBlue), {}, {}, {}}, 1);
    dialog.show();
  }
};

TEST_F(SkinButtonFixture, FacesFollowTheMouseAndADragOffDoesNotClick) {
  QSignalSpy clicks(button, &QAbstractButton::clicked);
  send(*button, QEvent::MouseMove, {5, 5}, Qt::NoButton);
  EXPECT_EQ(faceAt(*button), kBlue);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(button, &leave);
  EXPECT_EQ(faceAt(*button), kRed);

  send(*button, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton);
  EXPECT_EQ(faceAt(*button), kGreen);
  send(*button, QEvent::MouseMove, {60, 5}, Qt::LeftButton);
  EXPECT_EQ(faceAt(*button), kRed);
  send(*button, QEvent::MouseButtonRelease, {60, 5}, Qt::NoButton);
  EXPECT_EQ(clicks.count(), 0);
  send(*button, QEvent::MouseButtonRelease, {5, 5}, Qt::NoButton);
  EXPECT_EQ(clicks.count(), 0) << "no press, no click";

  // Off and back on before the release clicks; a double click is two presses, so two clicks.
  send(*button, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton);
  send(*button, QEvent::MouseMove, {60, 5}, Qt::LeftButton);
  send(*button, QEvent::MouseMove, {5, 5}, Qt::LeftButton);
  EXPECT_EQ(faceAt(*button), kGreen);
  send(*button, QEvent::MouseButtonRelease, {5, 5}, Qt::NoButton);
  send(*button, QEvent::MouseButtonDblClick, {5, 5}, Qt::LeftButton);
  send(*button, QEvent::MouseButtonRelease, {5, 5}, Qt::NoButton);
  EXPECT_EQ(clicks.count(), 2);

  // Losing the focus mid-press ends it: coming back over the button does not push it again.
  button->setFocus();
  send(*button, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton);
  QFocusEvent out(QEvent::FocusOut, Qt::OtherFocusReason);
  QApplication::sendEvent(button, &out);
  send(*button, QEvent::MouseMove, {6, 5}, Qt::LeftButton);
  EXPECT_FALSE(button->isDown());
  send(*button, QEvent::MouseButtonRelease, {6, 5}, Qt::NoButton);
  EXPECT_EQ(clicks.count(), 2);
}

TEST_F(SkinButtonFixture, RatioTwoImagesPaintSharpAtTheirLogicalSize) {
  // A device-pixel checkerboard survives only if drawn 1:1 on a ratio-2 surface.
  QImage board(40, 20, QImage::Format_RGB32);
  for (int y = 0; y < board.height(); ++y) {
    for (int x = 0; x < board.width(); ++x) {
      board.setPixel(x, y, (x + y) % 2 != 0 ? kRed : kBlue);
    }
  }
  QPixmap sharp = QPixmap::fromImage(board);
  sharp.setDevicePixelRatio(2);
  QPixmap shape = solid(0xFF000000);
  shape.setDevicePixelRatio(2);

  for (const std::int16_t mode : {0, 1, 2}) {
    button->setSkin(SkinImages{sharp, {}, {}, {}, {}, mode == 0 ? shape : QPixmap()}, mode);
    ASSERT_EQ(button->size(), QSize(20, 10));  // natural mode takes the shape's logical size
    EXPECT_EQ(shot(*button, 2), board) << "draw mode " << mode;
  }
}

TEST_F(SkinButtonFixture, TheShapeLimitsDrawingAndClicks) {
  // Opaque: the left half, plus device pixel (41, 1) of a ratio-2 image, i.e. logical (20, 0).
  QImage shape(80, 40, QImage::Format_RGB32);
  shape.fill(Qt::white);
  QPainter(&shape).fillRect(0, 0, 40, 40, Qt::black);
  shape.setPixel(41, 1, 0xFFFFFFFE);
  shape.setDevicePixelRatio(2);
  EXPECT_EQ(imageRegion(shape), QRegion(0, 0, 20, 20).united(QRegion(20, 0, 1, 1)));
  EXPECT_FALSE(imageRegion(QPixmap()));

  button->setSkin(SkinImages{solid(kRed), {}, {}, {}, {}, QPixmap::fromImage(shape)}, 1);
  QSignalSpy clicks(button, &QAbstractButton::clicked);
  QTest::mouseClick(button, Qt::LeftButton, {}, {30, 10});
  EXPECT_EQ(clicks.count(), 0);
  EXPECT_EQ(faceAt(*button, {30, 10}), qRgb(255, 255, 255));
  QTest::mouseClick(button, Qt::LeftButton, {}, {5, 10});
  EXPECT_EQ(clicks.count(), 1);

  // No opaque pixel: nothing to see or click.
  button->setSkin(SkinImages{solid(kRed), {}, {}, {}, {}, solid(0xFFFFFFFF)}, 1);
  ASSERT_TRUE(button->shapeRegion());
  EXPECT_TRUE(button->shapeRegion()->isEmpty());
  QTest::mouseClick(button, Qt::LeftButton, {}, {5, 10});
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_EQ(faceAt(*button), qRgb(255, 255, 255));
}

TEST_F(SkinButtonFixture, KindsKeyboardGroupAndAccessibleName) {
  auto* check = new SkinButton(QStringLiteral("Hopping"), &dialog, SkinKind::Check);
  auto* first = new SkinButton(QStringLiteral("USB"), &dialog, SkinKind::Radio);
  auto* second = new SkinButton(QStringLiteral("RS232"), &dialog, SkinKind::Radio);
  check->setChecked(true);
  first->setChecked(true);
  second->setFocus();
  QTest::keyClick(second, Qt::Key_Space);
  EXPECT_EQ(std::tuple(second->isChecked(), first->isChecked(), check->isChecked()),
            std::tuple(true, false, true));
  QTest::keyClick(check, Qt::Key_Space);
  EXPECT_FALSE(check->isChecked());

  EXPECT_EQ(QAccessible::queryAccessibleInterface(button)->role(), QAccessible::Button);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(check)->role(), QAccessible::CheckBox);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(second)->role(), QAccessible::RadioButton);

  button->setText(QStringLiteral(" &Upgrade\r\nBase Unit"));
  EXPECT_EQ(button->accessibleName(), QStringLiteral("Upgrade Base Unit"));
  button->setAccessibleName(QStringLiteral("Upgrade the base unit"));
  button->setText(QStringLiteral("Upgrade"));
  EXPECT_EQ(button->accessibleName(), QStringLiteral("Upgrade the base unit"));
}

}  // namespace
}  // namespace orbelle
