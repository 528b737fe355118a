#pragma once

#include <stdexcept>
#include <string>

#include "ExitCode.h"

namespace orbelle::cli {

// A failure to report to the operator, with the exit code that goes with it.
class CliError : public std::runtime_error {
 public:
  CliError(ExitCode code, const std::string& message) : std::runtime_error(message), code_(code) {}
  ExitCode code() const { return code_; }

 private:
  ExitCode code_;
};

}  // namespace orbelle::cli
