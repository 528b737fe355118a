#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include "BaseUnitModel.h"
#include "EventLoop.h"
#include "HidSocketFront.h"
#include "SerialFront.h"
#include "SimHost.h"
#include "settings/SettingsJson.h"
#include "version/ProgramVersion.h"

namespace {

using namespace orbelle;
using namespace orbelle::sim;

struct Options {
  std::string hidSocket;
  std::string serialNumber = kDefaultSerialNumber;
  std::optional<int> baudRate;
  bool portPaced = false;
  bool checkLine = false;
  int lineRate = 9600;
  int replyDelayMs = 0;
  std::optional<int> usbIntervalMs;
  std::string settingsFile;
  bool unset = false;
  std::string appVersionAfter;
  std::string imageDir;
  std::vector<std::string> faults;
  bool trace = false;
};

// The hidapi stand-in that reaches the HID socket: beside this program in the build tree, else
// where it is installed.
std::string standInPath() {
  std::error_code error;
  const std::filesystem::path beside =
      std::filesystem::read_symlink("/proc/self/exe", error).parent_path() / "libvkr-hidsim.so";
  if (!error && std::filesystem::exists(beside, error)) {
    return beside.string();
  }
  return VKR_HIDSIM_INSTALLED;
}

void addOptions(CLI::App& app, Options& o) {
  auto* hid = app.add_option("--hid-socket", o.hidSocket,
                             "Serve as a USB HID base unit on this Unix socket (SOCK_SEQPACKET) "
                             "for the hidapi stand-in " +
                                 standInPath() +
                                 " (LD_PRELOAD it into the program that is to see the unit, "
                                 "with VKR_HIDSIM_SOCKET=PATH), instead of a pseudo-terminal")
                  ->type_name("PATH");
  app.add_option("--serial-number", o.serialNumber,
                 "HID only: the unit's serial number, as hidapi lists it (default SIM0001)")
      ->type_name("TEXT")
      ->needs(hid);
  app.add_option_function<std::string>(
         "--baud-emulation",
         [&o](const std::string& value) {
           o.portPaced = value == "port";
           if (!o.portPaced) {
             o.baudRate = std::stoi(value);
           }
         },
         "Serial only: a frame arrives, and a reply leaves, at the pace of this rate (10 bits "
         "a byte); 'port': at the rate the pseudo-terminal is set to, which follows its peer's "
         "settings")
      ->type_name("RATE|port")
      ->check(CLI::IsMember({"port"}) | CLI::PositiveNumber)
      ->excludes(hid);
  auto* checkLine =
      app.add_flag("--check-line", o.checkLine,
                   "Serial only: frames that come while the pseudo-terminal is not set to the "
                   "rate the unit listens at are noise and go unanswered: the link rate "
                   "(--line-rate) for settings frames, 9600 for a start frame, and the rate "
                   "the start frame announced for the blocks")
          ->excludes(hid);
  app.add_option("--line-rate", o.lineRate,
                 "With --check-line: the rate of the unit's RS232 link (default 9600)")
      ->type_name("RATE")
      ->check(CLI::IsMember({1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200}))
      ->needs(checkLine);
  app.add_option("--reply-delay", o.replyDelayMs,
                 "Serial only: each reply leaves this many milliseconds late, as behind a "
                 "USB-serial adapter's latency timer")
      ->type_name("MS")
      ->check(CLI::Range(0, 1000))
      ->excludes(hid);
  app.add_option("--usb-interval", o.usbIntervalMs,
                 "HID only: take each feature report, and send each input report, at the next "
                 "boundary of this many milliseconds, one input report a boundary (1: a "
                 "full-speed interrupt endpoint)")
      ->type_name("MS")
      ->check(CLI::Range(1, 1000))
      ->needs(hid);
  app.add_option("--settings", o.settingsFile,
                 "JSON file with the unit's settings and versions (the form that 'vkr' "
                 "prints); missing fields keep the defaults")
      ->type_name("JSON-FILE")
      ->check(CLI::ExistingFile);
  app.add_flag("--unset", o.unset,
               "The unit has never been set: it reports no settings, only its versions");
  app.add_option("--app-version-after", o.appVersionAfter,
                 "Report this application version once a base upgrade has come in whole "
                 "(1.0.3, or 1.0.3b)")
      ->type_name("X.Y.Z")
      ->check(
          [](const std::string& value) {
            try {
              parseVersionText(value);
              return std::string();
            } catch (const std::invalid_argument& error) {
              return std::string(error.what());
            }
          },
          "VERSION");
  app.add_option("--save-images", o.imageDir,
                 "Write each received image whole to DIR as base-N.dat or handheld-N.dat")
      ->type_name("DIR");
  app.add_option("--fault", o.faults, "Misbehave (repeatable): " + faultNamesHelp())
      ->type_name("VALUE")
      ->check(
          [](const std::string& value) {
            try {
              parseFaults({value});
              return std::string();
            } catch (const std::invalid_argument& error) {
              return std::string(error.what());
            }
          },
          "FAULT")
      ->expected(1)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  app.add_flag("--trace", o.trace, "Print every frame in and out on standard error");
  app.footer(
      "The first line on standard output is 'serial: DEVICE' or 'hid: PATH'. Later lines: "
      "'image: NAME SIZE bytes [saved to PATH]' and 'vanished'. The simulator runs until "
      "SIGTERM or SIGINT, or until its standard input (a pipe or terminal) ends.");
}

BaseSettings initialSettings(const std::string& file) {
  if (file.empty()) {
    return defaultSimSettings();
  }
  std::ifstream in(file);
  try {
    return settingsFromJson(nlohmann::json::parse(in), defaultSimSettings());
  } catch (const std::exception& error) {
    throw std::runtime_error(file + ": " + error.what());
  }
}

std::unique_ptr<Front> openFront(const Options& o, SimHost& host) {
  if (!o.hidSocket.empty()) {
    std::optional<Clock::duration> interval;
    if (o.usbIntervalMs) {
      interval = std::chrono::milliseconds(*o.usbIntervalMs);
    }
    auto front = std::make_unique<HidSocketFront>(host, o.hidSocket, interval, o.serialNumber);
    std::cout << "hid: " << front->path() << std::endl;
    return front;
  }
  SerialLine line{.portPaced = o.portPaced, .lineCheck = std::nullopt};
  if (o.checkLine) {
    line.lineCheck.emplace(o.lineRate);
  }
  auto front = std::make_unique<SerialFront>(
      host, o.baudRate, std::chrono::milliseconds(o.replyDelayMs), std::move(line));
  std::cout << "serial: " << front->devicePath() << std::endl;
  return front;
}

int run(const Options& o) {
  HostOptions hostOptions;
  hostOptions.trace = o.trace;
  if (!o.imageDir.empty()) {
    std::filesystem::create_directories(o.imageDir);
    hostOptions.imageDir = o.imageDir;
  }
  BaseUnitModel model(initialSettings(o.settingsFile), o.unset, parseFaults(o.faults));
  if (!o.appVersionAfter.empty()) {
    model.setApplicationVersionAfterUpgrade(parseVersionText(o.appVersionAfter));
  }
  SimHost host(model, hostOptions, std::cout, std::cerr);
  const int stopFd = installStopSignals();
  const std::unique_ptr<Front> front = openFront(o, host);
  runUntilStopped(*front, stopFd, standardInputIsWatchable());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{
      "vkr-sim - a simulated cordless barcode base unit on a pseudo-terminal or a "
      "HID socket"};
  app.set_version_flag("--version", std::string("vkr-sim ") + programVersion());
  Options options;
  addOptions(app, options);
  CLI11_PARSE(app, argc, argv);
  try {
    return run(options);
  } catch (const std::exception& error) {
    std::cerr << "vkr-sim: " << error.what() << std::endl;
    return 1;
  }
}
