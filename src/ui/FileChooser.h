#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace orbelle::ui {

// What a file-open dialog is asked for: Qt's filter text ("Name(*.ext);;..."), the
// extension a typed name without one gets, and the name the dialog starts with.
struct FileRequest {
  QString filter;
  QString defaultSuffix;
  QString initialName;
};

// Asks the operator for an existing file and returns once they have answered: its full path,
// or nothing when they cancelled.
class FileChooser {
 public:
  virtual ~FileChooser() = default;
  virtual std::optional<QString> chooseFile(QWidget* owner, const FileRequest& request) = 0;
};

// The platform's file-open dialog, starting in its current folder.
class FileDialogChooser : public FileChooser {
 public:
  std::optional<QString> chooseFile(QWidget* owner, const FileRequest& request) override;
};

}  // namespace orbelle::ui
