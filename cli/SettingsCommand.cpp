#include "SettingsCommand.h"

#include <functional>
#include <iomanip>
#include <memory>
#include <optional>
#include <sstream>

#include <CLI/CLI.hpp>

#include "CliError.h"
#include "CliSession.h"
#include "DecimalNumbers.h"
#include "GlobalOptions.h"
#include "InterruptWatch.h"
#include "Output.h"
#include "PrefsView.h"
#include "SettingsFileCommand.h"
#include "SettingsJob.h"
#include "UnitJob.h"
#include "UnitsRun.h"
#include "link/DeviceLock.h"
#include "link/LinkMessages.h"
#include "prefs/ComPortMap.h"
#include "prefs/RegistryStore.h"
#include "prefs/RemotePort.h"
#include "protocol/LineSettings.h"
#include "session/SettingsExchange.h"
#include "settings/SettingsChange.h"
#include "settings/SettingsCodec.h"
#include "settings/SettingsJson.h"
#include "settings/SettingsMessages.h"
#include "settings/SettingsSummary.h"
#include "settings/SettingsTables.h"

namespace orbelle::cli {

namespace {

// What the operator asked to change, as typed.
struct SetArguments {
  std::optional<int> power;
  std::optional<int> channel;
  std::optional<std::string> ids;
  std::optional<std::string> hopping;
  std::optional<int> rs232Baud;
  std::optional<int> dataBits;
  std::optional<int> stopBits;
  std::optional<std::string> parity;
  std::optional<std::string> flow;
  std::optional<std::string> numericKey;
};

// "none" clears every ID; anything else must list IDs, with nothing empty between commas.
std::uint16_t parseIds(const std::string& text) {
  if (text == "none") {
    return 0;
  }
  const auto refuse = [&text] {
    return CliError(kBadUsage,
                    "--ids takes IDs from 1 to 16 separated by commas, or \"none\" "
                    "to clear them all, not \"" +
                        text + "\"");
  };
  std::uint16_t mask = 0;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    const std::string item = text.substr(start, comma - start);
    const auto id = parseDecimalInteger(item);
    if (!id || *id < 1 || *id > 16) {
      throw refuse();
    }
    mask |= static_cast<std::uint16_t>(1U << (*id - 1));
    if (comma == std::string::npos) {
      return mask;
    }
    start = comma + 1;
  }
}

// The code of `value` in one of the settings tables, or a refusal that lists the table.
template <typename T, std::size_t N>
std::uint8_t codeOf(const T& value, const std::array<T, N>& table, const char* option) {
  if (const auto code = codeIn(table, value)) {
    return *code;
  }
  std::ostringstream refusal;
  refusal << option << " takes ";
  for (std::size_t i = 0; i < N; ++i) {
    refusal << (i == 0 ? "" : ", ") << table[i];
  }
  refusal << ", not \"" << value << "\"";
  throw CliError(kBadUsage, refusal.str());
}

SettingsChange changeFrom(const SetArguments& a) {
  SettingsChange change;
  if (a.power) {
    change.powerPosition = powerIndex(*a.power);
    if (!change.powerPosition) {
      throw CliError(kBadUsage, "--power takes " + powerLevelsText(" or ") + " (dBm)");
    }
  }
  change.channel = a.channel;
  if (a.ids) {
    change.associatedIds = parseIds(*a.ids);
  }
  if (a.hopping) {
    constexpr std::array<std::string_view, 2> kOffOn{"off", "on"};
    change.hopping = codeOf(std::string_view(*a.hopping), kOffOn, "--hopping") == 2;
  }
  if (a.rs232Baud) {
    const auto code = baudCodeForRate(*a.rs232Baud);
    if (!code) {
      throw CliError(kBadUsage, "--rs232-baud takes 4800, 9600, 19200, 38400, 57600 or 115200");
    }
    change.baudCode = *code;
  }
  if (a.dataBits) {
    change.dataBitsCode = codeOf(*a.dataBits, kDataBitsByCode, "--data-bits");
  }
  if (a.stopBits) {
    change.stopBitsCode = codeOf(*a.stopBits, kStopBitsByCode, "--stop-bits");
  }
  if (a.parity) {
    change.parityCode = codeOf(std::string_view(*a.parity), kParityNames, "--parity");
  }
  if (a.flow) {
    change.flowControlCode = codeOf(std::string_view(*a.flow), kFlowNames, "--flow");
  }
  if (a.numericKey) {
    change.numericKeyMode =
        codeOf(std::string_view(*a.numericKey), kNumericKeyNames, "--numeric-key");
  }
  try {
    checkChange(change);
  } catch (const std::invalid_argument& error) {
    throw CliError(kBadUsage, error.what());
  }
  return change;
}

bool isEmpty(const SetArguments& a) {
  return !a.power && !a.channel && !a.ids && !a.hopping && !a.rs232Baud && !a.dataBits &&
         !a.stopBits && !a.parity && !a.flow && !a.numericKey;
}

int readCommand(const GlobalOptions& options) {
  return runOnUnits(options, [&options](const CliSession::Unit* unit) {
    return std::make_unique<SettingsJob>(
        options, unit, [](SettingsExchange& exchange) { exchange.read(); },
        [](const Output& out, const SettingsRecord& record) {
          out.result(settingsResult(record.settings, record),
                     settingsText(record.settings, record));
        });
  });
}

int setCommand(const GlobalOptions& options, const SetArguments& arguments) {
  if (isEmpty(arguments)) {
    throw CliError(kBadUsage, "say what to change, for example --channel 3 (see --help)");
  }
  const SettingsChange change = changeFrom(arguments);
  return runOnUnits(options, [&options, &change](const CliSession::Unit* unit) {
    return std::make_unique<SettingsJob>(
        options, unit, [&change](SettingsExchange& exchange) { exchange.change(change); },
        reportUpload, UploadNotes{.channelAsked = change.channel.has_value()});
  });
}

int defaultsCommand(const GlobalOptions& options) {
  return runOnUnits(options, [&options](const CliSession::Unit* unit) {
    return std::make_unique<SettingsJob>(
        options, unit, [](SettingsExchange& exchange) { exchange.restoreDefaults(); },
        reportUpload);
  });
}

int devicesCommand(const GlobalOptions& options) {
  nlohmann::json usb = nlohmann::json::array();
  std::string text = "USB base units (0471:0003):\n";
  const auto units = listBaseUnits();
  // The windows take the first searched unit that no other program holds.
  bool defaultFound = false;
  for (const HidCandidate& unit : units) {
    const bool usable = unit.index < kHidSearchLimit;
    const auto holder = DeviceLock::holderOf(unit.path);
    const bool isDefault = usable && !holder && !defaultFound;
    defaultFound = defaultFound || isDefault;
    const nlohmann::json inUseBy =
        holder && holder->pid ? nlohmann::json(*holder->pid) : nlohmann::json(nullptr);
    usb.push_back({{"path", unit.path},
                   {"index", unit.index},
                   {"product", unit.product},
                   {"serial", unit.serial},
                   {"searched", usable},
                   {"in_use_by", holder ? inUseBy : nlohmann::json(nullptr)},
                   {"in_use", holder.has_value()},
                   {"default", isDefault}});
    text += std::string(isDefault ? "* " : "  ") + unit.path + "  " +
            (unit.serial.empty() ? "(no serial number)" : unit.serial) + "  " + unit.product +
            (holder ? "  (" + inUseByText(holder->pid) + ")" : "") +
            (usable ? "" : "  (beyond the first 32 HID interfaces: not used)") + "\n";
  }
  if (defaultFound) {
    text += "  (* the unit orbelle and vkr take without --unit)\n";
  }
  if (units.empty()) {
    text += "  none found\n";
  }
  const auto store = makeUserPreferenceStore();
  loadLinkPreferences(*store);
  warnAboutStore(*store);
  nlohmann::json com = nlohmann::json::object();
  text += "Serial ports:\n";
  for (int n = 1; n <= kComPortCount; ++n) {
    const ComDevice device = resolveComDevice(n, store.get());
    // A refused name is never looked up: a bare one would be found in the current folder.
    const bool present = !device.fault && std::filesystem::exists(device.path);
    // A port on a network serial server is not looked for: only an opening tells.
    const bool remote = !device.fault && isRemotePortText(device.path);
    com[comValueName(n)] = {
        {"device", device.path},
        {"source", describeSource(device.source)},
        {"present", remote ? nlohmann::json(nullptr) : nlohmann::json(present)}};
    addIgnoredNote(com[comValueName(n)], device, n, *store);
    text += "  " + comValueName(n) + "  " + shownDevicePath(device) + " (" +
            describeSource(device.source) + (present || remote ? "" : ", not present") +
            ignoredNote(device, n, *store) + ")\n";
  }
  Output(options.json).result({{"usb", usb}, {"com", com}}, text);
  return kOk;
}

// "1-16 in Europe, 1-36 in China, 1-128 in Turkey; half with hopping", from the table.
std::string channelRangesText() {
  std::string text;
  for (std::size_t nation = 0; nation < kNationNames.size(); ++nation) {
    text += (nation == 0 ? "1-" : ", 1-") +
            std::to_string(channelCount(static_cast<std::uint8_t>(nation), false)) + " in " +
            std::string(kNationNames.at(nation));
  }
  return text + "; half that with hopping";
}

// The rates --rs232-baud takes: "4800, 9600, ... or 115200".
std::string baseRatesText() {
  std::string text;
  for (std::size_t i = 0; i < kBaseBaudRates.size(); ++i) {
    text += (i == 0                           ? ""
             : i + 1 == kBaseBaudRates.size() ? " or "
                                              : ", ") +
            std::to_string(kBaseBaudRates.at(i));
  }
  return text;
}

}  // namespace

