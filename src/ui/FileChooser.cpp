#include "ui/FileChooser.h"

#include <QFileDialog>
#include <QScreen>

#include "ui/ScreenFit.h"

namespace orbelle::ui {

namespace {

// The dialog Qt draws itself, where the platform offers none of its own, fits the screen of the
// window that asks, its frame included: a magnified screen may be smaller than the dialog's
// own size. A platform's dialog sizes itself, and this one then stays hidden.
void fitToScreen(QFileDialog& dialog, const QWidget* owner) {
  const QWidget& asking = owner != nullptr ? *owner->window() : dialog;
  if (const QScreen* screen = asking.screen()) {
    const QRect room = screen->availableGeometry().marginsRemoved(windowFrame(asking));
    dialog.resize(dialog.size().boundedTo(room.size()));
  }
}

}  // namespace

std::optional<QString> FileDialogChooser::chooseFile(QWidget* owner, const FileRequest& request) {
  QFileDialog dialog(owner);
  dialog.setObjectName(QStringLiteral("fileDialog"));  // for programs that drive the windows
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilter(request.filter);
  dialog.setDefaultSuffix(request.defaultSuffix);
  dialog.selectFile(request.initialName);
  fitToScreen(dialog, owner);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
}

}  // namespace orbelle::ui
