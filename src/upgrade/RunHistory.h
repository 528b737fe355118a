#pragma once

namespace orbelle {

// What the program run has done so far that an upgrade must know, whichever window did it. The
// application owns one and hands it to every upgrade engine it builds; a vkr run has its own.
struct RunHistory {
  // The first handheld start of a run sends its start frame at 9600 baud; later ones go out at
  // whatever the port is set to.
  bool firstHandheldStart = true;
};

}  // namespace orbelle
