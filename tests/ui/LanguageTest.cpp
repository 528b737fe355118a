// The program in each language it speaks: every window's texts fit their controls, the
// captions come from the translation loaded before the windows, English stays the program's
// own text byte for byte, and the core's English messages are translated where they are shown.
#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <map>
#include <memory>

#include <gtest/gtest.h>

#include "app/Application.h"
#include "l10n/MessageTexts.h"
#include "l10n/ProgressText.h"
#include "l10n/Translations.h"
#include "screenshots/WindowShots.h"
#include "settings/SettingsMessages.h"
#include "settings/SettingsSummary.h"
#include "ui/LinkProblemMessage.h"
#include "ui/MessagePresenter.h"
#include "ui/ModalRunner.h"
#include "upgrade/CompletionDoubt.h"
#include "upgrade/UpgradeMessages.h"

namespace orbelle::testing {
namespace {

// The languages built with the program, one .qm file each.
QStringList builtLanguages() {
  QStringList languages;
  const QDir folder(l10n::translationsFolder());
  for (const QString& file : folder.entryList({QStringLiteral("orbelle_*.qm")})) {
    languages << file.mid(8).chopped(3);
  }
  return languages;
}

class Silent : public ui::MessagePresenter, public ui::ModalRunner {
 public:
  void show(QWidget* /*owner*/, const OperatorMessage& /*message*/) override {}
  void notice(QWidget* /*owner*/, const OperatorMessage& /*message*/) override {}
  void run(QDialog& /*window*/) override {}
};

// Every caption, title and label the program's windows show, in the order they are built.
QStringList everyCaption(const QString& language) {
  const QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
  const l10n::Translations translation(language);
  Silent silent;
  Application app({QStringLiteral("orbelle")}, silent, silent);
  ui::MainWindow& main = app.mainWindow();
  QStringList captions;
  for (QWidget* window : std::initializer_list<QWidget*>{
           &main, &main.aboutBox(), &main.setProtocolWindow(), &main.setBaseUnitWindow(),
           &main.upgradeWindow(FeatureWindow::UpgradeBaseUnit),
           &main.upgradeWindow(FeatureWindow::UpgradeHandheldUnit)}) {
    captions << window->windowTitle();
    for (const QWidget* control : window->findChildren<QWidget*>()) {
      if (control->isHidden()) {
        continue;  // the language choice that is never offered
      }
      if (const auto* label = qobject_cast<const QLabel*>(control)) {
        captions << label->text();
      } else if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        captions << button->text();
      } else if (const auto* group = qobject_cast<const QGroupBox*>(control)) {
        captions << group->title();
      }
    }
  }
  captions.removeAll(QString());
  return captions;
}

// Texts every language writes as English does: names, numbers, "ID 3".
bool sharedByEveryLanguage(const QString& caption) {
  static const QStringList shared{
      "USB",     "RS232",         "OK",         "COM:", "Baudrate:", "Baudrate",
      "Orbelle", "Orbelle (VKR)", "VKR V1.2.6", "1 bit"};
  static const QRegularExpression noWords(QStringLiteral("^(ID )?[-0-9. ]*$"));
  return shared.contains(caption) || noWords.match(caption).hasMatch();
}

TEST(Languages, EveryWindowFitsItsTextsInEveryLanguageAndLook) {
  const QStringList languages = QStringList{QString()} + builtLanguages();
  ASSERT_GE(languages.size(), 5) << "English, de, tr, zh_CN and zh_TW";
  for (const QString& language : languages) {
    for (const bool plain : {false, true}) {
      for (const tools::WindowShot& shot : tools::shootWindows({language, plain})) {
        EXPECT_TRUE(shot.overflows.isEmpty())
            << (language.isEmpty() ? "English" : qPrintable(language))
            << (plain ? ", plain, " : ", ") << qPrintable(shot.name) << ": "
            << qPrintable(shot.overflows.join(QStringLiteral("; ")));
      }
    }
  }
}

TEST(Languages, WindowsTakeTheirCaptionsFromTheLanguageLoadedBeforeThem) {
  const QStringList english = everyCaption(QString());
  for (const char* own : {"\nSet\nProtocol", "\nUpgrade\nHandheld Unit", "Set Base Unit",
                          "Associated handheld unit  IDs", "\nCancel\n", "Update handheld unit:"}) {
    EXPECT_TRUE(english.contains(QLatin1String(own))) << own;
  }
  const std::map<QString, QString> setProtocol{{"de", "\nAnschluss\nwählen"},
                                               {"tr", "\nBağlantı\nAyarla"},
                                               {"zh_CN", "通信设置"},
                                               {"zh_TW", "通訊設定"}};
  for (const QString& language : builtLanguages()) {
    const QStringList captions = everyCaption(language);
    ASSERT_EQ(captions.size(), english.size()) << qPrintable(language);
    for (qsizetype i = 0; i < captions.size(); ++i) {
      EXPECT_TRUE(captions.at(i) != english.at(i) || sharedByEveryLanguage(english.at(i)))
          << qPrintable(language) << ": left in English: " << qPrintable(english.at(i));
    }
    if (setProtocol.count(language) != 0) {
      EXPECT_EQ(captions.at(english.indexOf(QStringLiteral("\nSet\nProtocol"))),
                setProtocol.at(language));
    }
  }
  // The first of the desktop's languages that the program speaks, by its script for Chinese;
  // English, or a C locale, asked for first means the program's own text.
  const QString folder = l10n::translationsFolder();
  const auto choose = [&folder](const QStringList& languages) {
    return l10n::chooseTranslation(languages, folder);
  };
  EXPECT_EQ(choose({"zh-HK", "zh-Hant-HK"}), "zh_TW");
  EXPECT_EQ(choose({"zh-SG", "zh-Hans-SG"}), "zh_CN");
  EXPECT_EQ(choose({"fr-FR", "fr", "tr-TR"}), "tr");
  EXPECT_EQ(choose({"de-AT", "de"}), "de");
  EXPECT_EQ(choose({"en-GB", "de"}), "");
  EXPECT_EQ(choose({"C"}), "");
}

TEST(Languages, TheCoresEnglishMessagesAreTranslatedWhereTheyAreShown) {
  BaseSettings settings;
  settings.nation = 2;
  settings.hopping = true;
  settings.associatedIds = 0x0005;
  settings.channel = 6;
  settings.powerDbm = -5;
  const std::string summary = buildSettingsSummary(settings);
  const std::string unplugged =
      ui::linkedFeatureMessage({LinkedFeatureOutcome::NotUsable, {}, {}}, LinkProtocol::Usb)->text;
  const std::string doubt = completionInDoubtMessage(
      kHandheldUpgradeTable, {UpgradeInput::BlockAck, UpgradeInput::BlockRetry}, 12);
  const ProgressFigures figures = progressFigures(27545, 65536, 6.2);
  EXPECT_EQ(l10n::operatorText(summary).toStdString(), summary) << "nothing loaded: English";
  EXPECT_EQ(l10n::progressText(figures).toStdString(), figures.text());
  {
    const l10n::Translations german(QStringLiteral("de"));
    ASSERT_TRUE(german.loaded());
    EXPECT_EQ(l10n::operatorText(summary).toStdString(),
              "Region: Türkei, Frequenzsprungverfahren ein. Angemeldete Handscanner: 2.\r\n"
              "Ihre IDs: 1,3\r\n\r\nFunkkanal: 6\r\n"
              "Sendeleistung der Basisstation: -5 dBm");
    EXPECT_EQ(l10n::operatorText(unplugged).toStdString(),
              "Keine Verbindung zur Basisstation!\nKeine USB-Basisstation (0471:0003) ließ sich "
              "öffnen. Ist sie eingesteckt?");
    EXPECT_EQ(l10n::operatorText(doubt).toStdString(),
              "Die Basisstation sandte nach dem letzten Block 2 Rahmen (Blockbestätigung, "
              "Wiederholungsanforderung) und 12 verworfene Byte, obwohl sie gerade neu starten "
              "sollte. Ob der Handscanner die ganze Firmware erhalten hat, ist daher ungewiss. "
              "Bitte senden Sie die Datei erneut!");
    EXPECT_EQ(l10n::progressText(figures),
              QStringLiteral("26.9 KiB von 64.0 KiB, 4.3 KiB/s, noch 0:09"));
    // What the catalogue does not know stays as it is, not dressed half in German.
    EXPECT_EQ(l10n::operatorText("/dev/ttyS9 of COM9: Input/output error.").toStdString(),
              "/dev/ttyS9 of COM9: Input/output error.");
  }
  // Every message the core types, in every language.
  std::vector<std::string> typed{std::string(kCannotCommunicateText),
                                 std::string(kNoProtocolText),
                                 std::string(kUsbNotFoundText),
                                 std::string(kCannotOpenComText),
                                 std::string(kBaseCompletionMessage),
                                 std::string(kHandheldEmptyImageMessage),
                                 imageTooLargeMessage(17000000, 16777216),
                                 summary,
                                 doubt};
  for (const SettingsMessage message : {SettingsMessage::UnsetUnit, SettingsMessage::CurrentLoaded,
                                        SettingsMessage::UploadConfirmed, SettingsMessage::NoReply,
                                        SettingsMessage::ChannelReset}) {
    typed.insert(typed.end(), {settingsMessageText(message), settingsMessageTitle(message)});
  }
  for (const QString& language : builtLanguages()) {
    const l10n::Translations translation(language);
    for (const std::string& text : typed) {
      EXPECT_NE(l10n::operatorText(text).toStdString(), text) << qPrintable(language);
    }
  }
}

}  // namespace
}  // namespace orbelle::testing
