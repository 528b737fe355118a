#include "link/DeviceLock.h"

#include <QDir>

namespace orbelle {

std::string DeviceLock::lockFilePath(const std::string& devicePath) {
  std::string name = "orbelle-device-";
  for (const char c : devicePath) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    name.push_back(plain ? c : '_');
  }
  name += ".lock";
  return QDir(QDir::tempPath()).filePath(QString::fromStdString(name)).toStdString();
}

DeviceLock::Attempt DeviceLock::tryTake(const std::string& devicePath) {
  auto file = std::make_unique<QLockFile>(QString::fromStdString(lockFilePath(devicePath)));
  // Age says nothing here: a transfer holds the lock for an hour. A lock whose owner has
  // died is recognised by its PID and taken over.
  file->setStaleLockTime(0);
  if (file->tryLock(0)) {
    return {std::unique_ptr<DeviceLock>(new DeviceLock(std::move(file))), std::nullopt};
  }
  qint64 pid = 0;
  if (file->error() == QLockFile::LockFailedError && file->getLockInfo(&pid, nullptr, nullptr)) {
    return {nullptr, static_cast<std::int64_t>(pid)};
  }
  return {nullptr, std::nullopt};
}

}  // namespace orbelle
