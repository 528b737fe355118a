#pragma once

#include <memory>

#include "prefs/PreferenceStore.h"

namespace orbelle {

// The store of this platform for the current user: the registry key on Windows, the
// VKR.reg file elsewhere.
std::unique_ptr<PreferenceStore> makeUserPreferenceStore();

}  // namespace orbelle
