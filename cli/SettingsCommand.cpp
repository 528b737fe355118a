#include "SettingsCommand.h"

#include <cctype>
#include <memory>
#include <optional>
#include <sstream>

#include <CLI/CLI.hpp>

#include "CliError.h"
#include "CliLink.h"
#include "DecimalNumbers.h"
#include "GlobalOptions.h"
#include "Output.h"
#include "PrefsView.h"
#include "SettingsSession.h"
#include "prefs/ComPortMap.h"
#include "prefs/RegistryStore.h"
#include "protocol/LineSettings.h"
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

std::string withLineFeeds(std::string text) {
  std::string out;
  for (char c : text) {
    if (c != '\r') {
      out += c;
    }
  }
  return out;
}

// The record as printed. The version texts are those the window's fields show (an unset
// unit's versions included); `nationNote` follows the nation in the text.
nlohmann::json settingsResult(const BaseSettings& settings, const SetBaseUnitModel& model) {
  nlohmann::json json = settingsToJson(settings);
  json["bootloader_version"] = model.bootloaderText();
  json["application_version"] = model.applicationText();
  json["summary"] = buildSettingsSummary(normalised(settings));
  return json;
}

std::string settingsText(const nlohmann::json& j, const std::string& nationNote = "") {
  const auto orNone = [](const nlohmann::json& v) {
    return v.is_null() ? std::string("(none)") : (v.is_string() ? v.get<std::string>() : v.dump());
  };
  std::ostringstream text;
  std::string ids;
  for (const auto& id : j["ids"]) {
    ids += (ids.empty() ? "" : ",") + id.dump();
  }
  std::string nation = j["nation"].get<std::string>();
  nation[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(nation[0])));
  text << "nation               " << nation << nationNote << "\n"
       << "frequency hopping    " << (j["hopping"].get<bool>() ? "on" : "off") << "\n"
       << "channel              " << j["channel"].dump() << "\n"
       << "power                " << j["power_dbm"].dump() << " dBm\n"
       << "handheld IDs         " << (ids.empty() ? "(none)" : ids) << "\n"
       << "RS232 baud rate      " << orNone(j["rs232"]["baud"]) << "\n"
       << "RS232 data bits      " << orNone(j["rs232"]["data_bits"]) << "\n"
       << "RS232 stop bits      " << orNone(j["rs232"]["stop_bits"]) << "\n"
       << "RS232 parity         " << orNone(j["rs232"]["parity"]) << "\n"
       << "RS232 flow control   " << orNone(j["rs232"]["flow"]) << "\n"
       << "numeric key          " << orNone(j["numeric_key"]) << "\n"
       << "bootloader version   " << j["bootloader_version"].get<std::string>() << "\n"
       << "application version  " << j["application_version"].get<std::string>() << "\n\n"
       << withLineFeeds(j["summary"].get<std::string>()) << "\n";
  return text.str();
}

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

std::string whyAdjusted(SettingsField field) {
  switch (field) {
    case SettingsField::Power:
      return "not a power the settings window offers";
    case SettingsField::Channel:
      return "outside the range with hopping";
    default:
      return "a code the settings window has no button for";
  }
}

std::string valueText(SettingsField field, int value) {
  const nlohmann::json json = settingsFieldValue(field, value);
  if (json.is_null()) {
    return "code " + std::to_string(value);
  }
  return json.is_string() ? json.get<std::string>() : json.dump();
}

// How an upload came about, for its report.
struct UploadStart {
  bool fromDefaults = false;  // the unit was never set: the default settings were the start
  // The nation the unit reported before the upload; uploads never change it.
  std::optional<std::uint8_t> nationBefore;
};

// Uploads what the window now shows; `adjusted` names what its rules changed on their own.
int uploadAndReport(CliLink& link, SettingsSession& session,
                    const std::vector<FieldAdjustment>& adjusted, bool channelAsked,
                    const UploadStart& start) {
  const Output out(link.options().json);
  if (start.fromDefaults) {
    out.note("The base unit has never been set: starting from the default settings.");
  }
  nlohmann::json adjustedJson = nlohmann::json::array();
  for (const FieldAdjustment& a : adjusted) {
    adjustedJson.push_back({{"field", settingsFieldKey(a.field)},
                            {"from", settingsFieldValue(a.field, a.from)},
                            {"to", settingsFieldValue(a.field, a.to)}});
    out.note(std::string("Also changed ") + settingsFieldKey(a.field) + " from " +
             valueText(a.field, a.from) + " to " + valueText(a.field, a.to) + " (" +
             whyAdjusted(a.field) + ").");
  }
  // A channel named after hopping went on replaces the one the window put in its place.
  if (session.channelReset() && !channelAsked) {
    out.note(withLineFeeds(settingsMessageText(SettingsMessage::ChannelReset)));
  }
  BaseSettings echoed = session.upload();
  // The upload carries no nation, so an echo may name none (or any): show the one read.
  std::string nationNote;
  if (start.nationBefore) {
    echoed.nation = *start.nationBefore;
    nationNote = " (not changed: vkr uploads no nation)";
  }
  out.note(settingsMessageText(SettingsMessage::UploadConfirmed));
  nlohmann::json result = settingsResult(echoed, session.model());
  result["started_from_defaults"] = start.fromDefaults;
  result["also_changed"] = adjustedJson;
  out.result(result, settingsText(result, nationNote));
  return kOk;
}

