#include "prefs/RegFileFormat.h"

#include <algorithm>
#include <cctype>

#include "prefs/Utf16Text.h"
#include "protocol/ByteOrder.h"

namespace orbelle {

namespace {

constexpr std::uint32_t kTypeString = 1;
constexpr std::uint32_t kTypeBinary = 3;
constexpr std::uint32_t kTypeNumber = 4;

char foldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";

// A text that fits between quotes in a file of `encoding`.
bool isCleanString(const RegValue& value, RegFileEncoding encoding) {
  if (value.type != kTypeString || value.bytes.empty() || value.bytes.back() != 0) {
    return false;
  }
  const std::string_view text(reinterpret_cast<const char*>(value.bytes.data()),
                              value.bytes.size() - 1);
  return std::none_of(text.begin(), text.end(),
                      [](char c) {
                        const auto b = static_cast<unsigned char>(c);
                        return b < 0x20 || b == 0x7F;
                      }) &&
         (encoding != RegFileEncoding::Utf16LeWithBom || isUtf8(text));
}

std::string quoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '\\' || c == '"') {
      out += '\\';
    }
    out += c;
  }
  return out + '"';
}

// Lower-case hex of `value`, `digits` digits wide.
std::string hexDigits(std::uint32_t value, int digits) {
  static constexpr std::string_view kHex = "0123456789abcdef";
  std::string out(static_cast<std::size_t>(digits), '0');
  for (int i = digits - 1; i >= 0; --i, value >>= 4U) {
    out[static_cast<std::size_t>(i)] = kHex[value & 0xFU];
  }
  return out;
}

// Hex without leading zeros, as regedit writes a value type.
std::string shortHex(std::uint32_t value) {
  const std::string digits = hexDigits(value, 8);
  const std::size_t first = digits.find_first_not_of('0');
  return first == std::string::npos ? "0" : digits.substr(first);
}

std::string hexBytes(const std::vector<std::uint8_t>& bytes) {
  std::string out;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    out += (i == 0 ? "" : ",");
    out += hexDigits(bytes[i], 2);
  }
  return out;
}

std::string valueText(const RegValue& value, RegFileEncoding encoding) {
  if (isCleanString(value, encoding)) {
    const auto& b = value.bytes;
    return quoted(std::string(b.begin(), b.end() - 1));
  }
  if (value.type == kTypeNumber && value.bytes.size() == 4) {
    return "dword:" + hexDigits(readLe32(value.bytes, 0), 8);
  }
  if (value.type == kTypeBinary) {
    return "hex:" + hexBytes(value.bytes);
  }
  return "hex(" + shortHex(value.type) + "):" + hexBytes(value.bytes);
}

struct Line {
  std::string text;  // what it says: continuations joined, line ends left out
  std::string raw;   // as it stands in the file
};

// The length of the line end at text[pos] (CR LF, LF or CR), 0 when there is none.
std::size_t lineEndLength(std::string_view text, std::size_t pos) {
  if (pos >= text.size() || (text[pos] != '\r' && text[pos] != '\n')) {
    return 0;
  }
  return (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ? 2 : 1;
}

// Splits the text into logical lines: CR LF, LF or CR ends a line, and a hex list may run
// on over lines that end in a backslash. None when the text ends inside such a list:
// whatever a write put after it would be read as part of it.
std::optional<std::vector<Line>> logicalLines(std::string_view text) {
  std::vector<Line> lines;
  Line pending;
  bool continuing = false;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      end = text.size();
    }
    std::string_view line = text.substr(start, end - start);
    const std::size_t next = end + lineEndLength(text, end);
    pending.raw += text.substr(start, next - start);
    start = next;
    if (continuing) {
      const std::size_t first = line.find_first_not_of(" \t");
      line.remove_prefix(first == std::string_view::npos ? line.size() : first);
    }
    pending.text += line;
    continuing = !pending.text.empty() && pending.text.back() == '\\' &&
                 pending.text.find("=hex") != std::string::npos;
    if (continuing) {
      pending.text.pop_back();
      continue;
    }
    lines.push_back(std::move(pending));
    pending = {};
  }
  if (continuing) {
    return std::nullopt;
  }
  return lines;
}

// The line end that `raw` finishes with, or nothing for a file's unfinished last line.
std::string_view lineEndOf(std::string_view raw) {
  if (raw.size() >= 2 && raw.substr(raw.size() - 2) == "\r\n") {
    return raw.substr(raw.size() - 2);
  }
  if (!raw.empty() && (raw.back() == '\r' || raw.back() == '\n')) {
    return raw.substr(raw.size() - 1);
  }
  return {};
}

bool isBlank(std::string_view raw) { return raw.find_first_not_of(" \t\r\n") == std::string::npos; }

