#pragma once

#include <QRegularExpression>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace orbelle::l10n {

// English texts that the core makes, marked for the translation tools in one context each
// (QT_TRANSLATE_NOOP): whole texts, and patterns where the core puts in a number, a name or a
// text of its own ("Can not read the file at byte %1 of %2; ...").
struct TextTable {
  const char* context;
  std::vector<const char*> texts;
};

// Translates the core's English texts where they are shown, so that the core stays free of Qt
// and everything it says stays English where English is wanted (JSON, traces, tests). A text is
// looked up whole; failing that, matched against the patterns, the most particular first (the
// one with the most text of its own), whose pieces are translated in turn (a nation's name, a
// cause, each item of a list); failing that, a text of several lines
// is translated line by line. What matches nothing is shown as it is: English. With no
// translation loaded every text comes back byte for byte.
class TextCatalogue {
 public:
  explicit TextCatalogue(std::vector<const TextTable*> tables);

  QString translate(std::string_view english) const;
  std::string translateToUtf8(std::string_view english) const;

 private:
  struct Pattern {
    const char* context;
    const char* source;
    QRegularExpression expression;
    bool hasWords;
    bool severalLines;
  };

  QString translated(const QString& english, int depth) const;
  QString wholeText(const QString& english) const;
  QString byPattern(const QString& english, int depth) const;
  QString asList(const QString& english) const;
  QString byLine(const QString& english, int depth) const;

  std::vector<const TextTable*> tables_;
  std::vector<Pattern> patterns_;
};

// "%1 of %2" with each %n replaced by its piece at once, so that a piece holding "%2" stays
// as it is.
QString fillPlaces(const QString& pattern, const QStringList& pieces);

}  // namespace orbelle::l10n
