#pragma once

#include <memory>

#include "link/RemoteLine.h"

namespace orbelle {

// A new line to a network serial server, from the module that holds them: the one beside the
// program (the build tree, or a program installed in a folder of its own), else the installed
// one. The module is loaded on the first call that finds it and stays for the rest of the run.
// Throws LinkError, saying why, when it cannot be loaded or belongs to another version.
std::unique_ptr<RemoteLine> newRemoteLine();

}  // namespace orbelle