// The file's text as UTF-8 (see Utf16Text.h for UTF-16), and the form it came in.
std::optional<std::string> decodeText(std::string_view bytes, RegFileEncoding& encoding) {
  if (bytes.substr(0, kUtf16LeMark.size()) == kUtf16LeMark) {
    encoding = RegFileEncoding::Utf16LeWithBom;
    return utf16LeToUtf8(bytes.substr(kUtf16LeMark.size()));
  }
  if (bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark) {
    encoding = RegFileEncoding::Utf8WithBom;
    return std::string(bytes.substr(kUtf8Mark.size()));
  }
  encoding = RegFileEncoding::Utf8;
  return std::string(bytes);
}

// Reads a quoted text starting at text[pos] == '"'; pos ends after the closing quote.
std::optional<std::string> readQuoted(std::string_view text, std::size_t& pos) {
  if (pos >= text.size() || text[pos] != '"') {
    return std::nullopt;
  }
  std::string out;
  for (++pos; pos < text.size(); ++pos) {
    const char c = text[pos];
    if (c == '"') {
      ++pos;
      return out;
    }
    if (c == '\\') {
      if (++pos >= text.size()) {
        return std::nullopt;
      }
    }
    out += text[pos];
  }
  return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> parseHexList(std::string_view list) {
  std::vector<std::uint8_t> bytes;
  std::string digits;
  for (const char c : list) {
    if (c == ' ' || c == '\t') {
      continue;
    }
    if (c == ',') {
      if (digits.empty()) {
        return std::nullopt;
      }
      bytes.push_back(static_cast<std::uint8_t>(std::stoul(digits, nullptr, 16)));
      digits.clear();
      continue;
    }
    if (std::isxdigit(static_cast<unsigned char>(c)) == 0 || digits.size() == 2) {
      return std::nullopt;
    }
    digits += c;
  }
  if (!digits.empty()) {
    bytes.push_back(static_cast<std::uint8_t>(std::stoul(digits, nullptr, 16)));
  } else if (!list.empty() && list.find_first_not_of(" \t") != std::string_view::npos) {
    return std::nullopt;  // a trailing comma
  }
  return bytes;
}

std::optional<RegValue> parseData(std::string name, std::string_view data) {
  RegValue value{std::move(name), 0, {}};
  if (!data.empty() && data.front() == '"') {
    std::size_t pos = 0;
    auto text = readQuoted(data, pos);
    if (!text || pos != data.size()) {
      return std::nullopt;
    }
    value.type = kTypeString;
    value.bytes.assign(text->begin(), text->end());
    value.bytes.push_back(0);
    return value;
  }
  if (data.rfind("dword:", 0) == 0) {
    const std::string_view digits = data.substr(6);
    if (digits.size() != 8 || !std::all_of(digits.begin(), digits.end(), [](char c) {
          return std::isxdigit(static_cast<unsigned char>(c));
        })) {
      return std::nullopt;
    }
    const auto n = static_cast<std::uint32_t>(std::stoul(std::string(digits), nullptr, 16));
    value.type = kTypeNumber;
    value.bytes.assign(4, 0);
    writeLe32(value.bytes, 0, n);
    return value;
  }
  std::string_view list;
  if (data.rfind("hex:", 0) == 0) {
    value.type = kTypeBinary;
    list = data.substr(4);
  } else if (data.rfind("hex(", 0) == 0) {
    const std::size_t close = data.find("):");
    if (close == std::string_view::npos || close == 4) {
      return std::nullopt;
    }
    const std::string typeDigits(data.substr(4, close - 4));
    if (!std::all_of(typeDigits.begin(), typeDigits.end(),
                     [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); }) ||
        typeDigits.size() > 8) {
      return std::nullopt;
    }
    value.type = static_cast<std::uint32_t>(std::stoul(typeDigits, nullptr, 16));
    list = data.substr(close + 2);
  } else {
    return std::nullopt;
  }
  auto bytes = parseHexList(list);
  if (!bytes) {
    return std::nullopt;
  }
  value.bytes = std::move(*bytes);
  return value;
}

bool hasControlCharacters(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) {
    const auto b = static_cast<unsigned char>(c);
    return b < 0x20 || b == 0x7F;
  });
}

bool isMeaningful(const std::string& line) { return !line.empty() && line[0] != ';'; }

// One value line. False when it is malformed; `value` stays empty for lines that hold
// nothing for us (the key's default value, deletion entries).
bool parseEntry(std::string_view line, std::optional<RegValue>& value) {
  if (line.front() == '@') {
    return true;
  }
  std::size_t pos = 0;
  auto name = readQuoted(line, pos);
  if (!name || pos >= line.size() || line[pos] != '=' || hasControlCharacters(*name)) {
    return false;
  }
  const std::string_view data = line.substr(pos + 1);
  if (data == "-") {
    return true;
  }
  value = parseData(std::move(*name), data);
  return value.has_value();
}

}  // namespace

