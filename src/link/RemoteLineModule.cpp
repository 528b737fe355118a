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

struct LoadedModule {
  RemoteLineEntry entry = nullptr;
  std::string path;
  std::string failure;  // why it could not be loaded, when entry is none
};

QString moduleBesideProgram() {
  if (QCoreApplication::instance() == nullptr) {
    return {};
  }
  return QDir(QCoreApplication::applicationDirPath())
      .filePath(QStringLiteral(ORBELLE_REMOTE_LINE_FILE));
}

LoadedModule load() {
  QString path = moduleBesideProgram();
  if (path.isEmpty() || !QFileInfo::exists(path)) {
    path = QStringLiteral(ORBELLE_REMOTE_LINE_INSTALLED);
  }
  LoadedModule loaded{nullptr, path.toStdString(), {}};
  if (!QFileInfo::exists(path)) {
    // The loader's own words would name the other file names it then tries.
    loaded.failure = std::make_error_code(std::errc::no_such_file_or_directory).message();
    return loaded;
  }
  // Never unloaded: lines made by it may live until the program ends.
  auto* library = new QLibrary(path);
  if (!library->load()) {
    loaded.failure = library->errorString().toStdString();
    delete library;
    return loaded;
  }
  loaded.entry = reinterpret_cast<RemoteLineEntry>(library->resolve(kRemoteLineEntry));
  if (loaded.entry == nullptr) {
    loaded.failure = library->errorString().toStdString();
  }
  return loaded;
}

}  // namespace

std::unique_ptr<RemoteLine> newRemoteLine() {
  static const LoadedModule module = load();
  if (module.entry == nullptr) {
    throw LinkError(remoteLineModuleFailedText(module.path, module.failure));
  }
  std::unique_ptr<RemoteLine> line(module.entry(kRemoteLineInterfaceVersion));
  if (!line) {
    throw LinkError(remoteLineModuleFailedText(module.path, kRemoteLineModuleOtherVersionText));
  }
  return line;
}

}  // namespace orbelle
