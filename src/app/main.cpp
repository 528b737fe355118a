#include <QApplication>

#include "app/Application.h"
#include "ui/MessagePresenter.h"
#include "ui/ModalRunner.h"

int main(int argc, char* argv[]) {
  QApplication qtApp(argc, argv);
  orbelle::identifyProgram();
  orbelle::ui::MessageBoxPresenter messages;
  orbelle::ui::ExecRunner modal;
  orbelle::Application app(QApplication::arguments(), messages, modal);
  return app.run();
}
