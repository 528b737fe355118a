#include <QApplication>

#include "app/Application.h"
#include "app/HelpAndVersion.h"
#include "ui/MessagePresenter.h"
#include "ui/ModalRunner.h"

int main(int argc, char* argv[]) {
  if (const auto text = orbelle::helpOrVersionText({argv + 1, argv + argc})) {
    std::fputs(text->c_str(), stdout);
    return 0;
  }
  QApplication qtApp(argc, argv);
  orbelle::identifyProgram();
  orbelle::ui::MessageBoxPresenter messages;
  orbelle::ui::ExecRunner modal;
  orbelle::Application app(QApplication::arguments(), messages, modal);
  return app.run();
}
