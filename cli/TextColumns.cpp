#include "TextColumns.h"

#include <QList>
#include <QString>
#include <algorithm>

namespace orbelle::cli {

namespace {

// The wide ranges of Unicode's East Asian Width that the program's languages use: Hangul
// Jamo, CJK and its punctuation, Hangul syllables, compatibility ideographs, vertical and
// full-width forms, and the supplementary ideographic planes.
bool isWide(char32_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) ||
         (c >= 0x3041 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
         (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
         (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) ||
         (c >= 0x20000 && c <= 0x3FFFD);
}

}  // namespace

std::size_t displayWidth(const std::string& text) {
  std::size_t width = 0;
  for (const char32_t c : QString::fromStdString(text).toUcs4()) {
    width += isWide(c) ? 2 : 1;
  }
  return width;
}

std::string tableText(const std::vector<std::vector<std::string>>& rows) {
  std::vector<std::size_t> widths;
  for (const auto& row : rows) {
    widths.resize(std::max(widths.size(), row.size()), 0);
    for (std::size_t i = 0; i < row.size(); ++i) {
      widths[i] = std::max(widths[i], displayWidth(row[i]));
    }
  }
  std::string text;
  for (const auto& row : rows) {
    for (std::size_t i = 0; i < row.size(); ++i) {
      text += row[i];
      if (i + 1 < row.size()) {
        text.append(widths[i] - displayWidth(row[i]) + 2, ' ');
      }
    }
    text += '\n';
  }
  return text;
}

}  // namespace orbelle::cli
