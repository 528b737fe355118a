#pragma once

#include <string>

#include "settings/BaseSettings.h"

namespace orbelle {

// The plain-language description of a (normalised) record, CR LF line breaks.
std::string buildSettingsSummary(const BaseSettings& settings);

}  // namespace orbelle
