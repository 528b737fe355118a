#pragma once

#include <QDialog>
#include <memory>

#include "link/LinkSession.h"
#include "prefs/LinkPreferences.h"
#include "ui/AboutBox.h"
#include "ui/FeatureWindow.h"
#include "ui/SetProtocolWindow.h"

class QMenu;
class QPushButton;

namespace orbelle::ui {

class MessagePresenter;
class ModalRunner;

// What the windows share for the whole run; the application owns it.
struct ShellContext {
  LinkSession& session;
  PreferenceStore& store;
  LinkPreferences& prefs;
  MessagePresenter& messages;
  ModalRunner& modal;
};

// The program's one main window: the four commands, and the feature windows it owns for
// the whole run so that their state survives their closing.
class MainWindow : public QDialog {
  Q_OBJECT

 public:
  explicit MainWindow(ShellContext context);

  // Loads the link choice and, for the argument text "handheld" (exactly that), runs the
  // Upgrade Handheld Unit command before the window is first shown.
  void initialise(const QString& argumentText);

  // Set Base Unit, Upgrade Base Unit, Upgrade Handheld Unit: opens the chosen link and shows
  // the feature's window only if the link can be used, else says why.
  void runLinkedFeature(Feature feature);
  // Set Protocol: no link is opened or tested first.
  void runSetProtocol();
  // The Set Protocol window's OK: opens the newly chosen link without a reset.
  LinkCheckResult reopenLink();
  void showAbout();
  // The About item, where the platform's system menu would have it.
  std::unique_ptr<QMenu> contextMenu();

  Feature activeFeature() const { return context_.session.dispatcher().activeFeature(); }
  QDialog& featureWindow(Feature feature);
  SetProtocolWindow& setProtocolWindow() { return setProtocol_; }
  AboutBox& aboutBox() { return about_; }

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  QPushButton* addCommand(int id, const QString& caption, QRect where);

  ShellContext context_;
  FeatureWindow setBaseUnit_;
  FeatureWindow upgradeBase_;
  FeatureWindow upgradeHandheld_;
  SetProtocolWindow setProtocol_;
  AboutBox about_;
};

}  // namespace orbelle::ui
