#include "link/DeviceLock.h"

#include <QDir>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>

#include <sys/file.h>
#include <sys/stat.h>
#endif
#ifdef __linux__
#include <sys/sysmacros.h>
#endif

#include "link/LinkMessages.h"

namespace orbelle {

namespace {

// A second name for the same device (a symbolic link under /dev/serial/by-id) keys the
// same lock. A path that does not resolve is kept as given: its opening fails anyway.
std::string deviceKey(const std::string& devicePath) {
#ifdef _WIN32
  return devicePath;
#else
  if (devicePath.find("://") != std::string::npos) {
    return devicePath;  // a network serial server's port: no file to resolve
  }
  std::error_code failed;
  const std::filesystem::path resolved = std::filesystem::weakly_canonical(devicePath, failed);
  return failed || resolved.empty() ? devicePath : resolved.string();
#endif
}

#ifndef _WIN32

DeviceLock::Attempt unavailable(const std::string& lockPath, const std::string& why) {
  return {DeviceLock::Outcome::Unavailable, nullptr, std::nullopt,
          lockUnavailableText(lockPath, why)};
}

// The holder's PID as it wrote it; none while it has not written it yet, or if the text is
// anything else.
std::optional<std::int64_t> readOwner(int fd) {
  char text[32] = {};
  const ssize_t n = ::pread(fd, text, sizeof text - 1, 0);
  std::int64_t pid = 0;
  if (n <= 0) {
    return std::nullopt;
  }
  const char* end = text + n;
  const auto [stop, error] = std::from_chars(text, end, pid);
  if (error != std::errc() || stop == text || pid <= 0 || (stop != end && *stop != '\n')) {
    return std::nullopt;
  }
  return pid;
}

void writeOwner(int fd) {
  // Only for the messages of those refused: a failed write leaves them without a PID. The
  // file may hold the PID of a holder that died.
  const std::string text = std::to_string(::getpid()) + "\n";
  if (::ftruncate(fd, 0) == 0) {
    (void)!::pwrite(fd, text.data(), text.size(), 0);
  }
}

#endif

}  // namespace

LinkRefusal DeviceLock::Attempt::refusal(const std::string& device) const {
  if (outcome == Outcome::InUse) {
    return {LinkFailure::Busy, device, inUseByText(ownerPid)};
  }
  return {LinkFailure::Other, device, why};
}

std::string DeviceLock::lockFilePath(const std::string& devicePath) {
  std::string name = "orbelle-device-";
  for (const char c : deviceKey(devicePath)) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    name.push_back(plain ? c : '_');
  }
  name += ".lock";
  return QDir(QDir::tempPath()).filePath(QString::fromStdString(name)).toStdString();
}

#ifdef __linux__

namespace {

// The system's list of file locks (/proc/locks), one line a lock: "1: FLOCK  ADVISORY  WRITE
// 4242 fe:00:10953155 0 EOF", the device in hexadecimal major:minor and the inode in decimal.
std::optional<DeviceLock::Holder> flockHolder(dev_t device, ino_t inode) {
  std::ifstream locks("/proc/locks");
  std::string line;
  while (std::getline(locks, line)) {
    std::istringstream fields(line);
    std::string number, kind, mode, access, pidText, file;
    fields >> number >> kind;
    if (kind == "->") {  // a waiter, listed under the lock it waits for
      fields >> kind;
    }
    fields >> mode >> access >> pidText >> file;
    unsigned int major = 0;
    unsigned int minor = 0;
    unsigned long long node = 0;
    if (kind != "FLOCK" || std::sscanf(file.c_str(), "%x:%x:%llu", &major, &minor, &node) != 3 ||
        makedev(major, minor) != device || node != inode) {
      continue;
    }
    std::int64_t pid = 0;
    const auto [stop, error] =
        std::from_chars(pidText.data(), pidText.data() + pidText.size(), pid);
    (void)stop;
    return DeviceLock::Holder{error == std::errc() && pid > 0 ? std::optional(pid) : std::nullopt};
  }
  return std::nullopt;
}

}  // namespace

std::optional<DeviceLock::Holder> DeviceLock::holderOf(const std::string& devicePath) {
  struct stat file {};
  if (::stat(lockFilePath(devicePath).c_str(), &file) != 0) {
    return std::nullopt;  // a holder keeps its file
  }
  return flockHolder(file.st_dev, file.st_ino);
}

#else

std::optional<DeviceLock::Holder> DeviceLock::holderOf(const std::string&) { return std::nullopt; }

#endif

#ifdef _WIN32

// Qt's lock file, which names its holder and is taken over from a dead one. The Qt folders
// are built and tested on Linux only so far; a Windows build should lock with LockFileEx.
DeviceLock::Attempt DeviceLock::tryTake(const std::string& devicePath) {
  const std::string path = lockFilePath(devicePath);
  auto file = std::make_unique<QLockFile>(QString::fromStdString(path));
  file->setStaleLockTime(0);
  if (file->tryLock(0)) {
    return {Outcome::Taken, std::unique_ptr<DeviceLock>(new DeviceLock(std::move(file))), {}, {}};
  }
  qint64 pid = 0;
  if (file->error() == QLockFile::LockFailedError) {
    const bool named = file->getLockInfo(&pid, nullptr, nullptr);
    return {Outcome::InUse, nullptr, named ? std::optional<std::int64_t>(pid) : std::nullopt, {}};
  }
  return {Outcome::Unavailable, nullptr, std::nullopt,
          lockUnavailableText(path, "it cannot be written")};
}

DeviceLock::~DeviceLock() = default;

#else

DeviceLock::Attempt DeviceLock::tryTake(const std::string& devicePath) {
  const std::string path = lockFilePath(devicePath);
  // A holder removes the file as it lets go, so a file opened just before may be gone once
  // locked: then it locks nothing, and the path is tried again.
  constexpr int kTries = 8;
  for (int tries = 0; tries < kTries; ++tries) {
    // Not through a symbolic link someone else planted, and never blocking on a FIFO.
    const int fd =
        ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
    if (fd < 0) {
      return unavailable(path, std::strerror(errno));
    }
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
      ::close(fd);
      return unavailable(path, "it is not a regular file");
    }
    int result = 0;
    do {
      result = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
      const int error = errno;
      Attempt refused = error == EWOULDBLOCK ? Attempt{Outcome::InUse, nullptr, readOwner(fd), {}}
                                             : unavailable(path, std::strerror(error));
      ::close(fd);
      return refused;
    }
    struct stat named {};
    if (::lstat(path.c_str(), &named) == 0 && named.st_dev == opened.st_dev &&
        named.st_ino == opened.st_ino) {
      writeOwner(fd);
      return {
          Outcome::Taken, std::unique_ptr<DeviceLock>(new DeviceLock(fd, path)), std::nullopt, {}};
    }
    ::close(fd);
  }
  return unavailable(path, "it keeps being replaced");
}

DeviceLock::~DeviceLock() {
  // Removed while still locked: whoever opened it meanwhile finds it gone once they lock it.
  ::unlink(path_.c_str());
  ::close(fd_);
}

#endif

}  // namespace orbelle
