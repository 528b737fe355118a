#pragma once

#include <stdexcept>
#include <string>

#include <nlohmann/json.hpp>

#include "ExitCode.h"

namespace orbelle::cli {

// A failure to report to the operator, with the exit code that goes with it and, for --json,
// the fields that go with the message.
class CliError : public std::runtime_error {
 public:
  CliError(ExitCode code, const std::string& message, nlohmann::json details = nlohmann::json())
      : std::runtime_error(message), code_(code), details_(std::move(details)) {}
  ExitCode code() const { return code_; }
  const nlohmann::json& details() const { return details_; }

 private:
  ExitCode code_;
  nlohmann::json details_;
};

}  // namespace orbelle::cli
