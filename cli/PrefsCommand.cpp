#include "PrefsCommand.h"

#include <limits>
#include <memory>

#include <CLI/CLI.hpp>

#include "CliError.h"
#include "DecimalNumbers.h"
#include "GlobalOptions.h"
#include "Output.h"
#include "PrefsView.h"
#include "prefs/ComPortMap.h"
#include "prefs/LinkPreferences.h"
#include "prefs/RegistryStore.h"

namespace orbelle::cli {

namespace {

std::string lowerCase(std::string text) {
  for (char& c : text) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return text;
}

int parseComNumber(const std::string& text) {
  std::string digits = lowerCase(text);
  if (digits.rfind("com", 0) == 0) {
    digits.erase(0, 3);
  }
  const auto number = parseDecimalInteger(digits);
  if (!number || *number < 1 || *number > 4) {
    throw CliError(kBadUsage,
                   "COM port must be 1, 2, 3 or 4 (or COM1 to COM4), not \"" + text + "\"");
  }
  return static_cast<int>(*number);
}

LinkProtocol parseProtocol(const std::string& text) {
  if (const auto protocol = parseLinkProtocol(text)) {
    return *protocol;
  }
  throw CliError(kBadUsage, "protocol must be usb or rs232, not \"" + text + "\"");
}

std::int32_t parseBaudrate(const std::string& text) {
  const auto rate = parseDecimalInteger(text);
  if (!rate || *rate > std::numeric_limits<std::int32_t>::max() ||
      !isOfferedBaudrate(static_cast<std::int32_t>(*rate))) {
    throw CliError(kBadUsage,
                   "baud rate must be 9600, 19200, 38400, 57600 or 115200, not \"" + text + "\"");
  }
  return static_cast<std::int32_t>(*rate);
}

std::string checkDevicePath(const std::string& path) {
  if (const auto fault = checkComDevicePath(path)) {
    // Not echoed: a control character would reach the terminal.
    throw CliError(kBadUsage,
                   "the device path cannot be used: " + std::string(describeComPathFault(*fault)) +
                       "; give the device's full path, for example /dev/ttyUSB0");
  }
  if (path.size() > kLongestStoredText) {
    throw CliError(kBadUsage, "the device path is longer than " +
                                  std::to_string(kLongestStoredText) +
                                  " bytes and could not be read back");
  }
  return path;
}

// Loads the preferences as the program does at start-up (repairing the store), applies
// one change and reports a write that did not reach the store.
int applyChange(const Output& out,
                const std::function<bool(PreferenceStore&, LinkPreferences&)>& change,
                const std::string& what) {
  const auto store = makeUserPreferenceStore();
  LinkPreferences prefs = loadLinkPreferences(*store);
  const bool stored = change(*store, prefs);
  warnAboutStore(*store);
  if (!stored) {
    throw CliError(kFailed, "could not store " + what + " in " + preferenceStoreLocation());
  }
  out.result({{"stored", what}}, "stored " + what + "\n");
  return kOk;
}

}  // namespace

void addPrefsCommands(CLI::App& app, const GlobalOptions& options, std::function<int()>& run) {
  CLI::App* prefs = app.add_subcommand("prefs", "Show or change the stored link preferences");
  prefs->require_subcommand(1);

  prefs->add_subcommand("show", "Show the link preferences as the program loads them")
      ->callback([&options, &run] {
        run = [&options] {
          const auto store = makeUserPreferenceStore();
          const LinkPreferences loaded = loadLinkPreferences(*store);
          const Output out(options.json);
          // The COM devices are read while the result is made: warn after that.
          const nlohmann::json json = prefsToJson(loaded, *store);
          const std::string text = prefsToText(loaded, *store);
          warnAboutStore(*store);
          out.result(json, text);
          return static_cast<int>(kOk);
        };
      });

  CLI::App* set = prefs->add_subcommand("set", "Change one stored link preference");
  set->require_subcommand(1);

  auto value = std::make_shared<std::string>();
  auto second = std::make_shared<std::string>();

  set->add_subcommand("protocol", "Choose the link: usb or rs232")
      ->callback([&options, &run, value] {
        run = [&options, value] {
          const LinkProtocol protocol = parseProtocol(*value);
          return applyChange(
              Output(options.json),
              [protocol](PreferenceStore& s, LinkPreferences& p) {
                return chooseProtocol(s, p, protocol);
              },
              "protocol");
        };
      })
      ->add_option("value", *value, "usb or rs232")
      ->required();

  set->add_subcommand("port", "Choose the COM port number (1-4)")
      ->callback([&options, &run, value] {
        run = [&options, value] {
          const int port = parseComNumber(*value);
          return applyChange(
              Output(options.json),
              [port](PreferenceStore& s, LinkPreferences& p) { return choosePort(s, p, port); },
              "port");
        };
      })
      ->add_option("value", *value, "1 to 4")
      ->required();

  set->add_subcommand("baudrate", "Choose the RS232 rate")
      ->callback([&options, &run, value] {
        run = [&options, value] {
          const std::int32_t rate = parseBaudrate(*value);
          return applyChange(
              Output(options.json),
              [rate](PreferenceStore& s, LinkPreferences& p) { return chooseBaudrate(s, p, rate); },
              "baudrate");
        };
      })
      ->add_option("value", *value, "9600, 19200, 38400, 57600 or 115200")
      ->required();

  CLI::App* com = set->add_subcommand("com", "Name the serial device behind COM<N>");
  com->add_option("number", *value, "1 to 4")->required();
  com->add_option("path", *second, "the serial device, for example /dev/ttyUSB0")->required();
  com->callback([&options, &run, value, second] {
    run = [&options, value, second] {
      const int number = parseComNumber(*value);
      const std::string path = checkDevicePath(*second);
      const std::string name = comValueName(number);
      return applyChange(
          Output(options.json),
          [&](PreferenceStore& s, LinkPreferences&) { return s.writeString(name, path); }, name);
    };
  });
}

}  // namespace orbelle::cli
