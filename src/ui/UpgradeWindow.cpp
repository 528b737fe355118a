#include "ui/UpgradeWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTimer>

#include "opening/LinkedFeature.h"
#include "ui/DefaultButton.h"
#include "ui/DialogUnits.h"
#include "ui/FileChooser.h"
#include "ui/LinkProblemMessage.h"
#include "ui/Look.h"
#include "ui/MessagePresenter.h"
#include "ui/StoreTrouble.h"
#include "upgrade/TransferFigures.h"
#include "upgrade/UpgradeMessages.h"

namespace orbelle::ui {

namespace {

// Windows' "*.*" matches every name; Qt's needs a dot, so "All file" takes "*".
const FileRequest kImageRequest{QStringLiteral("Plain Binary(*.dat);;All file(*)"),
                                QStringLiteral("dat"), QStringLiteral("*.dat")};

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
                         "Upgrade Base Unit",
                         291,
                         166,
                         "Upgrade base unit:",
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

const Layout kHandheldLayout{136,
                             "Upgrade Handheld Unit",
                             267,
                             126,
                             "Update handheld unit:",
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
      link_(context.session, context.pauses,
            [this](std::exception_ptr failure) { abandon(std::move(failure)); }),
      transfer_(unit == Unit::Base ? kBaseUpgradeTable : kHandheldUpgradeTable,
                context.session.state(), link_, *this, context.runFlags),
      desktop_(*this, QLatin1String(unit == Unit::Base ? kBaseLayout.title : kHandheldLayout.title),
               unit == Unit::Base ? QStringLiteral("Base unit upgraded")
                                  : QStringLiteral("Handheld unit upgraded")) {
  link_.attach(transfer_);
  const Layout& layout = unit == Unit::Base ? kBaseLayout : kHandheldLayout;
  setObjectName(QStringLiteral("dialog%1").arg(layout.dialogId));
  setWindowTitle(QLatin1String(layout.title));
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
  ok_ = addButton(1, QStringLiteral("OK"), inPixels(units, layout.ok));
  makeDefault(*ok_);
  ok_->hide();

  // During a pause the window takes no input; a press that arrives another way (a screen
  // reader's Press action) is dropped as a click is.
  connect(browse_, &QAbstractButton::clicked, this, [this] {
    if (!paused()) {
      browse();
    }
  });
  connect(upgrade_, &QAbstractButton::clicked, this, [this] {
    if (!paused()) {
      startUpgrade();
    }
  });
  connect(cancel, &QAbstractButton::clicked, this, &QDialog::reject);
  connect(ok_, &QAbstractButton::clicked, this, &QDialog::accept);
  context_.look.decorate(
      *this, unit == Unit::Base ? WindowPicture::UpgradeBase : WindowPicture::UpgradeHandheld);
}

void UpgradeWindow::addBootloaderRow(const DialogUnits& units) {
  // Shown as the unit's tools had it, but nothing reads a bootloader here: never enabled.
  auto* bootGroup = new QGroupBox(QStringLiteral("Bootloader Version:"), this);
  identify(*bootGroup, 1069, bootGroup->title());
  bootGroup->setGeometry(units.rect(17, 15, 194, 39));
  auto* bootLabel = new QLabel(QStringLiteral("Bootloader ID:"), this);
  identify(*bootLabel, 1071, bootLabel->text());
  bootLabel->setGeometry(units.rect(21, 39, 55, 10));
  auto* bootId = new QLineEdit(this);
  identify(*bootId, 1032, bootLabel->text());
  bootId->setReadOnly(true);
  bootId->setGeometry(units.rect(77, 35, 80, 14));
  QAbstractButton* read = addButton(1033, QStringLiteral("Read"), units.rect(162, 33, 42, 16));
  for (QWidget* control : {static_cast<QWidget*>(bootGroup), static_cast<QWidget*>(bootLabel),
                           static_cast<QWidget*>(bootId), static_cast<QWidget*>(read)}) {
    control->setEnabled(false);
  }
}

QAbstractButton* UpgradeWindow::addFileControls(const DialogUnits& units, const Layout& layout) {
  auto* group = new QGroupBox(QLatin1String(layout.groupTitle), this);
  identify(*group, layout.groupId, group->title());
  group->setGeometry(inPixels(units, layout.group));
  auto* label = new QLabel(QStringLiteral("Application file:"), this);
  identify(*label, layout.labelId, label->text());
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label->setGeometry(inPixels(units, layout.label));

  // Created in the order Tab visits them.
  pathField_ = new QLineEdit(this);
  identify(*pathField_, 1034, label->text());
  pathField_->setReadOnly(true);
  pathField_->setGeometry(inPixels(units, layout.path));
  label->setBuddy(pathField_);
  browse_ = addButton(1035, QStringLiteral("Browse"), inPixels(units, layout.browse));
  upgrade_ = addButton(1036, QStringLiteral("Upgrade"), inPixels(units, layout.upgrade));
  return addButton(layout.cancelId, QStringLiteral("Cancel"), inPixels(units, layout.cancel));
}

void UpgradeWindow::addProgress(const DialogUnits& units, const Layout& layout) {
  progress_ = new QProgressBar(this);
  progress_->setObjectName(QStringLiteral("id1037"));
  progress_->setAccessibleName(QStringLiteral("Upgrade progress"));
  progress_->setRange(0, 100);
  progress_->setTextVisible(false);
  progress_->setGeometry(inPixels(units, layout.progress));
  // Where the focus goes when Upgrade is pressed with the keyboard: a reader then follows
  // the progress, and a second Space presses nothing.
  progress_->setFocusPolicy(Qt::ClickFocus);

  // A unit that stays silent is waited for without end (a slow one must not be abandoned),
  // but not without a word.
  silence_ = new QTimer(this);
  silence_->setSingleShot(true);
  connect(silence_, &QTimer::timeout, this, &UpgradeWindow::showSilence);
}

UpgradeWindow::~UpgradeWindow() {
  context_.session.dispatcher().detach(feature());
  link_.cancelPause();
  if (qApp != nullptr) {
    qApp->removeEventFilter(this);
  }
}

Feature UpgradeWindow::feature() const {
  return unit_ == Unit::Base ? Feature::UpgradeBaseUnit : Feature::UpgradeHandheldUnit;
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
  context_.session.dispatcher().attach(feature(), &transfer_);
  if (startAtOnce) {
    startUpgrade();
  }
}

void UpgradeWindow::startUpgrade() {
  silentFor_.start();
  silence_->start(context_.silenceHint);
  if (linkReady()) {
    transfer_.startUpgrade(std::filesystem::path(imagePath_.toStdString()));
  }
}

bool UpgradeWindow::linkReady() {
  LinkChannel& link = context_.session.link();
  if (link.outcome() == LinkOutcome::Usable) {
    return true;
  }
  // Released after it broke: opened again as the main window's command would.
  if (const auto refused = linkedFeatureMessage(runLinkedFeature(feature(), context_.prefs, link),
                                                context_.prefs.protocol)) {
    clearSilence();
    context_.messages.show(this, *refused);
    return false;
  }
  return true;
}

void UpgradeWindow::setUpgradeEnabled(bool enabled) {
  if (!enabled && upgrade_->hasFocus()) {
    progress_->setFocus(Qt::OtherFocusReason);
  }
  upgrade_->setEnabled(enabled);
  if (enabled) {
    // The transfer is over, whichever way.
    clearSilence();
  }
}

void UpgradeWindow::transferEvent(UpgradeEvent event) {
  switch (event) {
    case UpgradeEvent::StartSent:
      context_.session.serial().clearTurnarounds();
      adapterAdvised_ = false;
      blocksClock_.invalidate();
      desktop_.started(unit_ == Unit::Base ? QStringLiteral("Upgrading the base unit")
                                           : QStringLiteral("Upgrading a handheld unit"));
      return;
    case UpgradeEvent::BlockSent:
      if (!blocksClock_.isValid()) {
        blocksClock_.start();
      }
      adviseOnAdapterDelay();
      return;
    case UpgradeEvent::BlockResent:
    case UpgradeEvent::HandshakeAnswered:
    case UpgradeEvent::AllBlocksAcknowledged:
    case UpgradeEvent::Completed:
      return;
  }
}

void UpgradeWindow::adviseOnAdapterDelay() {
  LinkSession& session = context_.session;
  if (adapterAdvised_ || !blocksClock_.isValid() ||
      session.state().protocol != LinkProtocol::Rs232) {
    return;
  }
  if (const auto advice = adapterDelayAdvice(
          session.serial().turnarounds(), static_cast<double>(blocksClock_.elapsed()) / 1000.0,
          transfer_.counters().blocksSent, transfer_.imageLength(),
          session.serial().devicePath())) {
    // Said once, beside the window: the transfer goes on while the operator reads it.
    adapterAdvised_ = true;
    context_.messages.notice(this, OperatorMessage{.title = windowTitle().toStdString(),
                                                   .text = *advice,
                                                   .icon = MessageIcon::Information});
  }
}

void UpgradeWindow::setProgress(int percent) {
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
  if (transferRunning() && blocksClock_.isValid()) {
    figures = QStringLiteral("%1% ").arg(percent) +
              QString::fromStdString(
                  describeProgress(transfer_.counters().imageBytesSent, transfer_.imageLength(),
                                   static_cast<double>(blocksClock_.elapsed()) / 1000.0));
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
  desktop_.ended(TransferDesktop::Ending::LinkBroke, QString::fromStdString(told.text));
}

void UpgradeWindow::linkBroken() {
  desktop_.stopped();
  // Released at once, so that nothing (a USB device above all) stays held until the window
  // closes.
  endPause();
  transfer_.closeImage();
  context_.session.closeLink();
  clearSilence();
  upgrade_->setEnabled(true);
}

void UpgradeWindow::replyReceived() {
  // Every reply comes here: the bar is touched only when the hint was showing.
  if (progress_->isTextVisible()) {
    clearSilence();
  }
  if (transferRunning()) {
    // The timer is not set anew for each reply; when it fires it looks at the time since the
    // last one.
    silentFor_.start();
    if (!silence_->isActive()) {
      silence_->start(context_.silenceHint);
    }
  }
}

void UpgradeWindow::showSilence() {
  if (!transferRunning() || paused()) {
    return;
  }
  const qint64 hintMs = context_.silenceHint.count();
  if (silentFor_.elapsed() < hintMs) {
    silence_->start(std::chrono::milliseconds(hintMs - silentFor_.elapsed()));
    return;
  }
  const auto seconds = silentFor_.elapsed() / 1000;
  progress_->setFormat(QStringLiteral("No answer for %1 s; Cancel ends the transfer").arg(seconds));
  progress_->setTextVisible(true);
  const QString hint = QStringLiteral(
                           "The base unit has not answered for %1 seconds. Cancel ends the "
                           "transfer.")
                           .arg(seconds);
  progress_->setToolTip(hint);
  progress_->setAccessibleDescription(hint);
  // The count goes on, second by second, until a reply comes.
  silence_->start(std::chrono::milliseconds(1000 - silentFor_.elapsed() % 1000));
}

void UpgradeWindow::clearSilence() {
  silence_->stop();
  progress_->setTextVisible(false);
  progress_->resetFormat();
  progress_->setToolTip(QString());
  if (!paused()) {
    progress_->setAccessibleDescription(QString());
  }
}

void UpgradeWindow::browse() {
  if (const std::optional<QString> chosen = context_.files.chooseFile(this, kImageRequest)) {
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
  // Detached first: a reply already on its way finds no receiver rather than a closed image.
  context_.session.dispatcher().detach(feature());
  endPause();
  transfer_.closeImage();
  context_.session.closeLink();
  QDialog::done(result);
}

void UpgradeWindow::transferFinished(UpgradeOutcome outcome, std::string_view text,
                                     std::string_view title, MessageIcon icon) {
  // The transfer's last word: the desktop hears of the end before the box waits for OK.
  desktop_.ended(
      isSuccess(outcome) ? TransferDesktop::Ending::Upgraded : TransferDesktop::Ending::Failed,
      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  context_.messages.show(
      this, OperatorMessage{.title = std::string(title), .text = std::string(text), .icon = icon});
}

void UpgradeWindow::pauseStarted(bool restart, std::chrono::milliseconds /*duration*/) {
  // Watching the whole application catches input for every control of the window, and
  // painting goes on untouched. The pointer and the progress bar say that the window waits;
  // nothing moves.
  if (!paused_) {
    paused_ = true;
    qApp->installEventFilter(this);
    setCursor(Qt::BusyCursor);
  }
  progress_->setAccessibleDescription(
      restart ? QStringLiteral("Waiting while the base unit restarts")
              : QStringLiteral("Waiting while the base unit takes the start frame"));
  // Time in a pause is not the unit's silence: no reply can be handled meanwhile.
  silence_->stop();
}

void UpgradeWindow::pauseEnded() {
  if (!paused_) {
    return;
  }
  paused_ = false;
  qApp->removeEventFilter(this);
  unsetCursor();
  progress_->setAccessibleDescription(QString());
  if (transferRunning()) {
    silentFor_.start();
    silence_->start(context_.silenceHint);
  }
}

void UpgradeWindow::endPause() {
  link_.cancelPause();
  pauseEnded();
}

void UpgradeWindow::abandon(std::exception_ptr failure) {
  // Only the end of a pause runs outside a window's own call.
  const std::string what = failureText(failure);
  reportUnhandledFailure(failure);
  transfer_.closeImage();
  pauseEnded();
  setUpgradeEnabled(true);
  const std::string text =
      "The upgrade stopped on an unexpected failure" + (what.empty() ? "!" : ": " + what);
  desktop_.ended(TransferDesktop::Ending::Failed, QString::fromStdString(text));
  context_.messages.show(this, OperatorMessage{.title = std::string(kUpgradeMessageTitle),
                                               .text = text,
                                               .icon = MessageIcon::Error});
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
