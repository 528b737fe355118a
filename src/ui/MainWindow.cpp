#include "ui/MainWindow.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QShortcut>
#include <QWindow>
#include <array>

#include "ui/DialogUnits.h"
#include "ui/LinkProblemMessage.h"
#include "ui/Look.h"
#include "ui/MessagePresenter.h"
#include "ui/ModalRunner.h"
#include "ui/StoreTrouble.h"

namespace orbelle::ui {

namespace {

// The language choice that was never offered: a radio button and its label per row.
struct LanguageRow {
  int choiceId;
  int labelId;
  const char* caption;
  int top;
};
constexpr std::array<LanguageRow, 3> kLanguages{{
    {1042, 1046, "English Eng", 63},
    {1043, 1047, "\u7b80\u4f53\u4e2d\u6587 CHS", 76},
    {1044, 1048, "\u7e41\u9ad4\u4e2d\u6587 CHT", 90},
}};

enum class LabelFont { Tahoma16, Arial30Bold };
struct LabelRow {
  ControlRow control;
  LabelFont font;
};
constexpr std::array<LabelRow, 3> kLabels{{
    {{1041, QT_TRANSLATE_NOOP("orbelle::ui::MainWindow", "Handheld Unit"), {40, 20, 60, 17}},
     LabelFont::Tahoma16},
    {{1092, QT_TRANSLATE_NOOP("orbelle::ui::MainWindow", "Base Unit"), {40, 66, 38, 17}},
     LabelFont::Tahoma16},
    {{1093, "VKR V1.2.6", {197, 53, 129, 47}}, LabelFont::Arial30Bold},
}};

// In the order Tab visits them: left to right, top to bottom.
struct CommandRow {
  ControlRow control;
  FeatureWindow feature;
};
constexpr std::array<CommandRow, 4> kCommands{{
    {{1003, QT_TRANSLATE_NOOP("orbelle::ui::MainWindow", "\nSet\nProtocol"), {71, 100, 61, 35}},
     FeatureWindow::SetProtocol},
    {{1000, QT_TRANSLATE_NOOP("orbelle::ui::MainWindow", "\nSet\nBase Unit"), {197, 100, 61, 35}},
     FeatureWindow::SetBaseUnit},
    {{1001,
      QT_TRANSLATE_NOOP("orbelle::ui::MainWindow", "\nUpgrade\nBase Unit"),
      {71, 153, 61, 35}},
     FeatureWindow::UpgradeBaseUnit},
    {{1002,
      QT_TRANSLATE_NOOP("orbelle::ui::MainWindow", "\nUpgrade\nHandheld Unit"),
      {197, 153, 61, 35}},
     FeatureWindow::UpgradeHandheldUnit},
}};

QFont labelFont(LabelFont font) {
  return font == LabelFont::Tahoma16 ? cellHeightFont(QStringLiteral("Tahoma"), 16, QFont::Normal)
                                     : cellHeightFont(QStringLiteral("Arial"), 30, QFont::Bold);
}

}  // namespace

MainWindow::MainWindow(WindowServices context) : context_(context) {
  setObjectName(QStringLiteral("dialog102"));
  setWindowTitle(QStringLiteral("Orbelle"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  setFont(dialogFont(QStringLiteral("Tahoma"), 8));
  const DialogUnits units(font());
  setFixedSize(units.size(334, 205));

  for (const LanguageRow& row : kLanguages) {
    addHiddenLanguage(units, row.choiceId, row.labelId, QString::fromUtf8(row.caption), row.top);
  }
  for (const LabelRow& row : kLabels) {
    addLabel(units, row.control, labelFont(row.font));
  }
  for (const CommandRow& row : kCommands) {
    addCommand(units, row.control, row.feature);
  }
  // X11 gives a dialog no system menu of its own: the About item is on the context menu
  // and on F1.
  auto* about = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(about, &QShortcut::activated, this, &MainWindow::showAbout);
  context_.look.decorate(*this, WindowPicture::Main);
}

void MainWindow::addHiddenLanguage(const DialogUnits& units, int choiceId, int labelId,
                                   const QString& caption, int top) {
  // Hidden and disabled, English checked.
  auto* choice = new QRadioButton(this);
  identify(*choice, choiceId, caption);
  choice->setGeometry(units.rect(109, top, 8, 8));
  choice->setChecked(choiceId == kLanguages.front().choiceId);
  auto* label = new QLabel(caption, this);
  identify(*label, labelId, caption);
  label->setGeometry(units.rect(129, top, 51, 8));
  for (QWidget* hidden : {static_cast<QWidget*>(choice), static_cast<QWidget*>(label)}) {
    hidden->setEnabled(false);
    hidden->hide();
  }
}

void MainWindow::addLabel(const DialogUnits& units, const ControlRow& row, const QFont& font) {
  auto* label = new QLabel(tr(row.caption), this);
  identify(*label, row.id, label->text());
  label->setGeometry(units.rect(row.where));
  label->setFont(font);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // Another language's name may be longer ("Baz Ünitesi"): it runs on towards the picture.
  growToCaption(*label, width());
}

void MainWindow::addCommand(const DialogUnits& units, const ControlRow& row,
                            FeatureWindow feature) {
  const QString caption = tr(row.caption);
  QAbstractButton* button = context_.look.commandButton(*this, caption, ButtonFamily::Large);
  identify(*button, row.id, caption);
  button->setGeometry(units.rect(row.where));
  button->setFont(cellHeightFont(QStringLiteral("Arial"), 16, QFont::Normal));
  connect(button, &QAbstractButton::clicked, this, [this, feature] {
    // A window in front refuses the command, however the press came.
    if (behindModalWindow(*this)) {
      return;
    }
    if (feature == FeatureWindow::SetProtocol) {
      runSetProtocol();
    } else {
      runLinkedFeature(feature);
    }
  });
}

void MainWindow::initialise(const QString& argumentText) {
  context_.session.dispatcher().setActiveFeature(FeatureWindow::None);
  context_.prefs = loadLinkPreferences(context_.store);
  context_.storeTrouble.afterLoading(this);
  if (argumentText == QLatin1String("handheld")) {
    startHandheldAtOnce_ = true;
    runLinkedFeature(FeatureWindow::UpgradeHandheldUnit);
    startHandheldAtOnce_ = false;
  }
}

QDialog& MainWindow::featureWindow(FeatureWindow feature) {
  switch (feature) {
    case FeatureWindow::SetBaseUnit:
      return setBaseUnitWindow();
    case FeatureWindow::UpgradeBaseUnit:
    case FeatureWindow::UpgradeHandheldUnit:
      return upgradeWindow(feature);
    default:
      return setProtocolWindow();
  }
}

UpgradeWindow& MainWindow::upgradeWindow(FeatureWindow feature) {
  const bool handheld = feature == FeatureWindow::UpgradeHandheldUnit;
  std::unique_ptr<UpgradeWindow>& window = handheld ? upgradeHandheld_ : upgradeBase_;
  if (!window) {
    window = std::make_unique<UpgradeWindow>(
        handheld ? UpgradeWindow::Unit::Handheld : UpgradeWindow::Unit::Base, context_);
  }
  return *window;
}

SetBaseUnitWindow& MainWindow::setBaseUnitWindow() {
  if (!setBaseUnit_) {
    setBaseUnit_ = std::make_unique<SetBaseUnitWindow>(context_);
  }
  return *setBaseUnit_;
}

SetProtocolWindow& MainWindow::setProtocolWindow() {
  if (!setProtocol_) {
    setProtocol_ = std::make_unique<SetProtocolWindow>(
        context_.store, context_.prefs, context_.messages, context_.storeTrouble, context_.look,
        [&session = context_.session] { return session.checkChosenLink(); });
  }
  return *setProtocol_;
}

AboutBox& MainWindow::aboutBox() {
  if (!about_) {
    about_ = std::make_unique<AboutBox>(context_.look);
  }
  return *about_;
}

void MainWindow::runLinkedFeature(FeatureWindow feature) {
  const LinkedFeatureResult result = context_.session.openFor(feature);
  if (const auto message = ui::linkedFeatureMessage(result, context_.prefs.protocol)) {
    context_.messages.show(this, *message);
    return;
  }
  if (feature == FeatureWindow::UpgradeBaseUnit || feature == FeatureWindow::UpgradeHandheldUnit) {
    upgradeWindow(feature).prepare(feature == FeatureWindow::UpgradeHandheldUnit &&
                                   startHandheldAtOnce_);
  } else {
    setBaseUnitWindow().prepare();
  }
  runOverThis(featureWindow(feature));
}

void MainWindow::runOverThis(QDialog& window) {
  // Whose window it is, for a compositor that places it by that alone (Wayland), while it
  // keeps a screen and a place of its own. Before the main window shows there is none.
  if (QWindow* main = windowHandle()) {
    window.winId();
    window.windowHandle()->setTransientParent(main);
  }
  context_.modal.run(window);
}

void MainWindow::linkBroken() {
  const FeatureWindow feature = activeFeature();
  const auto& window =
      feature == FeatureWindow::UpgradeHandheldUnit ? upgradeHandheld_ : upgradeBase_;
  if ((feature == FeatureWindow::UpgradeBaseUnit ||
       feature == FeatureWindow::UpgradeHandheldUnit) &&
      window && window->isVisible()) {
    upgradeWindow(feature).linkBroken();
  }
}

void MainWindow::runSetProtocol() {
  context_.session.dispatcher().setActiveFeature(FeatureWindow::SetProtocol);
  setProtocolWindow().initialise();
  runOverThis(setProtocolWindow());
}

void MainWindow::showAbout() { runOverThis(aboutBox()); }

std::unique_ptr<QMenu> MainWindow::contextMenu() {
  auto menu = std::make_unique<QMenu>(this);
  menu->addAction(tr("&About Orbelle (VKR)"), this, &MainWindow::showAbout);
  return menu;
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
  contextMenu()->exec(event->globalPos());
}

}  // namespace orbelle::ui
