#pragma once

#include "UnitJob.h"

namespace orbelle::cli {

struct GlobalOptions;

// Runs a command's job on the unit of the stored link choice, or on every unit that --unit and
// --all-units name, all at once on one event loop. With several units each line is led by the
// unit's name, a unit that fails leaves the others to finish, and a table of the units ends
// the run; the exit status is the highest of theirs. Returns the exit status; with no unit
// named, a failure is thrown as before.
int runOnUnits(const GlobalOptions& options, const UnitJobMaker& make);

}  // namespace orbelle::cli
