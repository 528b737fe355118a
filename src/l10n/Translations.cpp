#include "l10n/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <atomic>

namespace orbelle::l10n {

namespace {

// Enough to reach the build tree's top from any program or test built in it.
constexpr int kFoldersUp = 4;

std::atomic<int> liveTranslations{0};

QString programFile(const QString& folder, const QString& language) {
  return QDir(folder).filePath(QStringLiteral("orbelle_%1.qm").arg(language));
}

// The names a language's file may have, most particular first: "de_AT" then "de"; Chinese by
// its script, so that Hong Kong reads the traditional characters of zh_TW.
QStringList fileNames(const QLocale& locale) {
  const QString name = locale.name();
  QStringList names{name};
  if (locale.language() == QLocale::Chinese) {
    names << (locale.script() == QLocale::TraditionalHanScript ? QStringLiteral("zh_TW")
                                                               : QStringLiteral("zh_CN"));
  }
  names << name.section(QLatin1Char('_'), 0, 0);
  names.removeDuplicates();
  return names;
}

bool isPlainC(const QString& tag) {
  return tag == QLatin1String("C") || tag.startsWith(QLatin1String("C.")) ||
         tag == QLatin1String("POSIX");
}

}  // namespace

QString translationsFolder() {
  QDir folder(QCoreApplication::applicationDirPath());
  for (int up = 0; up <= kFoldersUp; ++up) {
    const QString candidate = folder.filePath(QStringLiteral("share/orbelle/translations"));
    if (QFileInfo(candidate).isDir()) {
      return candidate;
    }
    if (!folder.cdUp()) {
      break;
    }
  }
  return {};
}

QStringList desktopLanguages() {
#ifdef Q_OS_UNIX
  QByteArray messages;
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    messages = qgetenv(variable);
    if (!messages.isEmpty()) {
      break;
    }
  }
  if (messages.isEmpty() || isPlainC(QString::fromLatin1(messages))) {
    return {};
  }
#endif
  return QLocale::system().uiLanguages();
}

QString chooseTranslation(const QStringList& languages, const QString& folder) {
  for (const QString& tag : languages) {
    if (isPlainC(tag)) {
      return {};
    }
    const QLocale locale(tag);
    if (locale.language() == QLocale::English) {
      return {};
    }
    if (locale.language() == QLocale::C || folder.isEmpty()) {
      continue;  // a language Qt does not know, or no translations at all
    }
    for (const QString& name : fileNames(locale)) {
      if (QFile::exists(programFile(folder, name))) {
        return name;
      }
    }
  }
  return {};
}

QString Translations::desktopChoice() {
  return chooseTranslation(desktopLanguages(), translationsFolder());
}

Translations::Translations(const QString& language) {
  if (language.isEmpty()) {
    return;
  }
  const QString folder = translationsFolder();
  loaded_ = !folder.isEmpty() &&
            install(folder, QFileInfo(programFile(folder, language)).completeBaseName());
  if (!loaded_) {
    qWarning("No translation of the program into %s could be loaded; it speaks English",
             qPrintable(language));
    return;
  }
  ++liveTranslations;
  // Qt's own texts: the buttons of the message boxes, the file dialog.
  const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  for (const QString& name : fileNames(QLocale(language))) {
    if (install(qtFolder, QStringLiteral("qtbase_") + name)) {
      break;
    }
  }
}

Translations::~Translations() {
  for (const auto& translator : installed_) {
    QCoreApplication::removeTranslator(translator.get());
  }
  if (loaded_) {
    --liveTranslations;
  }
}

bool Translations::active() { return liveTranslations.load() > 0; }

bool Translations::install(const QString& directory, const QString& file) {
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(file, directory) ||
      !QCoreApplication::installTranslator(translator.get())) {
    return false;
  }
  installed_.push_back(std::move(translator));
  return true;
}

}  // namespace orbelle::l10n
