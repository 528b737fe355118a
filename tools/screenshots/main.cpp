// Writes every window, drawn offscreen, into a folder:
//   orbelle_screenshots DIR               NAME.png, the documentation's screenshots
//   orbelle_screenshots DIR --references  NAME@Nx.png at the screen's device pixel ratio N
//                                         (QT_SCALE_FACTOR), the references tests/ui compares with
//   orbelle_screenshots DIR --language de [--plain]
//                                         NAME-de.png in that language (and look), for translators
// Texts that do not fit their controls are listed on standard error.
#include <QApplication>
#include <QDir>
#include <cstdio>

#include "screenshots/WindowShots.h"

namespace {

int usage() {
  std::fprintf(stderr,
               "usage: orbelle_screenshots DIR [--references | --language LANG [--plain]]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication qtApp(argc, argv);
  const QStringList arguments = QApplication::arguments().mid(1);
  if (arguments.isEmpty()) {
    return usage();
  }
  const QDir folder(arguments.first());
  const bool references = arguments.size() == 2 && arguments.at(1) == QLatin1String("--references");
  orbelle::tools::ShotOptions options;
  if (arguments.size() >= 3 && arguments.at(1) == QLatin1String("--language")) {
    // "en": the program's own English, in the look asked for.
    options.language = arguments.at(2) == QLatin1String("en") ? QString() : arguments.at(2);
    options.plain = arguments.size() == 4 && arguments.at(3) == QLatin1String("--plain");
    if (arguments.size() > 4 || (arguments.size() == 4 && !options.plain)) {
      return usage();
    }
  } else if (arguments.size() != 1 && !references) {
    return usage();
  }
  QString suffix = QStringLiteral(".png");
  if (references) {
    suffix = QStringLiteral("@%1x.png").arg(qRound(qtApp.devicePixelRatio()));
  } else if (arguments.size() >= 3) {
    suffix = QStringLiteral("-%1%2.png")
                 .arg(arguments.at(2), options.plain ? QStringLiteral("-plain") : QString());
  }
  int failed = 0;
  for (const orbelle::tools::WindowShot& shot : orbelle::tools::shootWindows(options)) {
    const QString file = folder.filePath(shot.name + suffix);
    if (!shot.image.convertToFormat(QImage::Format_RGB32).save(file)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
      ++failed;
    }
    for (const QString& overflow : shot.overflows) {
      std::fprintf(stderr, "%s: does not fit: %s\n", qPrintable(shot.name), qPrintable(overflow));
    }
  }
  return failed == 0 ? 0 : 1;
}
