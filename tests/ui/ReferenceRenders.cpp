// Compares every window, as drawn offscreen now, with the reference images kept in the
// repository, so that any change in the look fails until the references are redrawn on
// purpose (scripts/refresh-references).
//   ui_reference_renders REFERENCE_DIR
// The screen's device pixel ratio (QT_SCALE_FACTOR) picks the set: name@1x.png, name@2x.png.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <cstdio>
#include <cstdlib>

#include "screenshots/WindowShots.h"

namespace orbelle::testing {
namespace {

// Font rasterising and smooth scaling may differ in the last bits between library builds;
// anything a person could see does not.
constexpr int kChannelTolerance = 24;

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
  QApplication qtApp(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: ui_reference_renders REFERENCE_DIR\n");
    return 2;
  }
  const QDir references(QString::fromLocal8Bit(argv[1]));
  const QDir failures(QDir::temp().filePath(QStringLiteral("orbelle-reference-failures")));
  const QString suffix = QStringLiteral("@%1x.png").arg(qRound(qtApp.devicePixelRatio()));
  // Only this run's differences are left there (the other ratio's run keeps its own).
  for (const QString& old : failures.entryList({QStringLiteral("*") + suffix}, QDir::Files)) {
    QFile::remove(failures.filePath(old));
  }
  int failed = 0;
  for (const orbelle::tools::WindowShot& shot : orbelle::tools::shootWindows()) {
    const QImage actual = shot.image.convertToFormat(QImage::Format_RGB32);
    const QString file = references.filePath(shot.name + suffix);
    const QImage expected = QImage(file).convertToFormat(QImage::Format_RGB32);
    QImage marks;
    QString problem;
    if (expected.isNull()) {
      problem = QStringLiteral("no reference image");
    } else if (expected.size() != actual.size()) {
      problem = QString::asprintf("size %dx%d, the reference is %dx%d", actual.width(),
                                  actual.height(), expected.width(), expected.height());
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
