#pragma once

#include <cstddef>
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

// How the file's text is stored. Registry editors export UTF-16LE with a byte-order mark;
// a new file is UTF-8 without one; an existing file keeps its form.
enum class RegFileEncoding { Utf8, Utf8WithBom, Utf16LeWithBom };

// A registry export file: the values of our key, and every other line kept as it was read
// (other keys, comments, our key's default value, deletion entries), with its own line
// ends. Setting a value rewrites that value's line only, and only when the value changes;
// a new value goes after the last line of our key, so the rest of the file stays byte for
// byte. Lines before the first key and in our key must be well-formed; other keys' lines
// are not ours to judge and are kept unread.
//
// Export text: a clean string (its text and one terminating zero, no control characters,
// UTF-8 in a UTF-16 file) is written as "text" with \\ and \" escapes, a four-byte number
// as dword:xxxxxxxx, and anything else as hex(type): bytes, so that every value survives a
// round trip unchanged. In a UTF-8 file bytes of 0x80 and above pass through as they are.
class RegFile {
 public:
  // A new export with nothing in it: UTF-8, LF line ends.
  RegFile();

  bool keyPresent() const { return keyEnd_.has_value(); }
  // Our key's values; of several spellings of one name the first is kept, with the last
  // one's data, as an import into the registry leaves it.
  const std::vector<RegValue>& values() const { return values_; }
  RegFileEncoding encoding() const { return encoding_; }

  // Adds our key, empty, at the end of the file when it has none.
  void addKey();
  // Sets one value of our key, adding the key when needed. Names compare without regard
  // to case; a value already there keeps its spelling.
  void setValue(RegValue value);

 private:
  friend std::optional<RegFile> parseRegFile(std::string_view bytes);
  friend std::string serialiseRegFile(const RegFile& file);

  enum class Section { None, Ours, Other };
  // One meaningful line after the header, at `index`; false when it is malformed. Other
  // keys' lines are not ours to judge.
  bool readLine(const std::string& content, std::size_t index, Section& section);
  // A value read from `line`: a later spelling of a name replaces the earlier one's data.
  void putParsed(RegValue value, std::size_t line);
  std::string entryText(const RegValue& value) const;
  void endLine(std::size_t line);

  std::vector<std::string> lines_;  // logical lines as read, continuations and ends included
  std::vector<RegValue> values_;
  std::vector<std::size_t> valueLines_;  // the line that sets each of values_
  std::optional<std::size_t> keyEnd_;    // our key's last line: new values go after it
  std::string lineEnd_ = "\n";           // the file's own, for lines we add
  RegFileEncoding encoding_ = RegFileEncoding::Utf8;
};

// None when the bytes are not such a file.
std::optional<RegFile> parseRegFile(std::string_view bytes);
// The file's bytes, in its encoding.
std::string serialiseRegFile(const RegFile& file);

bool sameValueName(std::string_view a, std::string_view b);

}  // namespace orbelle
