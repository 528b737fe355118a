#include "GlobalOptions.h"

#include <algorithm>
#include <sstream>
#include <string_view>

#include "CliError.h"
#include "DecimalNumbers.h"
#include "prefs/ComPortMap.h"
#include "prefs/RemotePort.h"
#include "protocol/LineSettings.h"
#include "protocol/LinkProtocol.h"

namespace orbelle::cli {

FiniteRange::FiniteRange(double low, double high) {
  std::ostringstream description;
  description << "NUMBER in [" << low << " - " << high << "]";
  Validator::description(description.str());
  func_ = [low, high](std::string& input) {
    const auto value = parseDecimalFraction(input);
    if (!value || *value < low || *value > high) {
      std::ostringstream message;
      message << "Value " << input << " is not a number from " << low << " to " << high;
      return message.str();
    }
    return std::string();
  };
}

void addGlobalOptions(CLI::App& app, GlobalOptions& options) {
  // Any letter case is accepted; the value is stored as the link's own name.
  app.add_option("--link", options.link,
                 "Link to use for this run: usb or rs232 (default: the stored choice, which vkr "
                 "prefs show prints; usb until vkr prefs set protocol changes it)")
      ->transform(CLI::Validator(
          [](std::string& input) {
            const auto protocol = parseLinkProtocol(input);
            if (!protocol) {
              return "--link takes usb or rs232, not \"" + input + "\"";
            }
            input = std::string(linkProtocolName(*protocol));
            return std::string();
          },
          "usb|rs232"));
  app.add_option("--port", options.port,
                 "COM port number for RS232: 1-" + std::to_string(kComPortCount) +
                     " (default: the stored one; 1 until vkr prefs set port changes it)")
      ->transform(decimalInteger())
      ->check(CLI::Range(1, kComPortCount));
  std::vector<int> rates;
  for (const OfferedRate& rate : kOfferedRates) {
    rates.push_back(rate.baudrate);
  }
  app.add_option("--baud", options.baud,
                 "RS232 rate: " + offeredRatesText() +
                     " (default: the stored one; 9600 until vkr prefs set baudrate changes it)")
      ->transform(decimalInteger())
      ->check(CLI::IsMember(rates));
  app.add_option(
      "--device", options.device,
      "Serial device to use instead of the COM port mapping (implies rs232): its "
      "full path, or rfc2217://HOST:PORT or socket://HOST:PORT (default: the device behind "
      "the COM port, which vkr devices lists)");
  app.add_option(
         "--unit", options.units,
         "A base unit to work on (repeatable; several run at once): a USB unit's path "
         "or serial number as vkr devices lists them, a serial device's full path, or "
         "rfc2217://HOST:PORT or socket://HOST:PORT (default: the link chosen, over USB the "
         "unit vkr devices marks)")
      ->type_name("ID")
      ->expected(1)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  app.add_flag("--all-units", options.allUnits,
               "Work on every USB base unit found, all at once (with --unit: those too)");
  app.add_option("--timeout", options.timeoutSeconds, "Seconds to wait for each reply (default: 3)")
      ->check(FiniteRange(0.05, 3600.0));
  app.add_flag("--json", options.json,
               "Print one JSON object per result on standard output, errors included");
  app.add_flag("--trace", options.trace,
               "Print every frame sent (>) and received (<) as hex on standard error");
}

namespace {

// --unit names each unit and its link: the options that choose one link cannot go with it.
void checkUnitOptions(const GlobalOptions& options) {
  const char* option = options.units.empty() ? "--all-units" : "--unit";
  for (const auto& [given, name] : {std::pair{options.link.has_value(), "--link"},
                                    std::pair{options.port.has_value(), "--port"},
                                    std::pair{options.device.has_value(), "--device"}}) {
    if (given) {
      throw CliError(kBadUsage, std::string(option) +
                                    " names the units and their links: it "
                                    "cannot go with " +
                                    name);
    }
  }
  for (const std::string& id : options.units) {
    if (id.empty() || std::any_of(id.begin(), id.end(), [](char c) {
          return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
        })) {
      // Not echoed: a control character would reach the terminal.
      throw CliError(kBadUsage,
                     "--unit needs a unit's path, serial number or URL, without "
                     "control characters");
    }
    if (isRemotePortText(id) && !parseRemotePort(id)) {
      throw CliError(kBadUsage, "--unit " + id + ": " + describeComPathFault(ComPathFault::BadUrl));
    }
  }
}

}  // namespace

void checkGlobalOptions(const GlobalOptions& options) {
  if (options.device && options.device->empty()) {
    throw CliError(kBadUsage, "--device needs the path of a serial device");
  }
  // The rule of "prefs set com": a bare name would reach the port of that name under /dev.
  if (options.device) {
    if (const auto fault = checkComDevicePath(*options.device)) {
      // Not echoed: a control character would reach the terminal.
      throw CliError(kBadUsage,
                     "--device cannot be used: " + std::string(describeComPathFault(*fault)) +
                         "; give the device's full path, for example /dev/ttyUSB0, or "
                         "rfc2217://HOST:PORT or socket://HOST:PORT");
    }
  }
  if (!options.units.empty() || options.allUnits) {
    checkUnitOptions(options);
  }
  if (options.device && options.link && parseLinkProtocol(*options.link) == LinkProtocol::Usb) {
    throw CliError(kBadUsage, "--device names a serial device: it cannot go with --link usb");
  }
}

std::string offeredRatesText() {
  std::string text;
  for (std::size_t i = 0; i < kOfferedRates.size(); ++i) {
    if (i > 0) {
      text += i + 1 == kOfferedRates.size() ? " or " : ", ";
    }
    text += std::to_string(kOfferedRates.at(i).baudrate);
  }
  return text;
}

bool jsonRequested(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument(argv[i]);
    if (argument == "--") {
      return false;
    }
    if (argument == "--json") {
      return true;
    }
  }
  return false;
}

std::string globalOptionsHelp(const CLI::App& app) {
  std::string text = "Global options (before or after the command):\n";
  for (const CLI::Option* option : app.get_options()) {
    const std::string name = option->get_name(false, true);
    if (name == "-h,--help" || name == "--version") {
      continue;
    }
    std::string head = "  " + name;
    if (!option->get_type_name().empty()) {
      head += " " + option->get_type_name();
    }
    // Laid out as CLI11 lays out a command's own options.
    constexpr std::size_t kColumn = 30;
    head = head.size() < kColumn ? head + std::string(kColumn - head.size(), ' ')
                                 : head + "\n" + std::string(kColumn, ' ');
    text += head + option->get_description() + "\n";
  }
  return text;
}

}  // namespace orbelle::cli
