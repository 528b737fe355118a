#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace orbelle {
class Application;
}

namespace orbelle::testing {

// One window as it shows itself: a file name and the pixels.
struct WindowShot {
  QString name;
  QImage image;
};

// Every window of the program shown with typical contents and grabbed, at the screen's device
// pixel ratio. No link is opened and no box is shown.
std::vector<WindowShot> renderWindows(Application& app);

}  // namespace orbelle::testing
