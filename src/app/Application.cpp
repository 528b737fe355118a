#include "app/Application.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QPalette>

#include "prefs/ComPortMap.h"
#include "prefs/RegistryStore.h"
#include "ui/FileChooser.h"
#include "ui/LinkProblemMessage.h"
#include "ui/MessagePresenter.h"
#include "ui/ModalRunner.h"

namespace orbelle {

namespace {

const QColor kDialogBackground(217, 230, 230);
const QColor kDialogText(38, 25, 25);

}  // namespace

Application::Application(const QStringList& arguments, ui::MessagePresenter& messages,
                         ui::ModalRunner& modal, ApplicationOptions options)
    : argumentText_(argumentText(arguments)),
      store_(makeUserPreferenceStore()),
      session_(
          [this](std::int32_t comNumber) { return resolveComDevice(comNumber, store_.get()); }),
      fileDialog_(std::make_unique<ui::FileDialogChooser>()),
      modal_(modal) {
  registerDialogFonts();
  // Trouble the link meets between exchanges is told in a box, as the windows tell theirs.
  session_.setProblemHandler([&messages](HidLink::Problem problem, const std::string& text) {
    messages.show(nullptr, ui::hidProblemMessage(problem, text));
  });
  session_.setSerialProblemHandler(
      [&messages](SerialLink::Problem problem, const std::string& text) {
        messages.show(nullptr, ui::serialProblemMessage(problem, text));
      });
  ui::FileChooser& files = options.files != nullptr ? *options.files : *fileDialog_;
  mainWindow_ = std::make_unique<ui::MainWindow>(ui::ShellContext{
      session_, *store_, prefs_, messages, modal, files, runFlags_, options.pauses});
  setDialogColours();
}

Application::~Application() {
  // Nothing of the link is closed on purpose at exit, but the device and port are let go of
  // before the windows that used them.
  mainWindow_.reset();
  session_.closeLink();
}

QString Application::argumentText(const QStringList& arguments) {
  return arguments.mid(1).join(QLatin1Char(' '));
}

int Application::run() {
  mainWindow_->initialise(argumentText_);
  modal_.run(*mainWindow_);
  return 0;
}

void registerDialogFonts() {
  if (QFontDatabase::hasFamily(QStringLiteral("Tahoma"))) {
    return;
  }
  const QDir wineFonts(QStringLiteral("/usr/share/wine/fonts"));
  for (const char* file : {"tahoma.ttf", "tahomabd.ttf"}) {
    const QString path = wineFonts.filePath(QLatin1String(file));
    if (QFile::exists(path)) {
      QFontDatabase::addApplicationFont(path);
    }
  }
}

void setDialogColours() {
  QPalette palette = QApplication::palette();
  palette.setColor(QPalette::Window, kDialogBackground);
  palette.setColor(QPalette::WindowText, kDialogText);
  QApplication::setPalette(palette);
}

}  // namespace orbelle
