// Feeds arbitrary bytes to the preference file parser, as they are and, when they are plain
// ASCII, as the UTF-16LE export a registry editor makes of the same text. Whatever it
// accepts must be written back byte for byte while unchanged, and after a change of one of
// our values and the addition of another must read back with exactly that difference.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "prefs/RegFileFormat.h"

namespace {

bool sameValues(const orbelle::RegFile& a, const orbelle::RegFile& b) {
  if (a.keyPresent() != b.keyPresent() || a.values().size() != b.values().size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.values().size(); ++i) {
    if (a.values()[i].type != b.values()[i].type || a.values()[i].bytes != b.values()[i].bytes) {
      return false;
    }
  }
  return true;
}

// Returns the parsed file, or stops the run when a rule above does not hold.
std::optional<orbelle::RegFile> check(std::string_view bytes) {
  auto parsed = orbelle::parseRegFile(bytes);
  if (!parsed) {
    return std::nullopt;
  }
  if (orbelle::serialiseRegFile(*parsed) != bytes) {
    std::abort();
  }
  orbelle::RegFile expected = *parsed;
  const std::string oldName = expected.values().empty() ? "base" : expected.values()[0].name;
  expected.setValue({oldName, 1, {0xC3, 0xA9, '"', '\\', 0}});
  expected.setValue({"fuzz-new", 4, {1, 2, 3, 4}});
  const auto again = orbelle::parseRegFile(orbelle::serialiseRegFile(expected));
  if (!again || !sameValues(*again, expected) || again->encoding() != parsed->encoding()) {
    std::abort();
  }
  return parsed;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto narrow = check(text);
  std::string wide = "\xFF\xFE";
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) {
      return 0;
    }
    wide += {c, '\0'};
  }
  const auto widened = check(wide);
  if (narrow.has_value() != widened.has_value() || (narrow && !sameValues(*narrow, *widened))) {
    std::abort();
  }
  return 0;
}
