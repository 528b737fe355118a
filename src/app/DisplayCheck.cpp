#include "app/DisplayCheck.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace orbelle {

namespace {

struct HeldMessage {
  QtMsgType type;
  QString category;
  QString text;
};

QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage> held;

void holdOrFail(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg) {
    held.push_back({type, QString::fromUtf8(context.category), text});
    return;
  }
  // The first thing Qt's platform code said is the cause ("could not connect to display :99");
  // what follows, and the fatal text, are consequences and advice.
  QString reason = text.section(QLatin1Char('\n'), 0, 0);
  for (const HeldMessage& message : held) {
    if (message.category.startsWith(QLatin1String("qt.qpa"))) {
      reason = message.text;
      break;
    }
  }
  std::fprintf(stderr, "orbelle: cannot open a window: %s\n", qPrintable(reason));
  std::fflush(stderr);
  std::_Exit(1);
}

}  // namespace

std::optional<std::string> missingDisplay() {
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
      !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    return std::nullopt;
  }
  return "orbelle: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set); "
         "vkr does the same work from a shell\n";
}

PlatformStartWatch::PlatformStartWatch() { previousHandler = qInstallMessageHandler(holdOrFail); }

PlatformStartWatch::~PlatformStartWatch() { started(); }

void PlatformStartWatch::started() {
  if (previousHandler == nullptr) {
    return;
  }
  qInstallMessageHandler(previousHandler);
  for (const HeldMessage& message : held) {
    const QByteArray category = message.category.toUtf8();
    previousHandler(message.type, QMessageLogContext(nullptr, 0, nullptr, category.constData()),
                    message.text);
  }
  held.clear();
  previousHandler = nullptr;
}

}  // namespace orbelle
