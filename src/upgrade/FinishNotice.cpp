#include "upgrade/FinishNotice.h"

#include <charconv>
#include <cstdlib>

namespace orbelle {

std::optional<std::chrono::seconds> parseNotifyAfter(std::string_view text) {
  long long seconds = 0;
  const char* end = text.data() + text.size();
  const auto [at, error] = std::from_chars(text.data(), end, seconds);
  if (text.empty() || error != std::errc{} || at != end || seconds < 0) {
    return std::nullopt;
  }
  return std::chrono::seconds(seconds);
}

std::chrono::seconds notifyAfterFromEnvironment() {
  const char* text = std::getenv("ORBELLE_NOTIFY_AFTER");
  return text == nullptr ? kDefaultNotifyAfter
                         : parseNotifyAfter(text).value_or(kDefaultNotifyAfter);
}

bool shouldNotifyFinish(std::chrono::steady_clock::duration took, bool windowActive,
                        std::chrono::seconds threshold) {
  return !windowActive && took > threshold;
}

}  // namespace orbelle
