// Linked ahead of the library's definition, which is then not taken from its archive.
#include "version/ProgramVersion.h"

namespace orbelle {

const char* programVersion() { return ORBELLE_RELEASE_VERSION; }

}  // namespace orbelle
