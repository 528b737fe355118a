#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbelle {

inline constexpr std::string_view kRegFileHeader = "Windows Registry Editor Version 5.00";
inline constexpr std::string_view kPreferencesSection = R"(HKEY_CURRENT_USER\Software\VKR\VKR)";

struct RegValue {
  std::string name;
  std::uint32_t type = 0;
  std::vector<std::uint8_t> bytes;
};

struct RegKeyContents {
  bool keyPresent = false;  // the section exists in the file
  std::vector<RegValue> values;
};

// Registry export text. A clean string (its text and one terminating zero, no control
// characters) is written as "text" with \\ and \" escapes, a four-byte number as
// dword:xxxxxxxx, and anything else as hex(type): bytes, so that every value survives
// a round trip unchanged. Bytes of 0x80 and above pass through as they are.
std::string serialiseRegFile(const RegKeyContents& contents);

// None when the text is not in that format. Sections other than ours are ignored.
std::optional<RegKeyContents> parseRegFile(std::string_view text);

bool sameValueName(std::string_view a, std::string_view b);

}  // namespace orbelle
