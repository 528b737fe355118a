#include "ui/MainWindow.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QShortcut>

#include "ui/DialogUnits.h"
#include "ui/Look.h"
#include "ui/MessagePresenter.h"
#include "ui/ModalRunner.h"
#include "ui/StoreTrouble.h"

namespace orbelle::ui {

namespace {

const QString kAboutItem = QStringLiteral("&About Orbelle (VKR)");

}  // namespace

MainWindow::MainWindow(ShellContext context)
    : context_(context),
      setBaseUnit_(context),
      upgradeBase_(UpgradeWindow::Unit::Base, context),
      upgradeHandheld_(UpgradeWindow::Unit::Handheld, context),
      setProtocol_(context.store, context.prefs, context.messages, context.storeTrouble,
                   context.look, [this] { return reopenLink(); }),
      about_(context.look) {
  setObjectName(QStringLiteral("dialog102"));
  setWindowTitle(QStringLiteral("Orbelle"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  setFont(dialogFont(QStringLiteral("Tahoma"), 8));
  const DialogUnits units(font());
  setFixedSize(units.size(334, 205));

  // The language choice was never offered: hidden and disabled, English checked.
  const std::array<std::pair<int, QString>, 3> languages{{
      {1046, QStringLiteral("English Eng")},
      {1047, QStringLiteral("\u7b80\u4f53\u4e2d\u6587 CHS")},
      {1048, QStringLiteral("\u7e41\u9ad4\u4e2d\u6587 CHT")},
  }};
  for (std::size_t i = 0; i < languages.size(); ++i) {
    const int row = std::array{63, 76, 90}.at(i);
    auto* choice = new QRadioButton(this);
    identify(*choice, 1042 + static_cast<int>(i), languages.at(i).second);
    choice->setGeometry(units.rect(109, row, 8, 8));
    choice->setChecked(i == 0);
    auto* label = new QLabel(languages.at(i).second, this);
    identify(*label, languages.at(i).first, label->text());
    label->setGeometry(units.rect(129, row, 51, 8));
    for (QWidget* hidden : {static_cast<QWidget*>(choice), static_cast<QWidget*>(label)}) {
      hidden->setEnabled(false);
      hidden->hide();
    }
  }

  const auto addLabel = [&](int id, const QString& text, QRect where, const QFont& labelFont) {
    auto* label = new QLabel(text, this);
    identify(*label, id, text);
    label->setGeometry(where);
    label->setFont(labelFont);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  };
  const QFont tahoma16 = cellHeightFont(QStringLiteral("Tahoma"), 16, QFont::Normal);
  addLabel(1041, QStringLiteral("Handheld Unit"), units.rect(40, 20, 60, 17), tahoma16);
  addLabel(1092, QStringLiteral("Base Unit"), units.rect(40, 66, 38, 17), tahoma16);
  addLabel(1093, QStringLiteral("VKR V1.2.6"), units.rect(197, 53, 129, 47),
           cellHeightFont(QStringLiteral("Arial"), 30, QFont::Bold));

  // Created in the order Tab visits them: left to right, top to bottom.
  QAbstractButton* setProtocol =
      addCommand(1003, QStringLiteral("\nSet\nProtocol"), units.rect(71, 100, 61, 35));
  QAbstractButton* setBaseUnit =
      addCommand(1000, QStringLiteral("\nSet\nBase Unit"), units.rect(197, 100, 61, 35));
  QAbstractButton* upgradeBase =
      addCommand(1001, QStringLiteral("\nUpgrade\nBase Unit"), units.rect(71, 153, 61, 35));
  QAbstractButton* upgradeHandheld =
      addCommand(1002, QStringLiteral("\nUpgrade\nHandheld Unit"), units.rect(197, 153, 61, 35));
  connect(setProtocol, &QAbstractButton::clicked, this, &MainWindow::runSetProtocol);
  connect(setBaseUnit, &QAbstractButton::clicked, this,
          [this] { runLinkedFeature(Feature::SetBaseUnit); });
  connect(upgradeBase, &QAbstractButton::clicked, this,
          [this] { runLinkedFeature(Feature::UpgradeBaseUnit); });
  connect(upgradeHandheld, &QAbstractButton::clicked, this,
          [this] { runLinkedFeature(Feature::UpgradeHandheldUnit); });

  // X11 gives a dialog no system menu of its own: the About item is on the context menu
  // and on F1.
  auto* about = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(about, &QShortcut::activated, this, &MainWindow::showAbout);
  context_.look.decorate(*this, WindowPicture::Main);
}

QAbstractButton* MainWindow::addCommand(int id, const QString& caption, QRect where) {
  QAbstractButton* button = context_.look.commandButton(*this, caption, ButtonFamily::Large);
  identify(*button, id, caption);
  button->setGeometry(where);
  button->setFont(cellHeightFont(QStringLiteral("Arial"), 16, QFont::Normal));
  return button;
}

void MainWindow::initialise(const QString& argumentText) {
  context_.session.dispatcher().setActiveFeature(Feature::None);
  context_.prefs = loadLinkPreferences(context_.store);
  context_.storeTrouble.afterLoading(this);
  applyLinkChoice(context_.session.state(), context_.prefs);
  if (argumentText == QLatin1String("handheld")) {
    startHandheldAtOnce_ = true;
    runLinkedFeature(Feature::UpgradeHandheldUnit);
    startHandheldAtOnce_ = false;
  }
}

QDialog& MainWindow::featureWindow(Feature feature) {
  switch (feature) {
    case Feature::SetBaseUnit:
      return setBaseUnit_;
    case Feature::UpgradeBaseUnit:
      return upgradeBase_;
    case Feature::UpgradeHandheldUnit:
      return upgradeHandheld_;
    default:
      return setProtocol_;
  }
}

void MainWindow::runLinkedFeature(Feature feature) {
  LinkSession& session = context_.session;
  const LinkedFeatureResult result = RunLinkedFeature(feature, context_.prefs, session.state(),
                                                      session.endpoints(), session.dispatcher());
  if (const auto message = result.message()) {
    context_.messages.show(this, *message);
    return;
  }
  if (feature == Feature::UpgradeBaseUnit || feature == Feature::UpgradeHandheldUnit) {
    upgradeWindow(feature).prepare(feature == Feature::UpgradeHandheldUnit && startHandheldAtOnce_);
  } else {
    setBaseUnit_.prepare();
  }
  context_.modal.run(featureWindow(feature));
}

void MainWindow::linkBroken() {
  const Feature feature = activeFeature();
  if ((feature == Feature::UpgradeBaseUnit || feature == Feature::UpgradeHandheldUnit) &&
      upgradeWindow(feature).isVisible()) {
    upgradeWindow(feature).linkBroken();
  }
}

void MainWindow::runSetProtocol() {
  context_.session.dispatcher().setActiveFeature(Feature::SetProtocol);
  setProtocol_.initialise();
  context_.modal.run(setProtocol_);
}

LinkCheckResult MainWindow::reopenLink() {
  LinkSession& session = context_.session;
  return CheckChosenLink(context_.prefs, session.state(), session.endpoints());
}

void MainWindow::showAbout() { context_.modal.run(about_); }

std::unique_ptr<QMenu> MainWindow::contextMenu() {
  auto menu = std::make_unique<QMenu>(this);
  menu->addAction(kAboutItem, this, &MainWindow::showAbout);
  return menu;
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
  contextMenu()->exec(event->globalPos());
}

}  // namespace orbelle::ui
