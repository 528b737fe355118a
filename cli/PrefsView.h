#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "prefs/ComPortMap.h"
#include "prefs/LinkPreferences.h"

namespace orbelle::cli {

// Where the preference store lives, for messages.
std::string preferenceStoreLocation();

// Why the stored COM<n> device was passed over for `device`, the default, or why `device`
// from the environment is refused, to follow its line; empty when neither.
std::string ignoredNote(const ComDevice& device, std::int32_t comNumber, PreferenceStore& store);
// The same as JSON members of its COM entry ("ignored_stored", "refused").
void addIgnoredNote(nlohmann::json& entry, const ComDevice& device, std::int32_t comNumber,
                    PreferenceStore& store);
// The device as a line of text shows it: not a text with control characters.
std::string shownDevicePath(const ComDevice& device);

nlohmann::json prefsToJson(const LinkPreferences& prefs, PreferenceStore& store);
std::string prefsToText(const LinkPreferences& prefs, PreferenceStore& store);

// Tells on standard error what was wrong with the store, one line each.
void warnAboutStore(const PreferenceStore& store);
nlohmann::json storeWarningsToJson(const PreferenceStore& store);

}  // namespace orbelle::cli