void addSettingsCommands(CLI::App& app, const GlobalOptions& options, std::function<int()>& run) {
  CLI::App* settings = app.add_subcommand("settings", "Read or change the base unit's settings");
  settings->require_subcommand(1);

  settings->add_subcommand("read", "Read the base unit's current settings")
      ->callback([&options, &run] { run = [&options] { return readCommand(options); }; });

  auto arguments = std::make_shared<SetArguments>();
  CLI::App* set = settings->add_subcommand(
      "set", "Read the current settings, change what is given and upload them");
  // What is not given stays as the unit has it.
  const std::string unchanged = " (default: unchanged)";
  set->add_option("--power", arguments->power,
                  "RF output power in dBm: " + powerLevelsText() + unchanged)
      ->transform(decimalInteger(true));
  set->add_option("--channel", arguments->channel,
                  "Radio channel: " + channelRangesText() + unchanged)
      ->transform(decimalInteger());
  set->add_option("--ids", arguments->ids,
                  "Registered handheld IDs from 1 to 16, e.g. 1,3,16, or none" + unchanged);
  set->add_option("--hopping", arguments->hopping, "Frequency hopping: on or off" + unchanged);
  set->add_option("--rs232-baud", arguments->rs232Baud,
                  "The base unit's own RS232 rate: " + baseRatesText() + unchanged)
      ->transform(decimalInteger());
  set->add_option("--data-bits", arguments->dataBits, "7 or 8" + unchanged)
      ->transform(decimalInteger());
  set->add_option("--stop-bits", arguments->stopBits, "1 or 2" + unchanged)
      ->transform(decimalInteger());
  set->add_option("--parity", arguments->parity, "none, odd or even" + unchanged);
  set->add_option("--flow", arguments->flow, "none, rts-low or rts-high" + unchanged);
  set->add_option("--numeric-key", arguments->numericKey, "alphabetic or alt-keypad" + unchanged);
  set->callback([&options, &run, arguments] {
    run = [&options, arguments] { return setCommand(options, *arguments); };
  });

  settings->add_subcommand("defaults", "Upload the default settings")->callback([&options, &run] {
    run = [&options] { return defaultsCommand(options); };
  });
  addSettingsFileCommands(*settings, options, run);
}

void addDevicesCommand(CLI::App& app, const GlobalOptions& options, std::function<int()>& run) {
  app.add_subcommand("devices", "List the base units found over USB and the COM port mapping")
      ->callback([&options, &run] { run = [&options] { return devicesCommand(options); }; });
}

}  // namespace orbelle::cli
