#pragma once

#include <string>
#include <vector>

namespace orbelle::cli {

// How one of several units came out.
struct UnitOutcome {
  std::string name;
  int exitCode = 0;
  double seconds = 0.0;
};

// The exit status of a run on several units: the interrupting signal's if one came, else the
// highest of the units'.
int worstExitCode(const std::vector<UnitOutcome>& outcomes);

// The table that ends a run on several units (unit, result, time), on standard output; with
// JSON one object with `units` and the run's `exit_code`. The units that failed are listed on
// standard error as well.
void printUnitsSummary(bool json, const std::vector<UnitOutcome>& outcomes);

}  // namespace orbelle::cli
