#include "ui/FileChooser.h"

#include <QFileDialog>

namespace orbelle::ui {

std::optional<QString> FileDialogChooser::chooseFile(QWidget* owner, const FileRequest& request) {
  QFileDialog dialog(owner);
  dialog.setObjectName(QStringLiteral("fileDialog"));  // for programs that drive the windows
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilter(request.filter);
  dialog.setDefaultSuffix(request.defaultSuffix);
  dialog.selectFile(request.initialName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
}

}  // namespace orbelle::ui
