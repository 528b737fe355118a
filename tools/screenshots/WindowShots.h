#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

namespace orbelle::tools {

// One window as it shows itself: a file name, the pixels, and the texts that do not fit their
// controls (TextFit.h).
struct WindowShot {
  QString name;
  QImage image;
  QStringList overflows;
};

struct ShotOptions {
  QString language;    // as Translations takes it ("de", "zh_TW"); empty: English
  bool plain = false;  // the platform's plain look instead of the program's
};

// Every window of the program shown with typical contents and grabbed, at the screen's device
// pixel ratio, from a program started on an empty preference store of its own (the defaults,
// whoever runs it). No link is opened and no box is shown. Needs a QApplication.
std::vector<WindowShot> shootWindows(const ShotOptions& options = {});

}  // namespace orbelle::tools