bool sameValueName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return foldCase(x) == foldCase(y);
         });
}

RegFile::RegFile() : lines_{std::string(kRegFileHeader) + "\n", "\n"} {}

std::string RegFile::entryText(const RegValue& value) const {
  return quoted(value.name) + "=" + valueText(value, encoding_);
}

void RegFile::endLine(std::size_t line) {
  if (lineEndOf(lines_[line]).empty()) {
    lines_[line] += lineEnd_;
  }
}

void RegFile::addKey() {
  if (keyPresent()) {
    return;
  }
  endLine(lines_.size() - 1);
  if (!isBlank(lines_.back())) {
    lines_.push_back(lineEnd_);
  }
  lines_.push_back("[" + std::string(kPreferencesSection) + "]" + lineEnd_);
  keyEnd_ = lines_.size() - 1;
}

void RegFile::setValue(RegValue value) {
  for (std::size_t i = 0; i < values_.size(); ++i) {
    RegValue& existing = values_[i];
    if (!sameValueName(existing.name, value.name)) {
      continue;
    }
    if (existing.type != value.type || existing.bytes != value.bytes) {
      existing.type = value.type;
      existing.bytes = std::move(value.bytes);
      std::string& line = lines_[valueLines_[i]];
      line = entryText(existing) + std::string(lineEndOf(line));
    }
    return;
  }
  addKey();
  endLine(*keyEnd_);
  // Ended as the line before it, so that it cannot join the next one (a CR before an LF).
  // Every line of ours is at or before keyEnd_, so no recorded place moves.
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*keyEnd_ + 1),
                entryText(value) + std::string(lineEndOf(lines_[*keyEnd_])));
  keyEnd_ = *keyEnd_ + 1;
  values_.push_back(std::move(value));
  valueLines_.push_back(*keyEnd_);
}

void RegFile::putParsed(RegValue value, std::size_t line) {
  for (std::size_t i = 0; i < values_.size(); ++i) {
    if (sameValueName(values_[i].name, value.name)) {
      values_[i].type = value.type;
      values_[i].bytes = std::move(value.bytes);
      valueLines_[i] = line;
      return;
    }
  }
  values_.push_back(std::move(value));
  valueLines_.push_back(line);
}

bool RegFile::readLine(const std::string& content, std::size_t index, Section& section) {
  if (content.front() == '[') {
    if (content.back() != ']') {
      return false;
    }
    const bool ours =
        sameValueName(std::string_view(content).substr(1, content.size() - 2), kPreferencesSection);
    section = ours ? Section::Ours : Section::Other;
  } else if (section != Section::Other) {
    std::optional<RegValue> value;
    if (!parseEntry(content, value)) {
      return false;
    }
    if (value && section == Section::Ours) {
      putParsed(std::move(*value), index);
    }
  }
  if (section == Section::Ours) {
    keyEnd_ = index;
  }
  return true;
}

std::string serialiseRegFile(const RegFile& file) {
  std::string text;
  for (const std::string& line : file.lines_) {
    text += line;
  }
  switch (file.encoding_) {
    case RegFileEncoding::Utf8:
      return text;
    case RegFileEncoding::Utf8WithBom:
      return std::string(kUtf8Mark) + text;
    case RegFileEncoding::Utf16LeWithBom:
      return std::string(kUtf16LeMark) + utf8ToUtf16Le(text);
  }
  return text;
}

std::optional<RegFile> parseRegFile(std::string_view bytes) {
  RegFile file;
  const auto text = decodeText(bytes, file.encoding_);
  if (!text) {
    return std::nullopt;
  }
  auto split = logicalLines(*text);
  if (!split) {
    return std::nullopt;
  }
  std::vector<Line>& lines = *split;
  const auto header = std::find_if(lines.begin(), lines.end(),
                                   [](const Line& line) { return isMeaningful(line.text); });
  if (header == lines.end() || header->text != kRegFileHeader) {
    return std::nullopt;
  }
  if (const std::string_view end = lineEndOf(header->raw); !end.empty()) {
    file.lineEnd_ = end;
  }
  RegFile::Section section = RegFile::Section::None;
  file.lines_.clear();
  for (auto line = lines.begin(); line != lines.end(); ++line) {
    const std::size_t index = file.lines_.size();
    file.lines_.push_back(std::move(line->raw));
    if (line > header && isMeaningful(line->text) && !file.readLine(line->text, index, section)) {
      return std::nullopt;
    }
  }
  return file;
}

}  // namespace orbelle
