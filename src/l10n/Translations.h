#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QTranslator;

namespace orbelle::l10n {

// The folder of the program's translations (orbelle_de.qm, ...): the nearest
// share/orbelle/translations at or above the program's own folder, so that an installed program
// (/usr/bin and /usr/share) and one run from its build tree both find theirs. Empty: none.
QString translationsFolder();

// The languages the desktop asks for, most wanted first, as QLocale::system().uiLanguages()
// gives them (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG). As gettext does, a message locale of
// "C" or "POSIX" asks for the program's own English whatever LANGUAGE says, so that a script's
// LC_ALL=C always gets the texts it was written against.
QStringList desktopLanguages();

// The translation that `languages` ask for among the files in `folder`: the first language
// that has one ("de", "zh_TW"), or empty for English when an English language, or none of
// ours, comes first. Chinese in traditional characters takes zh_TW, in simplified ones zh_CN.
QString chooseTranslation(const QStringList& languages, const QString& folder);

// The program's texts, and Qt's own (its dialogs' buttons and the file dialog), in one language
// for as long as the object lives. Made before the first window, since the windows take their
// captions as they are built.
class Translations {
 public:
  // `language` as chooseTranslation() names it; empty: English, nothing is loaded.
  explicit Translations(const QString& language);
  ~Translations();
  Translations(const Translations&) = delete;
  Translations& operator=(const Translations&) = delete;
  Translations(Translations&&) = delete;
  Translations& operator=(Translations&&) = delete;

  // The language the desktop asks for, from the installed or built translations.
  static QString desktopChoice();

  // Whether the program's own translation was found and loaded.
  bool loaded() const { return loaded_; }

  // Whether any translation of the program's texts is loaded in the process now.
  static bool active();

 private:
  bool install(const QString& directory, const QString& file);

  std::vector<std::unique_ptr<QTranslator>> installed_;
  bool loaded_ = false;
};

}  // namespace orbelle::l10n
