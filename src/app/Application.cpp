#include "app/Application.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QTimer>
#include <cstdio>

#include "prefs/ComPortMap.h"
#include "prefs/RegistryStore.h"
#include "skin/PreparedImages.h"
#include "skin/SkinLook.h"
#include "ui/FileChooser.h"
#include "ui/FocusMarkStyle.h"
#include "ui/LinkProblemMessage.h"
#include "ui/MessagePresenter.h"
#include "ui/ModalRunner.h"
#include "ui/PlainLook.h"
#include "ui/StoreTrouble.h"

namespace orbelle {

namespace {

const QString kPlainOption = QStringLiteral("--plain");

std::unique_ptr<ui::Look> makeLook(LookChoice choice) {
  if (choice == LookChoice::Plain) {
    return std::make_unique<ui::PlainLook>();
  }
  return std::make_unique<skin::SkinLook>();
}

}  // namespace

Application::Application(const QStringList& arguments, ui::MessagePresenter& messages,
                         ui::ModalRunner& modal, ApplicationOptions options)
    : argumentText_(argumentText(arguments)),
      look_(makeLook(chooseLook(arguments))),
      store_(makeUserPreferenceStore()),
      session_(
          prefs_,
          [this](std::int32_t comNumber) { return resolveComDevice(comNumber, store_.get()); }),
      fileDialog_(std::make_unique<ui::FileDialogChooser>()),
      modal_(modal) {
  ui::FocusMarkStyle::install();
  registerDialogFonts();
  storeTrouble_ = std::make_unique<ui::StoreTrouble>(*store_, messages);
  // Trouble the link meets between exchanges is told in a box, as the windows tell theirs. A
  // broken link is let go of first, so that nothing stays held while the box is read.
  session_.setProblemHandler([this, &messages](HidLink::Problem problem, const std::string& text) {
    switch (problem) {
      case HidLink::Problem::ShortRead:
        tellShortRead(messages, text);
        return;
      case HidLink::Problem::DeviceLost:
      case HidLink::Problem::ReadFailed: {
        const OperatorMessage told = ui::hidProblemMessage(problem, text);
        linkBroke(told);
        messages.show(nullptr, told);
        return;
      }
      case HidLink::Problem::ThreadNotStarted:
        break;
    }
    messages.show(nullptr, ui::hidProblemMessage(problem, text));
  });
  session_.setSerialProblemHandler(
      [this, &messages](SerialLink::Problem problem, const std::string& text) {
        const OperatorMessage told = ui::serialProblemMessage(problem, text);
        linkBroke(told);
        messages.show(nullptr, told);
      });
  ui::FileChooser& files = options.files != nullptr ? *options.files : *fileDialog_;
  mainWindow_ = std::make_unique<ui::MainWindow>(ui::WindowServices{
      session_, *store_, prefs_, messages, *storeTrouble_, modal, files, runHistory_, *look_,
      options.pauses, options.silenceHint, options.settingsReplyTimeout});
  mainWindow_->setWindowIcon(mainWindowIcon());
}

Application::~Application() {
  // Nothing of the link is closed on purpose at exit, but the device and port are let go of
  // before the windows that used them.
  mainWindow_.reset();
  session_.closeLink();
}

QString Application::argumentText(const QStringList& arguments) {
  QStringList rest = arguments.mid(1);
  rest.removeAll(kPlainOption);
  return rest.join(QLatin1Char(' '));
}

LookChoice Application::chooseLook(const QStringList& arguments) {
  if (arguments.mid(1).contains(kPlainOption)) {
    return LookChoice::Plain;
  }
  const QByteArray fromEnvironment = qgetenv("ORBELLE_LOOK");
  if (fromEnvironment == "plain") {
    return LookChoice::Plain;
  }
  if (!fromEnvironment.isEmpty() && fromEnvironment != "skin") {
    std::fprintf(stderr, "ORBELLE_LOOK: unknown look \"%s\" (skin, plain); the skin is used\n",
                 fromEnvironment.constData());
  }
  return LookChoice::Skin;
}

void Application::linkBroke(const OperatorMessage& told) {
  // A transfer's window hears first how its link ended, so that an operator who is elsewhere
  // learns of it too; then the link is let go of.
  const FeatureWindow feature = mainWindow_->activeFeature();
  if (feature == FeatureWindow::UpgradeBaseUnit || feature == FeatureWindow::UpgradeHandheldUnit) {
    mainWindow_->upgradeWindow(feature).announceLinkBreak(told);
  }
  mainWindow_->linkBroken();
}

void Application::tellShortRead(ui::MessagePresenter& messages, const std::string& text) {
  // A unit that sends its reply in pieces sends dozens of them: one box, and the pieces that
  // come while it is due or open are counted. Shown from the event loop, so that the rest of
  // a batch handed over with this one is counted too.
  if (shortReadBoxDue_) {
    ++shortReadsCounted_;
    return;
  }
  shortReadBoxDue_ = true;
  QTimer::singleShot(0, mainWindow_.get(), [this, &messages, text] {
    messages.show(nullptr, ui::hidProblemMessage(HidLink::Problem::ShortRead, text));
    shortReadBoxDue_ = false;
  });
}

int Application::run() {
  mainWindow_->initialise(argumentText_);
  modal_.run(*mainWindow_);
  return 0;
}

void registerDialogFonts() {
  // Added whether or not the system has a Tahoma of its own: asking would list every font
  // family installed, a fifth of the start-up.
  const QDir wineFonts(QStringLiteral("/usr/share/wine/fonts"));
  for (const char* file : {"tahoma.ttf", "tahomabd.ttf"}) {
    const QString path = wineFonts.filePath(QLatin1String(file));
    if (QFile::exists(path)) {
      QFontDatabase::addApplicationFont(path);
    }
  }
}

namespace {

// An icon of built-in files, one a size. Those decoded at build time are taken as they are;
// on a high-density screen QIcon reads the files, and finds their "@2x" files beside them.
QIcon builtInIcon(const QString& pattern, std::initializer_list<int> sizes) {
  QIcon icon;
  const bool highDensity = qApp->devicePixelRatio() > 1.0;
  for (const int size : sizes) {
    const QString file = pattern.arg(size);
    const QImage prepared = highDensity ? QImage() : skin::preparedImage(file);
    if (prepared.isNull()) {
      icon.addFile(file, QSize(size, size));
    } else {
      icon.addPixmap(QPixmap::fromImage(prepared));
    }
  }
  return icon;
}

}  // namespace

QIcon mainWindowIcon() { return builtInIcon(QStringLiteral(":/skin/icon-%1.png"), {16, 32}); }

void identifyProgram() {
  QApplication::setApplicationName(QStringLiteral("Orbelle"));
  QApplication::setDesktopFileName(QStringLiteral("orbelle"));
  // The sizes of title bars and task bars; larger views take the installed icon theme's copy
  // through the desktop entry.
  QApplication::setWindowIcon(
      builtInIcon(QStringLiteral(":/icons/orbelle-%1.png"), {16, 32, 48, 64}));
}

}  // namespace orbelle
