#include "PrefsCommand.h"

#include <filesystem>
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
  if (!number || *number > std::numeric_limits<std::int32_t>::max() ||
      !isOfferedPort(static_cast<std::int32_t>(*number))) {
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
    throw CliError(kBadUsage, "baud rate must be " + offeredRatesText() + ", not \"" + text + "\"");
  }
  return static_cast<std::int32_t>(*rate);
}

std::string checkDevicePath(const std::string& path) {
  if (const auto fault = checkComDevicePath(path)) {
    // Not echoed: a control character would reach the terminal.
    throw CliError(kBadUsage,
                   "the device path cannot be used: " + std::string(describeComPathFault(*fault)) +
                       "; give the device's full path, for example /dev/ttyUSB0, or "
                       "rfc2217://HOST:PORT or socket://HOST:PORT");
  }
  if (path.size() > kLongestStoredText) {
    throw CliError(kBadUsage, "the device path is longer than " +
                                  std::to_string(kLongestStoredText) +
                                  " bytes and could not be read back");
  }
  return path;
}

// The window's Browse stores the full path of an existing file; so does "prefs set base".
std::string checkImagePath(const std::string& text) {
  std::error_code error;
  const std::filesystem::path path = std::filesystem::absolute(text, error).lexically_normal();
  if (text.empty() || error || !std::filesystem::is_regular_file(path, error)) {
    throw CliError(kBadUsage, "the image path must name an existing file, not \"" + text + "\"");
  }
  if (path.string().size() > kLongestStoredText) {
    throw CliError(kBadUsage, "the image path is longer than " +
                                  std::to_string(kLongestStoredText) +
                                  " bytes and could not be read back");
  }
  return path.string();
}

using Change = std::function<bool(PreferenceStore&, LinkPreferences&)>;

// Loads the preferences as the program does at start-up (repairing the store), applies
// one change and reports a write that did not reach the store.
int applyChange(const Output& out, const Change& change, const std::string& what) {
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

void addShowCommand(CLI::App& prefs, const GlobalOptions& options, std::function<int()>& run) {
  prefs.add_subcommand("show", "Show the link preferences as the program loads them")
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
}

// "prefs set NAME VALUE": `parse` checks the value (throwing CliError) and gives the change.
struct SetValue {
  const char* name;  // as the usage shows it
  std::string help;
};
void addSetCommand(CLI::App& set, const GlobalOptions& options, std::function<int()>& run,
                   const std::string& name, const std::string& help, const SetValue& value,
                   std::function<Change(const std::string&)> parse) {
  auto text = std::make_shared<std::string>();
  set.add_subcommand(name, help)
      ->callback([&options, &run, text, name, parse] {
        run = [&options, text, name, parse] {
          const Change change = parse(*text);
          return applyChange(Output(options.json), change, name);
        };
      })
      ->add_option(value.name, *text, value.help)
      ->required();
}

void addComCommand(CLI::App& set, const GlobalOptions& options, std::function<int()>& run) {
  auto number = std::make_shared<std::string>();
  auto path = std::make_shared<std::string>();
  CLI::App* com = set.add_subcommand("com", "Name the serial device behind COM<N>");
  com->add_option("N", *number, "1 to 4")->required();
  com->add_option("PATH", *path,
                  "the serial device, for example /dev/ttyUSB0, or rfc2217://HOST:PORT or "
                  "socket://HOST:PORT")
      ->required();
  com->callback([&options, &run, number, path] {
    run = [&options, number, path] {
      const std::string name = comValueName(parseComNumber(*number));
      const std::string device = checkDevicePath(*path);
      return applyChange(
          Output(options.json),
          [&](PreferenceStore& s, LinkPreferences&) { return s.writeString(name, device); }, name);
    };
  });
}

}  // namespace

void addPrefsCommands(CLI::App& app, const GlobalOptions& options, std::function<int()>& run) {
  CLI::App* prefs = app.add_subcommand("prefs", "Show or change the stored link preferences");
  prefs->require_subcommand(1);
  addShowCommand(*prefs, options, run);

  CLI::App* set = prefs->add_subcommand("set", "Change one stored link preference");
  set->require_subcommand(1);
  addSetCommand(*set, options, run, "protocol", "Choose the link: usb or rs232",
                {"VALUE", "usb or rs232"}, [](const std::string& text) -> Change {
                  const LinkProtocol protocol = parseProtocol(text);
                  return [protocol](PreferenceStore& s, LinkPreferences& p) {
                    return chooseProtocol(s, p, protocol);
                  };
                });
  addSetCommand(*set, options, run, "port", "Choose the COM port number (1-4)", {"VALUE", "1 to 4"},
                [](const std::string& text) -> Change {
                  const int port = parseComNumber(text);
                  return [port](PreferenceStore& s, LinkPreferences& p) {
                    return choosePort(s, p, port);
                  };
                });
  addSetCommand(*set, options, run, "baudrate", "Choose the RS232 rate",
                {"VALUE", offeredRatesText()}, [](const std::string& text) -> Change {
                  const std::int32_t rate = parseBaudrate(text);
                  return [rate](PreferenceStore& s, LinkPreferences& p) {
                    return chooseBaudrate(s, p, rate);
                  };
                });
  addComCommand(*set, options, run);
  // The images Upgrade Base Unit and Upgrade Handheld Unit open with (orbelle handheld sends
  // the handheld one at once), as their Browse stores them.
  addSetCommand(*set, options, run, "base", "Choose the base unit's image file",
                {"FILE", "an existing file; stored with its full path"},
                [](const std::string& text) -> Change {
                  return [path = checkImagePath(text)](PreferenceStore& s, LinkPreferences& p) {
                    return chooseBaseImagePath(s, p, path);
                  };
                });
  addSetCommand(*set, options, run, "handheld", "Choose the handheld unit's image file",
                {"FILE", "an existing file; stored with its full path"},
                [](const std::string& text) -> Change {
                  return [path = checkImagePath(text)](PreferenceStore& s, LinkPreferences& p) {
                    return chooseHandheldImagePath(s, p, path);
                  };
                });
}

}  // namespace orbelle::cli
