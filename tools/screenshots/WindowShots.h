#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace orbelle::tools {

// One window as it shows itself: a file name and the pixels.
struct WindowShot {
  QString name;
  QImage image;
};

// Every window of the program shown with typical contents and grabbed, at the screen's device
// pixel ratio, from a program started on an empty preference store of its own (the defaults,
// whoever runs it). No link is opened and no box is shown. Needs a QApplication.
std::vector<WindowShot> shootWindows();

}  // namespace orbelle::tools
