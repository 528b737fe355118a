#include "ui/UpgradeWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

#include "l10n/MessageTexts.h"
#include "l10n/ProgressText.h"
#include "opening/LinkedFeature.h"
#include "ui/DefaultButton.h"
#include "ui/DialogUnits.h"
#include "ui/FileChooser.h"
#include "ui/LinkProblemMessage.h"
#include "ui/Look.h"
#include "ui/MessagePresenter.h"
#include "ui/ModalRunner.h"
#include "ui/StoreTrouble.h"
#include "upgrade/UpgradeMessages.h"

namespace orbelle::ui {

namespace {

// Windows' "*.*" matches every name; Qt's needs a dot, so "All file" takes "*". The names
// are translated, the patterns not.
FileRequest imageRequest() {
  return {UpgradeWindow::tr("Plain Binary") + QStringLiteral("(*.dat);;") +
              UpgradeWindow::tr("All file") + QStringLiteral("(*)"),
          QStringLiteral("dat"), QStringLiteral("*.dat")};
}

}  // namespace

// Where the controls of one window go, in dialog units.
struct UpgradeWindow::Layout {
  int dialogId;
  const char* title;
  int width;
  int height;
  const char* groupTitle;
  int groupId;
  QRect group;
  int labelId;
  QRect label;
  QRect path;
  QRect browse;
  QRect upgrade;
  QRect progress;
  QRect ok;
  int cancelId;
  QRect cancel;
};

namespace {

using Layout = UpgradeWindow::Layout;

const Layout kBaseLayout{134,
                         QT_TRANSLATE_NOOP("orbelle::ui::UpgradeWindow", "Upgrade Base Unit"),
                         291,
                         166,
                         QT_TRANSLATE_NOOP("orbelle::ui::UpgradeWindow", "Upgrade base unit:"),
                         1070,
                         {17, 72, 257, 76},
                         1072,
                         {26, 88, 64, 11},
                         {98, 85, 113, 14},
                         {216, 84, 42, 16},
                         {74, 108, 42, 16},
                         {18, 133, 199, 14},
                         {102, 56, 42, 16},
                         2,
                         {153, 108, 42, 16}};

const Layout kHandheldLayout{
    136,
    QT_TRANSLATE_NOOP("orbelle::ui::UpgradeWindow", "Upgrade Handheld Unit"),
    267,
    126,
    QT_TRANSLATE_NOOP("orbelle::ui::UpgradeWindow", "Update handheld unit:"),
    1073,
    {7, 14, 253, 105},
    1074,
    {13, 37, 68, 11},
    {85, 34, 108, 14},
    {200, 32, 42, 16},
    {68, 58, 42, 16},
    {33, 95, 197, 14},
    {139, 7, 42, 16},
    1075,
    {155, 58, 42, 16}};

QRect inPixels(const DialogUnits& units, QRect unitRect) {
  return units.rect(unitRect.x(), unitRect.y(), unitRect.width(), unitRect.height());
}

// What a failure says of itself; nothing for one of unknown kind.
std::string failureText(const std::exception_ptr& failure) {
  try {
    std::rethrow_exception(failure);
  } catch (const std::exception& error) {
    return error.what();
  } catch (...) {
    return {};
  }
}

bool isInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::Close:
      return true;
    default:
      return false;
  }
}

}  // namespace

