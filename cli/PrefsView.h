#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "app/LinkPreferences.h"

namespace orbelle::cli {

// Where the preference store lives, for messages.
std::string preferenceStoreLocation();

nlohmann::json prefsToJson(const LinkPreferences& prefs, PreferenceStore& store);
std::string prefsToText(const LinkPreferences& prefs, PreferenceStore& store);

std::string protocolName(LinkProtocol protocol);

}  // namespace orbelle::cli
