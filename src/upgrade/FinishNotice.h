#pragma once

#include <chrono>
#include <optional>
#include <string_view>

namespace orbelle {

// When the end of a transfer is worth a desktop notification (or, in vkr, the terminal bell):
// the operator has likely walked away from a long one, and the window cannot be seen.

// The threshold when nothing (or nonsense) is configured.
inline constexpr std::chrono::seconds kDefaultNotifyAfter{60};

// Whole seconds, 0 or more, nothing else; anything else is no value.
std::optional<std::chrono::seconds> parseNotifyAfter(std::string_view text);

// ORBELLE_NOTIFY_AFTER from the environment, or the default when unset or not a valid value.
std::chrono::seconds notifyAfterFromEnvironment();

// True when a transfer that took `took` ended while its window was not the active one and
// took longer than `threshold`. vkr, with no window, passes windowActive = false.
bool shouldNotifyFinish(std::chrono::steady_clock::duration took, bool windowActive,
                        std::chrono::seconds threshold);

}  // namespace orbelle
