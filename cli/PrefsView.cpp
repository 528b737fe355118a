#include "PrefsView.h"

#include <iostream>

#include "HumanText.h"
#include "prefs/RegFileStore.h"
#include "protocol/LineSettings.h"

namespace orbelle::cli {

std::string preferenceStoreLocation() {
#ifdef _WIN32
  return "HKEY_CURRENT_USER\\Software\\VKR\\VKR";
#else
  return RegFileStore::defaultPath().string();
#endif
}

namespace {

// The stored entry passed over for `device`, when the default stands in for it.
std::optional<UnusableComEntry> passedOver(const ComDevice& device, std::int32_t comNumber,
                                           PreferenceStore& store) {
  if (device.source != ComDeviceSource::PlatformDefault) {
    return std::nullopt;  // what is stored would not be used anyway
  }
  return unusableStoredComDevice(comNumber, store);
}

}  // namespace

std::string ignoredNote(const ComDevice& device, std::int32_t comNumber, PreferenceStore& store) {
  if (device.fault) {
    return std::string("; refused: ") + describeComPathFault(*device.fault);
  }
  const auto unusable = passedOver(device, comNumber, store);
  // Its text is not shown: it may hold control characters.
  return unusable ? std::string("; the stored device was passed over: ") +
                        describeComPathFault(unusable->fault)
                  : std::string();
}

std::string shownDevicePath(const ComDevice& device) {
  return device.fault == ComPathFault::ControlCharacter ? std::string("(not shown)") : device.path;
}

void addIgnoredNote(nlohmann::json& entry, const ComDevice& device, std::int32_t comNumber,
                    PreferenceStore& store) {
  if (device.fault) {
    entry["refused"] = describeComPathFault(*device.fault);
  }
  if (const auto unusable = passedOver(device, comNumber, store)) {
    entry["ignored_stored"] = {{"device", unusable->text},
                               {"why", describeComPathFault(unusable->fault)}};
  }
}

nlohmann::json prefsToJson(const LinkPreferences& prefs, PreferenceStore& store) {
  nlohmann::json com = nlohmann::json::object();
  for (int n = 1; n <= kComPortCount; ++n) {
    const ComDevice device = resolveComDevice(n, &store);
    com[comValueName(n)] = {{"device", device.path}, {"source", describeSource(device.source)}};
    addIgnoredNote(com[comValueName(n)], device, n, store);
  }
  return {{"protocol", linkProtocolName(prefs.protocol)},
          {"port", prefs.port},
          {"baudrate", prefs.baudrate},
          {"base", prefs.baseImagePath},
          {"handheld", prefs.handheldImagePath},
          {"com", com},
          {"store", preferenceStoreLocation()},
          {"warnings", storeWarningsToJson(store)}};
}

std::string prefsToText(const LinkPreferences& prefs, PreferenceStore& store) {
  const auto orNone = [](const std::string& path) { return path.empty() ? "(none)" : path; };
  std::string text;
  text += "protocol  " +
          (prefs.protocol == LinkProtocol::None ? std::string("none (not recognised; set it)")
                                                : std::string(linkProtocolName(prefs.protocol))) +
          "\n";
  text += "port      COM" + std::to_string(prefs.port) + "\n";
  text += "baudrate  " + std::to_string(prefs.baudrate) + "\n";
  text += "base      " + orNone(prefs.baseImagePath) + "\n";
  text += "handheld  " + orNone(prefs.handheldImagePath) + "\n";
  for (int n = 1; n <= kComPortCount; ++n) {
    const ComDevice device = resolveComDevice(n, &store);
    text += comValueName(n) + "      " + shownDevicePath(device) + " (" +
            describeSource(device.source) + ignoredNote(device, n, store) + ")\n";
  }
  text += "store     " + preferenceStoreLocation() + "\n";
  return text;
}

void warnAboutStore(const PreferenceStore& store) {
  for (const StoreProblem& problem : store.problems()) {
    std::cerr << "vkr: " << humanText("warning: " + problem.message) << '\n';
  }
  std::cerr << std::flush;
}

nlohmann::json storeWarningsToJson(const PreferenceStore& store) {
  nlohmann::json warnings = nlohmann::json::array();
  for (const StoreProblem& problem : store.problems()) {
    warnings.push_back(problem.message);
  }
  return warnings;
}

}  // namespace orbelle::cli
