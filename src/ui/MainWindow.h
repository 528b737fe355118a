#pragma once

#include <QDialog>
#include <memory>

#include "ui/AboutBox.h"
#include "ui/SetBaseUnitWindow.h"
#include "ui/SetProtocolWindow.h"
#include "ui/UpgradeWindow.h"
#include "ui/WindowServices.h"

class QFont;
class QMenu;

namespace orbelle::ui {

class DialogUnits;
struct ControlRow;

// The program's one main window: the four commands, and the feature windows it owns for
// the whole run so that their state survives their closing.
class MainWindow : public QDialog {
  Q_OBJECT

 public:
  explicit MainWindow(WindowServices context);

  // Loads the link choice and, for the argument text "handheld" (exactly that), runs the
  // Upgrade Handheld Unit command before the window is first shown.
  void initialise(const QString& argumentText);

  // Set Base Unit, Upgrade Base Unit, Upgrade Handheld Unit: opens the chosen link and shows
  // the feature's window only if the link can be used, else says why.
  void runLinkedFeature(FeatureWindow feature);
  // Set Protocol: no link is opened or tested first.
  void runSetProtocol();
  // The link broke (the unit was unplugged, the port hung up): the window using it lets go.
  void linkBroken();
  void showAbout();
  // The About item, where the platform's system menu would have it.
  std::unique_ptr<QMenu> contextMenu();

  FeatureWindow activeFeature() const { return context_.session.dispatcher().activeFeature(); }
  QDialog& featureWindow(FeatureWindow feature);
  // Each window is built the first time it is wanted, then kept for the whole run.
  UpgradeWindow& upgradeWindow(FeatureWindow feature);
  SetBaseUnitWindow& setBaseUnitWindow();
  SetProtocolWindow& setProtocolWindow();
  AboutBox& aboutBox();

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void addHiddenLanguage(const DialogUnits& units, int choiceId, int labelId,
                         const QString& caption, int top);
  void addLabel(const DialogUnits& units, const ControlRow& row, const QFont& font);
  void addCommand(const DialogUnits& units, const ControlRow& row, FeatureWindow feature);
  // Shows one of its windows modally, over this one.
  void runOverThis(QDialog& window);

  WindowServices context_;
  // Built on first use: most runs open one or two of them, and building all five took a
  // third of the start-up.
  std::unique_ptr<SetBaseUnitWindow> setBaseUnit_;
  std::unique_ptr<UpgradeWindow> upgradeBase_;
  std::unique_ptr<UpgradeWindow> upgradeHandheld_;
  std::unique_ptr<SetProtocolWindow> setProtocol_;
  std::unique_ptr<AboutBox> about_;
  // The start-up's "handheld" opening starts its transfer at once; later openings wait for
  // the operator.
  bool startHandheldAtOnce_ = false;
};

}  // namespace orbelle::ui
