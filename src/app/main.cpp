#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "app/Application.h"
#include "app/DisplayCheck.h"
#include "app/HelpAndVersion.h"
#include "l10n/Translations.h"
#include "ui/MessagePresenter.h"
#include "ui/ModalRunner.h"

int main(int argc, char* argv[]) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  if (const auto text = orbelle::helpOrVersionText(arguments)) {
    std::fputs(text->c_str(), stdout);
    return 0;
  }
  if (const auto refusal = orbelle::argumentRefusal(arguments)) {
    std::fputs(refusal->c_str(), stderr);
    return 2;
  }
  if (const auto missing = orbelle::missingDisplay()) {
    std::fputs(missing->c_str(), stderr);
    return 1;
  }
  orbelle::PlatformStartWatch platformStart;
  QApplication qtApp(argc, argv);
  platformStart.started();
  orbelle::identifyProgram();
  // Before the first window: the windows take their captions as they are built.
  const orbelle::l10n::Translations language(orbelle::l10n::Translations::desktopChoice());
  orbelle::ui::MessageBoxPresenter messages;
  orbelle::ui::ExecRunner modal;
  orbelle::Application app(QApplication::arguments(), messages, modal);
  return app.run();
}
