#include "l10n/TextCatalogue.h"

#include <QCoreApplication>
#include <algorithm>

#include "l10n/Translations.h"

namespace orbelle::l10n {

namespace {

// The core's texts hold pieces three deep: a message, its cause, the cause's own detail.
constexpr int kDeepest = 4;

constexpr const char* kListContext = "Message";
// Between the items of a list, "a, b" (Chinese has its own mark).
constexpr const char* kListSeparator = QT_TRANSLATE_NOOP("Message", ", ");

bool hasPlaces(const char* text) {
  const QString pattern = QString::fromUtf8(text);
  for (qsizetype i = 0; i + 1 < pattern.size(); ++i) {
    if (pattern[i] == u'%' && pattern[i + 1] >= u'1' && pattern[i + 1] <= u'9') {
      return true;
    }
  }
  return false;
}

// What a pattern says of its own: its length without its places.
qsizetype ownLength(const char* text) {
  const QString pattern = QString::fromUtf8(text);
  qsizetype length = 0;
  for (qsizetype i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == u'%' && i + 1 < pattern.size() && pattern[i + 1].isDigit()) {
      ++i;
    } else {
      ++length;
    }
  }
  return length;
}

// Whether a pattern has words besides its places.
bool hasWords(const char* text) {
  const QString pattern = QString::fromUtf8(text);
  for (qsizetype i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == u'%' && i + 1 < pattern.size() && pattern[i + 1].isDigit()) {
      ++i;
    } else if (pattern[i].isLetter()) {
      return true;
    }
  }
  return false;
}

// The English pattern as an expression that matches the whole text and takes each piece.
QRegularExpression expressionFor(const char* text) {
  const QString pattern = QString::fromUtf8(text);
  QString expression = QStringLiteral("^");
  qsizetype literalFrom = 0;
  for (qsizetype i = 0; i + 1 < pattern.size(); ++i) {
    if (pattern[i] == u'%' && pattern[i + 1] >= u'1' && pattern[i + 1] <= u'9') {
      expression += QRegularExpression::escape(pattern.mid(literalFrom, i - literalFrom));
      expression += QStringLiteral("(?<p%1>.+?)").arg(pattern[i + 1]);
      literalFrom = i + 2;
      ++i;
    }
  }
  expression += QRegularExpression::escape(pattern.mid(literalFrom)) + QStringLiteral("$");
  return QRegularExpression(expression, QRegularExpression::DotMatchesEverythingOption);
}

}  // namespace

QString fillPlaces(const QString& pattern, const QStringList& pieces) {
  QString text;
  text.reserve(pattern.size());
  for (qsizetype i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == u'%' && i + 1 < pattern.size() && pattern[i + 1] >= u'1' &&
        pattern[i + 1] <= u'9') {
      const qsizetype place = pattern[i + 1].unicode() - u'1';
      if (place < pieces.size()) {
        text += pieces.at(place);
        ++i;
        continue;
      }
    }
    text += pattern[i];
  }
  return text;
}

TextCatalogue::TextCatalogue(std::vector<const TextTable*> tables) : tables_(std::move(tables)) {
  for (const TextTable* table : tables_) {
    for (const char* text : table->texts) {
      if (hasPlaces(text)) {
        patterns_.push_back({table->context, text, expressionFor(text), hasWords(text),
                             QByteArray(text).contains('\n')});
      }
    }
  }
  // The most particular pattern first: "interrupted after %1 of %2 blocks; ..." before
  // "%1 of %2", which would take its texts.
  std::stable_sort(patterns_.begin(), patterns_.end(), [](const Pattern& a, const Pattern& b) {
    return ownLength(a.source) > ownLength(b.source);
  });
}

QString TextCatalogue::translate(std::string_view english) const {
  const QString text = QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size()));
  return Translations::active() ? translated(text, 0) : text;
}

std::string TextCatalogue::translateToUtf8(std::string_view english) const {
  if (!Translations::active()) {
    return std::string(english);
  }
  return translate(english).toStdString();
}

QString TextCatalogue::translated(const QString& english, int depth) const {
  if (english.trimmed().isEmpty()) {
    return english;
  }
  QString text = wholeText(english);
  if (text.isNull() && depth < kDeepest) {
    text = byPattern(english, depth);
    if (text.isNull()) {
      text = byLine(english, depth);
    }
  }
  if (text.isNull()) {
    text = asList(english);  // whole items only: as deep as any piece
  }
  return text.isNull() ? english : text;
}

QString TextCatalogue::wholeText(const QString& english) const {
  const QByteArray source = english.toUtf8();
  for (const TextTable* table : tables_) {
    const QString text = QCoreApplication::translate(table->context, source.constData());
    if (text != english) {
      return text;
    }
  }
  return {};
}

QString TextCatalogue::byPattern(const QString& english, int depth) const {
  // A text of several lines goes line by line, unless a pattern spans lines too.
  const bool severalLines = english.contains(u'\n');
  for (const Pattern& pattern : patterns_) {
    if (severalLines && !pattern.severalLines) {
      continue;
    }
    const QRegularExpressionMatch match = pattern.expression.match(english);
    if (!match.hasMatch()) {
      continue;
    }
    QStringList pieces;
    bool changed = false;
    for (int place = 1; place <= 9; ++place) {
      const QString piece = match.captured(QStringLiteral("p%1").arg(place));
      pieces << translated(piece, depth + 1);
      changed = changed || pieces.constLast() != piece;
    }
    // A pattern of nothing but its pieces ("%1.") says nothing of its own: it counts only when
    // a piece is known, so that an unknown text is not dressed half in another language.
    if (!pattern.hasWords && !changed) {
      continue;
    }
    return fillPlaces(QCoreApplication::translate(pattern.context, pattern.source), pieces);
  }
  return {};
}

QString TextCatalogue::byLine(const QString& english, int depth) const {
  if (!english.contains(u'\n')) {
    return {};
  }
  QStringList lines = english.split(u'\n');
  for (QString& line : lines) {
    const bool carriageReturn = line.endsWith(u'\r');
    line = translated(carriageReturn ? line.chopped(1) : line, depth + 1) +
           (carriageReturn ? QStringLiteral("\r") : QString());
  }
  return lines.join(u'\n');
}

QString TextCatalogue::asList(const QString& english) const {
  // Only a list whose every item is known: "a, b" in a sentence is left alone.
  const QStringList items = english.split(QStringLiteral(", "));
  if (items.size() < 2) {
    return {};
  }
  QStringList shown;
  for (const QString& item : items) {
    const QString text = wholeText(item);
    if (text.isNull()) {
      return {};
    }
    shown << text;
  }
  return shown.join(QCoreApplication::translate(kListContext, kListSeparator));
}

}  // namespace orbelle::l10n
