// Writes every window, drawn offscreen, into a folder:
//   orbelle_screenshots DIR               NAME.png, the documentation's screenshots
//   orbelle_screenshots DIR --references  NAME@Nx.png at the screen's device pixel ratio N
//                                         (QT_SCALE_FACTOR), the references tests/ui compares with
#include <QApplication>
#include <QDir>
#include <cstdio>

#include "screenshots/WindowShots.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication qtApp(argc, argv);
  const bool references = argc == 3 && QLatin1String(argv[2]) == QLatin1String("--references");
  if (argc != 2 && !references) {
    std::fprintf(stderr, "usage: orbelle_screenshots DIR [--references]\n");
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  const QString suffix = references
                             ? QStringLiteral("@%1x.png").arg(qRound(qtApp.devicePixelRatio()))
                             : QStringLiteral(".png");
  int failed = 0;
  for (const orbelle::tools::WindowShot& shot : orbelle::tools::shootWindows()) {
    const QString file = folder.filePath(shot.name + suffix);
    if (!shot.image.convertToFormat(QImage::Format_RGB32).save(file)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
      ++failed;
    }
  }
  return failed == 0 ? 0 : 1;
}
