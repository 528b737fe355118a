#include "upgrade/UpgradeHistory.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <condition_variable>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include <sys/file.h>
#include <sys/stat.h>

#include "files/PosixFile.h"

namespace orbelle {

namespace {

// 0 or the errno of flock(2).
int takeLock(int fd, int flags) {
  while (::flock(fd, LOCK_EX | flags) != 0) {
    if (errno != EINTR) {
      return errno;
    }
  }
  return 0;
}

// 0 or the errno of flock(2), EWOULDBLOCK when another holder kept the lock past `patience`.
// A stopped holder must not hang the program: the wait is a blocking flock on a helper
// thread, which the kernel wakes the moment the holder lets go, and which holds its own
// descriptor of the file, so that a lock it gets too late goes when it lets go of it.
int lockWithin(int fd, std::chrono::milliseconds patience) {
  const int first = takeLock(fd, LOCK_NB);
  if (first != EWOULDBLOCK) {
    return first;
  }
  struct Wait {
    std::mutex mutex;
    std::condition_variable answered;
    std::optional<int> result;
  };
  auto wait = std::make_shared<Wait>();
  const int helperFd = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
  if (helperFd < 0) {
    return errno;
  }
  try {
    std::thread([wait, helperFd] {
      const int result = takeLock(helperFd, 0);
      ::close(helperFd);  // the caller's descriptor keeps the lock while it is open
      const std::lock_guard guard(wait->mutex);
      wait->result = result;
      wait->answered.notify_one();
    }).detach();
  } catch (const std::system_error& error) {
    ::close(helperFd);
    return error.code().value();
  }
  std::unique_lock guard(wait->mutex);
  if (!wait->answered.wait_for(guard, patience, [&wait] { return wait->result.has_value(); })) {
    return EWOULDBLOCK;
  }
  return *wait->result;
}

// Makes `folder` and each missing folder above it with mode 0700; false with errno set when
// one cannot be made.
bool makeFolders(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> missing;
  for (std::filesystem::path at = folder; !at.empty() && ::access(at.c_str(), F_OK) != 0;
       at = at.parent_path()) {
    missing.push_back(at);
    if (at == at.parent_path()) {
      break;
    }
  }
  std::reverse(missing.begin(), missing.end());  // the outermost first
  return std::all_of(missing.begin(), missing.end(), [](const std::filesystem::path& at) {
    return ::mkdir(at.c_str(), 0700) == 0 || errno == EEXIST;
  });
}

// Whether the file's last byte is a line feed (true for an empty file).
bool endsWithLineFeed(int fd) {
  struct stat info {};
  if (::fstat(fd, &info) != 0 || info.st_size == 0) {
    return true;
  }
  char last = '\n';
  return ::pread(fd, &last, 1, info.st_size - 1) != 1 || last == '\n';
}

}  // namespace

std::filesystem::path upgradeHistoryPath() {
  const char* state = std::getenv("XDG_STATE_HOME");
  std::filesystem::path base;
  if (state != nullptr && std::filesystem::path(state).is_absolute()) {
    base = state;
  } else {
    const char* home = std::getenv("HOME");
    base = std::filesystem::path(home != nullptr ? home : ".") / ".local" / "state";
  }
  return base / "orbelle" / "upgrades.jsonl";
}

std::optional<std::string> appendHistoryLine(const std::filesystem::path& file,
                                             std::string_view line,
                                             std::chrono::milliseconds patience) {
  const std::string name = file.string();
  if (!makeFolders(file.parent_path())) {
    return "cannot create the folder " + file.parent_path().string() + " (" + errorText(errno) +
           ")";
  }
  // Read too, for the last byte; without blocking, so that a named pipe in its place cannot
  // hang us.
  constexpr int kFlags = O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
  // NOLINTNEXTLINE(cppcoreguidelines-pro-type-vararg): open(2) takes its mode that way
  FileDescriptor fd(::open(file.c_str(), kFlags, 0600));
  if (fd.get() < 0) {
    return "cannot write " + name + " (" + errorText(errno) + ")";
  }
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) {
    return "cannot write " + name + " (" + errorText(errno) + ")";
  }
  if (!S_ISREG(info.st_mode)) {
    return name + " is " + describeFileKind(info.st_mode) + ", not a regular file";
  }
  const int locked = lockWithin(fd.get(), patience);
  if (locked == EWOULDBLOCK) {
    return name + " was being changed by another program for " + std::to_string(patience.count()) +
           " ms";
  }
  if (locked != 0) {
    return "cannot lock " + name + " (" + errorText(locked) + ")";
  }
  std::string text = endsWithLineFeed(fd.get()) ? std::string() : std::string("\n");
  text.append(line).append("\n");
  ssize_t written = 0;
  do {
    written = ::write(fd.get(), text.data(), text.size());
  } while (written < 0 && errno == EINTR);
  if (written < 0) {
    return "cannot write " + name + " (" + errorText(errno) + ")";
  }
  if (static_cast<std::size_t>(written) != text.size()) {
    return "cannot write " + name + " (only " + std::to_string(written) + " of " +
           std::to_string(text.size()) + " bytes were written)";
  }
  if (!fd.close()) {
    return "cannot write " + name + " (" + errorText(errno) + ")";
  }
  return std::nullopt;
}

HistoryLines splitHistory(std::string_view text) {
  HistoryLines history;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) {
      history.tornTail = true;
      break;
    }
    history.lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return history;
}

std::optional<std::string> readHistoryFile(const std::filesystem::path& file) {
  const std::string name = file.string();
  // NOLINTNEXTLINE(cppcoreguidelines-pro-type-vararg): open(2) is variadic
  FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0) {
    if (errno == ENOENT || errno == ENOTDIR) {
      return std::nullopt;
    }
    throw std::runtime_error(name + " cannot be read (" + errorText(errno) + ")");
  }
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) {
    throw std::runtime_error(name + " cannot be read (" + errorText(errno) + ")");
  }
  if (!S_ISREG(info.st_mode)) {
    throw std::runtime_error(name + " is " + describeFileKind(info.st_mode) +
                             ", not a regular file");
  }
  std::string text;
  std::array<char, 65536> chunk{};
  while (true) {
    const ssize_t n = ::read(fd.get(), chunk.data(), chunk.size());
    if (n == 0) {
      return text;
    }
    if (n < 0) {
      if (errno == EINTR) {
        continue;
      }
      throw std::runtime_error(name + " cannot be read (" + errorText(errno) + ")");
    }
    text.append(chunk.data(), static_cast<std::size_t>(n));
  }
}

}  // namespace orbelle
