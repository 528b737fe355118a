#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "prefs/LinkPreferences.h"

namespace orbelle::cli {

// Where the preference store lives, for messages.
std::string preferenceStoreLocation();

nlohmann::json prefsToJson(const LinkPreferences& prefs, PreferenceStore& store);
std::string prefsToText(const LinkPreferences& prefs, PreferenceStore& store);

// Tells on standard error what was wrong with the store, one line each.
void warnAboutStore(const PreferenceStore& store);
nlohmann::json storeWarningsToJson(const PreferenceStore& store);

}  // namespace orbelle::cli
