#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>
#include <memory>

#include "prefs/LinkPreferences.h"
#include "prefs/PreferenceStore.h"
#include "session/Session.h"
#include "settings/SettingsChannel.h"
#include "ui/Look.h"
#include "ui/MainWindow.h"
#include "upgrade/RunHistory.h"
#include "upgrade/UpgradePause.h"

namespace orbelle::ui {
class FileChooser;
class MessagePresenter;
class ModalRunner;
class StoreTrouble;
}  // namespace orbelle::ui

namespace orbelle {

// The program's own look, or the platform's plain one.
enum class LookChoice { Skin, Plain };

// What a run may have other than the program's own: tests answer the file dialog and
// shorten the upgrade pauses.
struct ApplicationOptions {
  ui::FileChooser* files = nullptr;  // the platform's file dialog when none
  PauseDurations pauses{};
  // How long a unit may stay silent in a transfer before the upgrade window says so.
  std::chrono::milliseconds silenceHint{10000};
  // How long the settings window waits for a reply over RS232.
  std::chrono::milliseconds settingsReplyTimeout = kSettingsReplyTimeout;
};

// The one application object: the preferences, the session and the main window,
// for the whole run.
class Application {
 public:
  // `arguments` as the program received them, its own name first.
  Application(const QStringList& arguments, ui::MessagePresenter& messages, ui::ModalRunner& modal,
              ApplicationOptions options = {});
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Initialises the main window and shows it modally; the program ends when it closes.
  int run();

  ui::MainWindow& mainWindow() { return *mainWindow_; }
  Session& session() { return session_; }
  LinkPreferences& preferences() { return prefs_; }

  const ui::Look& look() const { return *look_; }
  // Short HID reports that came while their box was due or open, and were not told again.
  int shortReadsCounted() const { return shortReadsCounted_; }

  // What follows the program's name: its arguments joined by single blanks, without the
  // look's option.
  static QString argumentText(const QStringList& arguments);
  // "--plain" among the arguments, or ORBELLE_LOOK=plain in the environment, gives the
  // plain look.
  static LookChoice chooseLook(const QStringList& arguments);

 private:
  // The link broke; `told` is the box that says so.
  void linkBroke(const OperatorMessage& told);
  void tellShortRead(ui::MessagePresenter& messages, const std::string& text);

  QString argumentText_;
  std::unique_ptr<ui::Look> look_;
  std::unique_ptr<PreferenceStore> store_;
  LinkPreferences prefs_;
  Session session_;
  RunHistory runHistory_;
  std::unique_ptr<ui::FileChooser> fileDialog_;
  std::unique_ptr<ui::StoreTrouble> storeTrouble_;
  ui::ModalRunner& modal_;
  std::unique_ptr<ui::MainWindow> mainWindow_;
  bool shortReadBoxDue_ = false;
  int shortReadsCounted_ = 0;
};

// Makes the dialog fonts known where the system keeps them outside the font configuration
// (Debian's Tahoma lives with wine's fonts). Run before any window is built.
void registerDialogFonts();

// The main window's own icon: its title bar and its minimised form show it.
QIcon mainWindowIcon();

// The program's name, desktop entry and icon, as the desktop shows them. Run once the
// QApplication exists; the icon files come with the program's resources (orbelle.qrc).
void identifyProgram();

}  // namespace orbelle
