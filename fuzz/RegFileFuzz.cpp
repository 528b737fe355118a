// Feeds arbitrary text to the preference file parser. Whatever it accepts must survive a
// write and a second read unchanged.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "prefs/RegFileFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto parsed = orbelle::parseRegFile(text);
  if (!parsed) {
    return 0;
  }
  const auto again = orbelle::parseRegFile(orbelle::serialiseRegFile(*parsed));
  if (!again || again->keyPresent != parsed->keyPresent ||
      again->values.size() != parsed->values.size()) {
    std::abort();
  }
  for (std::size_t i = 0; i < parsed->values.size(); ++i) {
    if (again->values[i].type != parsed->values[i].type ||
        again->values[i].bytes != parsed->values[i].bytes) {
      std::abort();
    }
  }
  return 0;
}
