#pragma once

#include <string>
#include <vector>

namespace orbelle::cli {

struct GlobalOptions;

// A base unit named on the command line (--unit, --all-units).
struct UnitTarget {
  enum class Kind { Usb, Serial };
  Kind kind = Kind::Usb;
  // The HID path, or the serial device's path or URL. A USB unit that was not found keeps the
  // text given, and its opening says so.
  std::string address;
  // How output names it: a USB unit's serial number when no other unit has it, else its path;
  // a serial device's path or URL as given.
  std::string name;

  bool operator==(const UnitTarget&) const = default;
};

// The units --unit and --all-units name, in the order given, each once; none when neither was
// given (the stored link choice applies). A --unit value is a USB unit's path or serial number
// as "vkr devices" lists them, else a serial device (a full path, or a URL). Throws CliError
// (bad usage) for a serial number that several units share.
std::vector<UnitTarget> chooseUnits(const GlobalOptions& options);

}  // namespace orbelle::cli
