#pragma once

namespace orbelle {

// Flags that live for the whole program run, whichever window is open. The application owns
// one and hands it to every upgrade engine it builds.
struct RunFlags {
  // The first handheld start of a run sends its start frame at 9600 baud; later ones go out at
  // whatever the port is set to.
  bool firstHandheldStart = true;
};

}  // namespace orbelle
