#include "ui/UpgradeWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

#include "ui/DefaultButton.h"
#include "ui/DialogUnits.h"
#include "ui/FileChooser.h"
#include "ui/Look.h"
#include "ui/MessagePresenter.h"

namespace orbelle::ui {

namespace {

// Windows' "*.*" matches every name; Qt's needs a dot, so "All file" takes "*".
const FileRequest kImageRequest{QStringLiteral("Plain Binary(*.dat);;All file(*)"),
                                QStringLiteral("dat")};

// Where the controls of one window go, in dialog units.
struct Layout {
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

UpgradeWindow::UpgradeWindow(Unit unit, const ShellContext& context)
    : unit_(unit),
      context_(context),
      engine_(unit, context.session, context.runFlags, context.pauses,
              {.setUpgradeEnabled = [this](bool enabled) { upgrade_->setEnabled(enabled); },
               .setProgress = [this](int percent) { progress_->setValue(percent); },
               .showMessage = [this](std::string_view text, std::string_view title,
                                     MessageIcon icon) { showMessage(text, title, icon); },
               .setPaused = [this](bool paused) { setPaused(paused); }}) {
  const Layout& layout = unit == Unit::Base ? kBaseLayout : kHandheldLayout;
  setObjectName(QStringLiteral("dialog%1").arg(layout.dialogId));
  setWindowTitle(QLatin1String(layout.title));
  setFont(dialogFont(QStringLiteral("Tahoma"), 10));
  const DialogUnits units(font());
  setFixedSize(units.size(layout.width, layout.height));

  // Frames first, so that the controls over them stay on top.
  if (unit == Unit::Base) {
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
  QAbstractButton* cancel =
      addButton(layout.cancelId, QStringLiteral("Cancel"), inPixels(units, layout.cancel));

  progress_ = new QProgressBar(this);
  progress_->setObjectName(QStringLiteral("id1037"));
  progress_->setAccessibleName(QStringLiteral("Upgrade progress"));
  progress_->setRange(0, 100);
  progress_->setTextVisible(false);
  progress_->setGeometry(inPixels(units, layout.progress));

  // Never shown; it closes the window like Cancel does, so even it cannot leave the link open.
  // As the hidden default, it keeps Enter from pressing a button that has no focus: without
  // one, Qt would make the first button the default, and Enter would cancel the window.
  ok_ = addButton(1, QStringLiteral("OK"), inPixels(units, layout.ok));
  makeDefault(*ok_);
  ok_->hide();

  connect(browse_, &QAbstractButton::clicked, this, &UpgradeWindow::browse);
  connect(upgrade_, &QAbstractButton::clicked, this,
          [this] { engine_.start(std::filesystem::path(imagePath_.toStdString())); });
  connect(cancel, &QAbstractButton::clicked, this, &QDialog::reject);
  connect(ok_, &QAbstractButton::clicked, this, &QDialog::accept);
  context_.look.decorate(
      *this, unit == Unit::Base ? WindowPicture::UpgradeBase : WindowPicture::UpgradeHandheld);
}

UpgradeWindow::~UpgradeWindow() {
  if (qApp != nullptr) {
    qApp->removeEventFilter(this);
  }
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
  browse_->setFocus();
  upgrade_->setEnabled(true);
  progress_->setValue(0);
  showPath(QString::fromStdString(unit_ == Unit::Base ? context_.prefs.baseImagePath
                                                      : context_.prefs.handheldImagePath));
  engine_.attach();
  if (startAtOnce) {
    engine_.start(std::filesystem::path(imagePath_.toStdString()));
  }
}

void UpgradeWindow::browse() {
  if (const std::optional<QString> chosen = context_.files.chooseFile(this, kImageRequest)) {
    showPath(*chosen);
    const std::string path = imagePath_.toStdString();
    if (unit_ == Unit::Base) {
      chooseBaseImagePath(context_.store, context_.prefs, path);
    } else {
      chooseHandheldImagePath(context_.store, context_.prefs, path);
    }
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
  // Cancel, Esc, the close box and the hidden OK alike: the transfer is abandoned and the
  // link released.
  engine_.closeDown();
  QDialog::done(result);
}

void UpgradeWindow::showMessage(std::string_view text, std::string_view title, MessageIcon icon) {
  context_.messages.show(
      this, OperatorMessage{.title = std::string(title), .text = std::string(text), .icon = icon});
}

void UpgradeWindow::setPaused(bool paused) {
  // Watching the whole application catches input for every control of the window, and
  // painting goes on untouched.
  if (paused) {
    qApp->installEventFilter(this);
  } else {
    qApp->removeEventFilter(this);
  }
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
