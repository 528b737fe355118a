#pragma once

#include <optional>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

namespace orbelle::cli {

// Options every command takes. Link options override the stored preferences for this run
// only; nothing here is written to the store.
struct GlobalOptions {
  std::optional<std::string> link;  // "usb" or "rs232"
  std::optional<int> port;          // COM number 1..4
  std::optional<int> baud;          // preferred rate
  std::optional<std::string> device;
  std::vector<std::string> units;  // --unit, in the order given
  bool allUnits = false;
  double timeoutSeconds = 3.0;
  bool json = false;
  bool trace = false;
};

// A decimal number from `low` to `high`, both included, fractions allowed (see
// DecimalNumbers.h). Unlike CLI::Range it refuses NaN, infinities and hexadecimal forms.
class FiniteRange : public CLI::Validator {
 public:
  FiniteRange(double low, double high);
};

void addGlobalOptions(CLI::App& app, GlobalOptions& options);

// Refuses options that contradict each other or say nothing; throws CliError (bad usage).
void checkGlobalOptions(const GlobalOptions& options);

// The offered rates as a sentence: "9600, 19200, 38400, 57600 or 115200".
std::string offeredRatesText();

// Whether --json was given anywhere in the arguments, so that an error found while they are
// parsed, even before --json itself is reached, can be reported as JSON.
bool jsonRequested(int argc, const char* const* argv);

// "Global options" and their help, for the footer of each command's help.
std::string globalOptionsHelp(const CLI::App& app);

}  // namespace orbelle::cli