UpgradeWindow::UpgradeWindow(Unit unit, const WindowServices& context)
    : unit_(unit),
      context_(context),
      operation_(
          context.session,
          unit == Unit::Base ? UpgradeOperation::Unit::Base : UpgradeOperation::Unit::Handheld,
          context.runHistory,
          {.pauses = context.pauses, .silenceLimit = context.silenceHint, .program = "orbelle"}),
      desktop_(*this, tr(unit == Unit::Base ? kBaseLayout.title : kHandheldLayout.title),
               unit == Unit::Base ? tr("Base unit upgraded") : tr("Handheld unit upgraded")) {
  const Layout& layout = unit == Unit::Base ? kBaseLayout : kHandheldLayout;
  setObjectName(QStringLiteral("dialog%1").arg(layout.dialogId));
  setWindowTitle(tr(layout.title));
  setFont(dialogFont(QStringLiteral("Tahoma"), 10));
  const DialogUnits units(font());
  setFixedSize(units.size(layout.width, layout.height));

  // Frames first, so that the controls over them stay on top.
  if (unit == Unit::Base) {
    addBootloaderRow(units);
  }
  QAbstractButton* cancel = addFileControls(units, layout);
  addProgress(units, layout);

  // Never shown; it closes the window like Cancel does, so even it cannot leave the link open.
  // As the hidden default, it keeps Enter from pressing a button that has no focus: without
  // one, Qt would make the first button the default, and Enter would cancel the window.
  ok_ = addButton(1, tr("OK"), inPixels(units, layout.ok));
  makeDefault(*ok_);
  ok_->hide();

  // During a pause, or behind a modal window, the window takes no input; a press that arrives
  // another way (a screen reader's Press action) is dropped as a click is.
  connect(browse_, &QAbstractButton::clicked, this, [this] {
    if (!paused() && !behindModalWindow(*this)) {
      browse();
    }
  });
  connect(upgrade_, &QAbstractButton::clicked, this, [this] {
    if (!paused() && !behindModalWindow(*this)) {
      startUpgrade();
    }
  });
  connect(cancel, &QAbstractButton::clicked, this, [this] {
    if (!behindModalWindow(*this)) {
      reject();
    }
  });
  connect(ok_, &QAbstractButton::clicked, this, &QDialog::accept);
  connectOperation();
  context_.look.decorate(
      *this, unit == Unit::Base ? WindowPicture::UpgradeBase : WindowPicture::UpgradeHandheld);
}

void UpgradeWindow::addBootloaderRow(const DialogUnits& units) {
  // Shown as the unit's tools had it, but nothing reads a bootloader here: never enabled.
  auto* bootGroup = new QGroupBox(tr("Bootloader Version:"), this);
  identify(*bootGroup, 1069, bootGroup->title());
  bootGroup->setGeometry(units.rect(17, 15, 194, 39));
  auto* bootLabel = new QLabel(tr("Bootloader ID:"), this);
  identify(*bootLabel, 1071, bootLabel->text());
  bootLabel->setGeometry(units.rect(21, 39, 55, 10));
  auto* bootId = new QLineEdit(this);
  identify(*bootId, 1032, bootLabel->text());
  bootId->setReadOnly(true);
  bootId->setGeometry(units.rect(77, 35, 80, 14));
  QAbstractButton* read = addButton(1033, tr("Read"), units.rect(162, 33, 42, 16));
  for (QWidget* control : {static_cast<QWidget*>(bootGroup), static_cast<QWidget*>(bootLabel),
                           static_cast<QWidget*>(bootId), static_cast<QWidget*>(read)}) {
    control->setEnabled(false);
  }
}

QAbstractButton* UpgradeWindow::addFileControls(const DialogUnits& units, const Layout& layout) {
  auto* group = new QGroupBox(tr(layout.groupTitle), this);
  identify(*group, layout.groupId, group->title());
  group->setGeometry(inPixels(units, layout.group));
  auto* label = new QLabel(tr("Application file:"), this);
  identify(*label, layout.labelId, label->text());
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label->setGeometry(inPixels(units, layout.label));

  // Created in the order Tab visits them.
  pathField_ = new QLineEdit(this);
  identify(*pathField_, 1034, label->text());
  pathField_->setReadOnly(true);
  pathField_->setGeometry(inPixels(units, layout.path));
  label->setBuddy(pathField_);
  browse_ = addButton(1035, tr("Browse"), inPixels(units, layout.browse));
  upgrade_ = addButton(1036, tr("Upgrade"), inPixels(units, layout.upgrade));
  return addButton(layout.cancelId, tr("Cancel"), inPixels(units, layout.cancel));
}

void UpgradeWindow::addProgress(const DialogUnits& units, const Layout& layout) {
  progress_ = new QProgressBar(this);
  progress_->setObjectName(QStringLiteral("id1037"));
  progress_->setAccessibleName(tr("Upgrade progress"));
  progress_->setRange(0, 100);
  progress_->setTextVisible(false);
  progress_->setGeometry(inPixels(units, layout.progress));
  // Where the focus goes when Upgrade is pressed with the keyboard: a reader then follows
  // the progress, and a second Space presses nothing.
  progress_->setFocusPolicy(Qt::ClickFocus);
}

UpgradeWindow::~UpgradeWindow() {
  if (qApp != nullptr) {
    qApp->removeEventFilter(this);
  }
}

