// The release version alone, linked ahead of the version library (see CMakeLists.txt).
#include "version/ProgramVersion.h"

namespace orbelle {

const char* programVersion() { return ORBELLE_RELEASE_VERSION; }

}  // namespace orbelle
