#pragma once

#include <optional>
#include <string>

namespace orbelle {

// Without a display orbelle says so in one line and ends with 1, rather than leaving Qt to
// abort with its own page of advice.

// Asked before the QApplication exists: the line to print when the environment names no
// display (neither DISPLAY nor WAYLAND_DISPLAY) and chooses no platform (QT_QPA_PLATFORM, as
// the offscreen one of tests and screenshots).
std::optional<std::string> missingDisplay();

// Watches the QApplication's construction: when the platform plugin cannot be loaded (a
// display that cannot be reached, a platform that does not exist), the one line goes out with
// Qt's reason and the program ends with 1. What Qt says meanwhile is held back, and passed on
// by started(). One at a time.
class PlatformStartWatch {
 public:
  PlatformStartWatch();
  ~PlatformStartWatch();
  PlatformStartWatch(const PlatformStartWatch&) = delete;
  PlatformStartWatch& operator=(const PlatformStartWatch&) = delete;

  // The QApplication exists: Qt's messages go where they went before.
  void started();
};

}  // namespace orbelle
