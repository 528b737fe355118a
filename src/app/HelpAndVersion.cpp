#include "app/HelpAndVersion.h"

#include <algorithm>

#include "version/ProgramVersion.h"

namespace orbelle {

namespace {

constexpr const char* kUsage =
    "Usage: orbelle [--plain] [handheld]\n"
    "Choose the link to a cordless barcode base unit, read and change its settings, and\n"
    "upgrade its firmware or that of a handheld unit.\n"
    "\n"
    "  handheld    run Upgrade Handheld Unit before the main window shows\n"
    "  --plain     the platform's own buttons and colours instead of the program's look\n"
    "  --help      print this help and exit\n"
    "  --version   print the version and exit\n"
    "\n"
    "Environment:\n"
    "  ORBELLE_LOOK          plain or skin: the look when --plain is not given (skin)\n"
    "  ORBELLE_NOTIFY_AFTER  seconds: a transfer that took longer is announced by a desktop\n"
    "                        notification when it ends with the window in the background (60)\n"
    "  VKR_COM1..4           the device a COM port stands for, ahead of the stored choice\n"
    "  XDG_CONFIG_HOME       the preferences are in $XDG_CONFIG_HOME/VKR/VKR.reg\n"
    "                        (else $HOME/.config/VKR/VKR.reg)\n"
    "  XDG_STATE_HOME        each upgrade is recorded in $XDG_STATE_HOME/orbelle/upgrades.jsonl\n"
    "                        (else $HOME/.local/state/orbelle/upgrades.jsonl)\n"
    "  LANGUAGE, LC_ALL, LC_MESSAGES, LANG\n"
    "                        the language of the windows (English for C or POSIX)\n"
    "  DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM\n"
    "                        where the windows open\n"
    "  DBUS_SESSION_BUS_ADDRESS, DBUS_SYSTEM_BUS_ADDRESS, XDG_RUNTIME_DIR\n"
    "                        the buses of the desktop services: keeping the computer awake,\n"
    "                        notifications, progress on the task bar\n"
    "  TMPDIR                where the lock that keeps one program per unit is (/tmp)\n";

}  // namespace

std::optional<std::string> helpOrVersionText(const std::vector<std::string>& arguments) {
  const auto given = [&arguments](const char* option) {
    return std::find(arguments.begin(), arguments.end(), option) != arguments.end();
  };
  if (given("--help") || given("-h")) {
    return kUsage;
  }
  if (given("--version")) {
    return std::string("orbelle ") + programVersion() + "\n";
  }
  return std::nullopt;
}

std::optional<std::string> argumentRefusal(const std::vector<std::string>& arguments) {
  bool handheld = false;
  for (const std::string& argument : arguments) {
    if (argument == "--plain") {
      continue;
    }
    if (argument == "handheld" && !handheld) {
      handheld = true;
      continue;
    }
    return "orbelle: " +
           std::string(argument == "handheld" ? "\"handheld\" given twice"
                                              : "unknown argument \"" + argument + "\"") +
           "\n" + kUsage;
  }
  return std::nullopt;
}

}  // namespace orbelle
