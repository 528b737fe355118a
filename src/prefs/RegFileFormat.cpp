#include "prefs/RegFileFormat.h"

#include <algorithm>
#include <cctype>

namespace orbelle {

namespace {

constexpr std::uint32_t kTypeString = 1;
constexpr std::uint32_t kTypeBinary = 3;
constexpr std::uint32_t kTypeNumber = 4;

char foldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

bool isCleanString(const RegValue& value) {
  if (value.type != kTypeString || value.bytes.empty() || value.bytes.back() != 0) {
    return false;
  }
  return std::none_of(value.bytes.begin(), value.bytes.end() - 1,
                      [](std::uint8_t b) { return b < 0x20 || b == 0x7F; });
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

std::string valueText(const RegValue& value) {
  if (isCleanString(value)) {
    const auto& b = value.bytes;
    return quoted(std::string(b.begin(), b.end() - 1));
  }
  if (value.type == kTypeNumber && value.bytes.size() == 4) {
    const std::uint32_t n = value.bytes[0] | (value.bytes[1] << 8U) | (value.bytes[2] << 16U) |
                            (static_cast<std::uint32_t>(value.bytes[3]) << 24U);
    return "dword:" + hexDigits(n, 8);
  }
  if (value.type == kTypeBinary) {
    return "hex:" + hexBytes(value.bytes);
  }
  return "hex(" + shortHex(value.type) + "):" + hexBytes(value.bytes);
}

// Splits the text into logical lines: CR LF or LF ends a line, and a hex list may run on
// over lines that end in a backslash.
std::vector<std::string> logicalLines(std::string_view text) {
  std::vector<std::string> lines;
  std::string pending;
  bool continuing = false;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) {
      end = text.size();
    }
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') {
      line.remove_suffix(1);
    }
    if (continuing) {
      const std::size_t first = line.find_first_not_of(" \t");
      line.remove_prefix(first == std::string_view::npos ? line.size() : first);
    }
    pending += line;
    continuing =
        !pending.empty() && pending.back() == '\\' && pending.find("=hex") != std::string::npos;
    if (continuing) {
      pending.pop_back();
      continue;
    }
    lines.push_back(std::move(pending));
    pending.clear();
  }
  if (!pending.empty()) {
    lines.push_back(std::move(pending));
  }
  return lines;
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
    value.bytes = {static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8U),
                   static_cast<std::uint8_t>(n >> 16U), static_cast<std::uint8_t>(n >> 24U)};
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

void putValue(std::vector<RegValue>& values, RegValue value) {
  for (RegValue& existing : values) {
    if (sameValueName(existing.name, value.name)) {
      existing.type = value.type;
      existing.bytes = std::move(value.bytes);
      return;
    }
  }
  values.push_back(std::move(value));
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

std::string serialiseRegFile(const RegKeyContents& contents) {
  std::string out = std::string(kRegFileHeader) + "\n\n";
  if (!contents.keyPresent) {
    return out;
  }
  out += "[" + std::string(kPreferencesSection) + "]\n";
  for (const RegValue& value : contents.values) {
    out += quoted(value.name) + "=" + valueText(value) + "\n";
  }
  return out;
}

std::optional<RegKeyContents> parseRegFile(std::string_view text) {
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) {
    text.remove_prefix(3);
  }
  const std::vector<std::string> lines = logicalLines(text);
  auto line = std::find_if(lines.begin(), lines.end(), isMeaningful);
  if (line == lines.end() || *line != kRegFileHeader) {
    return std::nullopt;
  }
  RegKeyContents contents;
  bool inOurSection = false;
  for (++line; line != lines.end(); ++line) {
    if (!isMeaningful(*line)) {
      continue;
    }
    if (line->front() == '[') {
      if (line->back() != ']') {
        return std::nullopt;
      }
      inOurSection =
          sameValueName(std::string_view(*line).substr(1, line->size() - 2), kPreferencesSection);
      contents.keyPresent = contents.keyPresent || inOurSection;
      continue;
    }
    std::optional<RegValue> value;
    if (!parseEntry(*line, value)) {
      return std::nullopt;
    }
    if (value && inOurSection) {
      putValue(contents.values, std::move(*value));
    }
  }
  return contents;
}

}  // namespace orbelle