void UpgradeWindow::connectOperation() {
  UpgradeOperation* operation = &operation_;
  connect(operation, &UpgradeOperation::upgradeAllowed, this, &UpgradeWindow::allowUpgrade);
  connect(operation, &UpgradeOperation::progressed, this, &UpgradeWindow::showProgress);
  connect(operation, &UpgradeOperation::ended, this, &UpgradeWindow::showEnd);
  connect(operation, &UpgradeOperation::pauseBegan, this,
          [this](bool restart) { pauseStarted(restart); });
  connect(operation, &UpgradeOperation::pauseOver, this, &UpgradeWindow::pauseEnded);
  connect(operation, &UpgradeOperation::unitSilent, this, &UpgradeWindow::showSilence);
  connect(operation, &UpgradeOperation::unitAnswered, this, &UpgradeWindow::clearSilence);
  connect(operation, &UpgradeOperation::startSent, this, [this] {
    desktop_.started(unit_ == Unit::Base ? tr("Upgrading the base unit")
                                         : tr("Upgrading a handheld unit"));
  });
  connect(operation, &UpgradeOperation::advised, this, [this](const std::string& advice) {
    // Said once, beside the window: the transfer goes on while the operator reads it.
    context_.messages.notice(this, OperatorMessage{.title = windowTitle().toStdString(),
                                                   .text = advice,
                                                   .icon = MessageIcon::Information});
  });
  connect(operation, &UpgradeOperation::recordFailed, this, [this](const std::string& warning) {
    // Beside the window too: the upgrade's own ending is told as it always is.
    context_.messages.notice(this, OperatorMessage{.title = windowTitle().toStdString(),
                                                   .text = warning,
                                                   .icon = MessageIcon::Error});
  });
}

QAbstractButton* UpgradeWindow::addButton(int id, const QString& caption, QRect where) {
  QAbstractButton* button = context_.look.commandButton(*this, caption, ButtonFamily::Small);
  identify(*button, id, caption);
  button->setGeometry(where);
  return button;
}

void UpgradeWindow::prepare(bool startAtOnce) {
  // A button pressed last time may still be the default, and Enter would press it.
  makeDefault(*ok_);
  focusFirstControl(*this);  // the path field
  upgrade_->setEnabled(true);
  progress_->setValue(0);
  clearSilence();
  showPath(QString::fromStdString(unit_ == Unit::Base ? context_.prefs.baseImagePath
                                                      : context_.prefs.handheldImagePath));
  operation_.listen();
  if (startAtOnce) {
    startUpgrade();
  }
}

void UpgradeWindow::startUpgrade() { operation_.start(imagePath_.toStdString()); }

void UpgradeWindow::allowUpgrade(bool allowed) {
  if (!allowed && upgrade_->hasFocus()) {
    progress_->setFocus(Qt::OtherFocusReason);
  }
  upgrade_->setEnabled(allowed);
  if (allowed) {
    // The transfer is over, whichever way.
    clearSilence();
  }
}

void UpgradeWindow::showProgress(int percent) {
  // Every block reports; the figures are worth showing anew with the percentage or once a
  // second, and each change of a tip or a description is work for the accessibility bridge.
  constexpr qint64 kFiguresRefreshMs = 1000;
  if (percent == progress_->value() && transferRunning() && figuresShown_.isValid() &&
      figuresShown_.elapsed() < kFiguresRefreshMs) {
    return;
  }
  figuresShown_.start();
  progress_->setValue(percent);
  desktop_.progressed(percent);
  if (progress_->isTextVisible()) {
    return;  // the silence hint has the tip and the description
  }
  QString figures;
  if (const auto shown = operation_.figures(); shown && transferRunning()) {
    figures = tr("%1% %2").arg(percent).arg(l10n::progressText(*shown));
  }
  progress_->setToolTip(figures);
  if (!paused()) {
    progress_->setAccessibleDescription(figures);
  }
}

void UpgradeWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange || event->type() == QEvent::WindowStateChange) {
    desktop_.activationChanged();
  }
  QDialog::changeEvent(event);
}

void UpgradeWindow::announceLinkBreak(const OperatorMessage& told) {
  desktop_.ended(TransferDesktop::Ending::LinkBroke, l10n::operatorText(told.text));
}

void UpgradeWindow::linkBroken() {
  desktop_.stopped();
  operation_.linkBroke();
}

