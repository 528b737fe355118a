#include "prefs/Utf16Text.h"

namespace orbelle {

namespace {

constexpr std::uint32_t kReplacement = 0xFFFD;

bool isSurrogate(std::uint32_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }

void appendUtf8(std::string& out, std::uint32_t point) {
  const auto put = [&out](std::uint32_t byte) { out += static_cast<char>(byte); };
  if (point < 0x80) {
    put(point);
  } else if (point < 0x800) {
    put(0xC0U | (point >> 6U));
    put(0x80U | (point & 0x3FU));
  } else if (point < 0x10000) {
    put(0xE0U | (point >> 12U));
    put(0x80U | ((point >> 6U) & 0x3FU));
    put(0x80U | (point & 0x3FU));
  } else {
    put(0xF0U | (point >> 18U));
    put(0x80U | ((point >> 12U) & 0x3FU));
    put(0x80U | ((point >> 6U) & 0x3FU));
    put(0x80U | (point & 0x3FU));
  }
}

// The code point of the sequence at text[pos], surrogates included; pos moves past it.
// None, with pos unmoved, for an invalid or overlong sequence.
std::optional<std::uint32_t> nextCodePoint(std::string_view text, std::size_t& pos) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  const std::uint8_t lead = byte(pos);
  std::size_t length = 0;
  std::uint32_t point = 0;
  std::uint32_t smallest = 0;
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    point = lead & 0x1FU;
    smallest = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    point = lead & 0x0FU;
    smallest = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    point = lead & 0x07U;
    smallest = 0x10000;
  } else {
    return std::nullopt;
  }
  if (pos + length > text.size()) {
    return std::nullopt;
  }
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(pos + i) & 0xC0U) != 0x80U) {
      return std::nullopt;
    }
    point = (point << 6U) | (byte(pos + i) & 0x3FU);
  }
  if (point < smallest || point > 0x10FFFF) {
    return std::nullopt;
  }
  pos += length;
  return point;
}

void appendUnit(std::string& out, std::uint32_t unit) {
  out += static_cast<char>(unit & 0xFFU);
  out += static_cast<char>(unit >> 8U);
}

}  // namespace

std::optional<std::string> utf16LeToUtf8(std::string_view bytes) {
  if (bytes.size() % 2 != 0) {
    return std::nullopt;
  }
  const auto unitAt = [&](std::size_t i) {
    return static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[i])) |
           (static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[i + 1])) << 8U);
  };
  std::string out;
  out.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i < bytes.size(); i += 2) {
    const std::uint32_t unit = unitAt(i);
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
      const std::uint32_t low = unitAt(i + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10U) + (low - 0xDC00));
        i += 2;
        continue;
      }
    }
    appendUtf8(out, unit);
  }
  return out;
}

std::string utf8ToUtf16Le(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (std::size_t pos = 0; pos < text.size();) {
    // Text read from a UTF-16 file converts back whole; only a byte we put in ourselves
    // could be invalid, and what we write there is checked with isUtf8 first.
    std::uint32_t point = kReplacement;
    if (const auto next = nextCodePoint(text, pos)) {
      point = *next;
    } else {
      ++pos;
    }
    if (point >= 0x10000) {
      appendUnit(out, 0xD800 + ((point - 0x10000) >> 10U));
      appendUnit(out, 0xDC00 + ((point - 0x10000) & 0x3FFU));
    } else {
      appendUnit(out, point);
    }
  }
  return out;
}

bool isUtf8(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    const auto point = nextCodePoint(text, pos);
    if (!point || isSurrogate(*point)) {
      return false;
    }
  }
  return true;
}

}  // namespace orbelle
