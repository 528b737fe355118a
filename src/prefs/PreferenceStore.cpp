#include "prefs/PreferenceStore.h"

#include <algorithm>
#include <array>

#include "protocol/ByteOrder.h"

namespace orbelle {

void PreferenceStore::report(StoreProblemKind kind, std::string message) {
  const bool known = std::any_of(problems_.begin(), problems_.end(), [&](const StoreProblem& p) {
    return p.kind == kind && p.message == message;
  });
  if (!known) {
    problems_.push_back({kind, std::move(message)});
  }
}

std::optional<std::string> readStringValue(PreferenceStore& store, std::string_view name) {
  const ReadResult result = store.query(name, PreferenceStore::kStringReadLimit);
  if (result.status != ReadStatus::Ok) {
    return std::nullopt;
  }
  const auto end = std::find(result.bytes.begin(), result.bytes.end(), std::uint8_t{0});
  return std::string(result.bytes.begin(), end);
}

std::optional<std::uint32_t> readNumberValue(PreferenceStore& store, std::string_view name) {
  const ReadResult result = store.query(name, PreferenceStore::kNumberReadLimit);
  if (result.status != ReadStatus::Ok) {
    return std::nullopt;
  }
  // Fewer than four bytes read as the number's low bytes.
  std::array<std::uint8_t, 4> padded{};
  std::copy_n(result.bytes.begin(), std::min(result.bytes.size(), padded.size()), padded.begin());
  return readLe32(padded, 0);
}

}  // namespace orbelle