void UpgradeWindow::showSilence(long long seconds) {
  progress_->setFormat(tr("No answer for %1 s; Cancel ends the transfer").arg(seconds));
  progress_->setTextVisible(true);
  const QString hint =
      tr("The base unit has not answered for %1 seconds. Cancel ends the transfer.").arg(seconds);
  progress_->setToolTip(hint);
  progress_->setAccessibleDescription(hint);
}

void UpgradeWindow::clearSilence() {
  progress_->setTextVisible(false);
  progress_->resetFormat();
  progress_->setToolTip(QString());
  if (!paused()) {
    progress_->setAccessibleDescription(QString());
  }
}

void UpgradeWindow::browse() {
  if (const std::optional<QString> chosen = context_.files.chooseFile(this, imageRequest())) {
    showPath(*chosen);
    const std::string path = imagePath_.toStdString();
    const bool stored = unit_ == Unit::Base
                            ? chooseBaseImagePath(context_.store, context_.prefs, path)
                            : chooseHandheldImagePath(context_.store, context_.prefs, path);
    context_.storeTrouble.afterChoice(this, stored);
  }
  upgrade_->setEnabled(true);
}

void UpgradeWindow::showPath(const QString& path) {
  imagePath_ = path;
  pathField_->setText(path);
  // From its start, as a read-only field shows it; the whole path is on the tip.
  pathField_->setCursorPosition(0);
  pathField_->setToolTip(path);
}

void UpgradeWindow::done(int result) {
  if (paused()) {
    return;  // a press that came past the input filter, as a screen reader's does
  }
  // Cancel, Esc, the close box and the hidden OK alike: the transfer is abandoned and the
  // link released.
  clearSilence();
  desktop_.stopped();
  operation_.close();
  QDialog::done(result);
}

void UpgradeWindow::showEnd(const UpgradeEnd& end) {
  switch (end.ending) {
    case UpgradeEnding::Transfer:
      // The transfer's last word: the desktop hears of the end before the box waits for OK.
      desktop_.ended(isSuccess(end.outcome) ? TransferDesktop::Ending::Upgraded
                                            : TransferDesktop::Ending::Failed,
                     l10n::operatorText(end.message.text));
      context_.messages.show(this, end.message);
      return;
    case UpgradeEnding::LinkRefused:
      clearSilence();
      if (const auto refused = linkedFeatureMessage(*end.opening, context_.prefs.protocol)) {
        context_.messages.show(this, *refused);
      }
      return;
    case UpgradeEnding::LinkBroke:
      // The application tells it in a box; the window only lets Upgrade try again.
      allowUpgrade(true);
      return;
    case UpgradeEnding::Failed: {
      // Only the end of a pause runs outside a window's own call.
      const std::string what = failureText(end.failure);
      reportUnhandledFailure(end.failure);
      allowUpgrade(true);
      const std::string text =
          "The upgrade stopped on an unexpected failure" + (what.empty() ? "!" : ": " + what);
      desktop_.ended(TransferDesktop::Ending::Failed, l10n::operatorText(text));
      context_.messages.show(this, OperatorMessage{.title = std::string(kUpgradeMessageTitle),
                                                   .text = text,
                                                   .icon = MessageIcon::Error});
      return;
    }
    case UpgradeEnding::NoReply:
    case UpgradeEnding::Interrupted:
      return;  // the window waits without end, and nothing interrupts it
  }
}

void UpgradeWindow::pauseStarted(bool restart) {
  // Watching the whole application catches input for every control of the window, and
  // painting goes on untouched. The pointer and the progress bar say that the window waits;
  // nothing moves.
  if (!paused_) {
    paused_ = true;
    qApp->installEventFilter(this);
    setCursor(Qt::BusyCursor);
  }
  progress_->setAccessibleDescription(
      restart ? tr("Waiting while the base unit restarts")
              : tr("Waiting while the base unit takes the start frame"));
}

void UpgradeWindow::pauseEnded() {
  if (!paused_) {
    return;
  }
  paused_ = false;
  qApp->removeEventFilter(this);
  unsetCursor();
  progress_->setAccessibleDescription(QString());
}

bool UpgradeWindow::eventFilter(QObject* watched, QEvent* event) {
  if (isInput(event->type()) && watched->isWidgetType()) {
    auto* widget = static_cast<QWidget*>(watched);
    if (widget == this || isAncestorOf(widget)) {
      event->ignore();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace orbelle::ui
