#include "ui/ModalRunner.h"

#include <QDialog>

namespace orbelle::ui {

void ExecRunner::run(QDialog& window) { window.exec(); }

}  // namespace orbelle::ui
