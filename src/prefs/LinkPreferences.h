#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "prefs/PreferenceStore.h"
#include "protocol/LineSettings.h"
#include "protocol/LinkChoice.h"

namespace orbelle {

// The operator's link choice and last image paths, as they survive a restart. The program's
// one in-memory copy of the choice: its channel reads the choice here.
struct LinkPreferences : LinkChoice {
  std::string baseImagePath;
  std::string handheldImagePath;
};

inline constexpr std::int32_t kDefaultPort = 1;
inline constexpr std::int32_t kDefaultBaudrate = 9600;

// Opens (or creates and fills) the store, reads, validates and repairs the values. Never
// fails as a whole: without a usable store the defaults are used and nothing is stored.
LinkPreferences loadLinkPreferences(PreferenceStore& store);

// Run-time writers, the one place a choice is applied: each changes the in-memory value, in
// effect at once, and the store together. The store write's result is given back for callers
// that report it; the program itself does not.
bool chooseProtocol(PreferenceStore& store, LinkPreferences& prefs, LinkProtocol protocol);
bool choosePort(PreferenceStore& store, LinkPreferences& prefs, std::int32_t port);
bool chooseBaudrate(PreferenceStore& store, LinkPreferences& prefs, std::int32_t baudrate);
bool chooseBaseImagePath(PreferenceStore& store, LinkPreferences& prefs, std::string_view path);
bool chooseHandheldImagePath(PreferenceStore& store, LinkPreferences& prefs, std::string_view path);

// Longest text a string value can hold and still be read back whole.
inline constexpr std::size_t kLongestStoredText = PreferenceStore::kStringReadLimit - 1;

}  // namespace orbelle
