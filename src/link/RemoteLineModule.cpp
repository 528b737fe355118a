#include "link/RemoteLineModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QString>
#include <string>
#include <system_error>

#include "link/LinkMessages.h"
#include "protocol/LinkError.h"

namespace orbelle {

namespace {

QString moduleBesideProgram() {
  if (QCoreApplication::instance() == nullptr) {
    return {};
  }
  return QDir(QCoreApplication::applicationDirPath())
      .filePath(QStringLiteral(ORBELLE_REMOTE_LINE_FILE));
}

// The module's entry, loading it on the first call that finds it; throws LinkError saying why
// it cannot be loaded. A failure is not kept: the module may be installed meanwhile.
RemoteLineEntry moduleEntry(std::string& path) {
  static RemoteLineEntry loaded = nullptr;
  QString file = moduleBesideProgram();
  if (file.isEmpty() || !QFileInfo::exists(file)) {
    file = QStringLiteral(ORBELLE_REMOTE_LINE_INSTALLED);
  }
  path = file.toStdString();
  if (loaded != nullptr) {
    return loaded;
  }
  if (!QFileInfo::exists(file)) {
    // The loader's own words would name the other file names it then tries.
    throw LinkError(remoteLineModuleFailedText(
        path, std::make_error_code(std::errc::no_such_file_or_directory).message()));
  }
  // The library stays loaded when this object goes: lines made by it live on.
  QLibrary library(file);
  if (!library.load()) {
    throw LinkError(remoteLineModuleFailedText(path, library.errorString().toStdString()));
  }
  loaded = reinterpret_cast<RemoteLineEntry>(library.resolve(kRemoteLineEntry));
  if (loaded == nullptr) {
    throw LinkError(remoteLineModuleFailedText(path, library.errorString().toStdString()));
  }
  return loaded;
}

}  // namespace

std::unique_ptr<RemoteLine> newRemoteLine() {
  std::string path;
  const RemoteLineEntry entry = moduleEntry(path);
  std::unique_ptr<RemoteLine> line(entry(kRemoteLineInterfaceVersion));
  if (!line) {
    throw LinkError(remoteLineModuleFailedText(path, kRemoteLineModuleOtherVersionText));
  }
  return line;
}

}  // namespace orbelle