int readCommand(const GlobalOptions& options) {
  CliLink link(options, FeatureWindow::SetBaseUnit);
  link.open();
  SettingsSession session(link);
  const BaseSettings& current = session.readCurrent();
  const nlohmann::json result = settingsResult(current, session.model());
  Output(options.json).result(result, settingsText(result));
  return kOk;
}

// Reads the unit's settings as the start of an upload. A unit that was never set starts
// from the defaults: the operator clicks Return Default Settings.
BaseSettings readStart(SettingsSession& session, UploadStart& start) {
  SetBaseUnitModel& model = session.model();
  if (session.read() == SettingsSession::ReadOutcome::Unset) {
    start.fromDefaults = true;
    model.clickReturnDefaultSettings();
    return model.uploadValues();
  }
  // As reported, before the window's normalisation, so that what that changes is seen.
  start.nationBefore = model.reported().nation;
  return model.reported();
}

int setCommand(const GlobalOptions& options, const SetArguments& arguments) {
  if (isEmpty(arguments)) {
    throw CliError(kBadUsage, "say what to change, for example --channel 3 (see --help)");
  }
  const SettingsChange change = changeFrom(arguments);
  CliLink link(options, FeatureWindow::SetBaseUnit);
  link.open();
  SettingsSession session(link);
  UploadStart start;
  const BaseSettings before = readStart(session, start);
  try {
    session.model().applyChange(change);
  } catch (const std::invalid_argument& error) {
    throw CliError(kBadUsage, error.what());
  }
  const auto adjusted = unaskedAdjustments(before, session.model().uploadValues(), change);
  return uploadAndReport(link, session, adjusted, change.channel.has_value(), start);
}

int defaultsCommand(const GlobalOptions& options) {
  CliLink link(options, FeatureWindow::SetBaseUnit);
  link.open();
  SettingsSession session(link);
  UploadStart start;
  readStart(session, start);
  start.fromDefaults = false;  // the defaults are what was asked for
  session.model().clickReturnDefaultSettings();
  return uploadAndReport(link, session, {}, false, start);
}

int devicesCommand(const GlobalOptions& options) {
  nlohmann::json usb = nlohmann::json::array();
  std::string text = "USB base units (0471:0003):\n";
  const auto units = listBaseUnits();
  for (const HidCandidate& unit : units) {
    const bool usable = unit.index < kHidSearchLimit;
    usb.push_back({{"path", unit.path},
                   {"index", unit.index},
                   {"product", unit.product},
                   {"serial", unit.serial},
                   {"searched", usable}});
    text += "  " + unit.path + "  " + unit.product +
            (usable ? "" : "  (beyond the first 32 HID interfaces: not used)") + "\n";
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
    com[comValueName(n)] = {
        {"device", device.path}, {"source", describeSource(device.source)}, {"present", present}};
    addIgnoredNote(com[comValueName(n)], device, n, *store);
    text += "  " + comValueName(n) + "  " + shownDevicePath(device) + " (" +
            describeSource(device.source) + (present ? "" : ", not present") +
            ignoredNote(device, n, *store) + ")\n";
  }
  Output(options.json).result({{"usb", usb}, {"com", com}}, text);
  return kOk;
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
  set->add_option("--power", arguments->power, "RF output power in dBm: " + powerLevelsText())
      ->transform(decimalInteger(true));
  set->add_option("--channel", arguments->channel,
                  "Radio channel, within the range of nation and hopping")
      ->transform(decimalInteger());
  set->add_option("--ids", arguments->ids, "Registered handheld IDs, e.g. 1,3,16, or none");
  set->add_option("--hopping", arguments->hopping, "Frequency hopping: on or off");
  set->add_option("--rs232-baud", arguments->rs232Baud,
                  "The base unit's own RS232 rate: 4800 to 115200")
      ->transform(decimalInteger());
  set->add_option("--data-bits", arguments->dataBits, "7 or 8")->transform(decimalInteger());
  set->add_option("--stop-bits", arguments->stopBits, "1 or 2")->transform(decimalInteger());
  set->add_option("--parity", arguments->parity, "none, odd or even");
  set->add_option("--flow", arguments->flow, "none, rts-low or rts-high");
  set->add_option("--numeric-key", arguments->numericKey, "alphabetic or alt-keypad");
  set->callback([&options, &run, arguments] {
    run = [&options, arguments] { return setCommand(options, *arguments); };
  });

  settings->add_subcommand("defaults", "Upload the default settings")->callback([&options, &run] {
    run = [&options] { return defaultsCommand(options); };
  });
}

void addDevicesCommand(CLI::App& app, const GlobalOptions& options, std::function<int()>& run) {
  app.add_subcommand("devices", "List the base units found over USB and the COM port mapping")
      ->callback([&options, &run] { run = [&options] { return devicesCommand(options); }; });
}

}  // namespace orbelle::cli
