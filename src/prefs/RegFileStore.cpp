#include "prefs/RegFileStore.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <system_error>
#include <thread>

#include <sys/file.h>
#include <sys/stat.h>

#include "files/PosixFile.h"
#include "protocol/ByteOrder.h"

namespace orbelle {

namespace {

constexpr int kMaxSetAsideCopies = 1000;
constexpr int kMaxLinkHops = 40;

constexpr std::string_view kLeftAlone = "; it is left as it is and the defaults are used";
constexpr std::string_view kNotStored = "; the change was not stored";
constexpr std::string_view kKeptEarlier = "; the values read before are used";

bool writeAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0) {
      if (errno == EINTR) {
        continue;
      }
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Up to `limit` bytes, to the end of the file; none on a read error, with errno saying
// why. The buffer grows with what arrives, so a small file costs a small read.
std::optional<std::string> readAtMost(int fd, std::size_t limit, std::size_t expected) {
  std::string text;
  text.reserve(std::min(expected + 1, limit));
  std::array<char, 8192> chunk{};
  while (text.size() < limit) {
    const ssize_t n = ::read(fd, chunk.data(), std::min(chunk.size(), limit - text.size()));
    if (n == 0) {
      break;
    }
    if (n < 0) {
      if (errno == EINTR) {
        continue;
      }
      return std::nullopt;
    }
    text.append(chunk.data(), static_cast<std::size_t>(n));
  }
  return text;
}

std::string sizeLimitText() {
  return std::to_string(RegFileStore::kMaxFileSize / (std::size_t{1} << 20U)) + " MiB";
}

}  // namespace

// An exclusive advisory lock on the store's lock file, held until destruction. Another
// holder is waited for a short, bounded time only: a stopped program must not hang this one,
// and the wait runs on the UI thread. The wait is a blocking flock(2) on a helper thread, so
// the kernel wakes it the moment the holder lets go; a wait that runs out leaves the helper
// to let go of the lock as soon as it gets it.
class StoreLock {
 public:
  enum class Outcome { Held, Busy, Failed };

  StoreLock(const std::filesystem::path& file, std::chrono::milliseconds patience)
      : wait_(std::make_shared<Wait>(
            // NOLINTNEXTLINE(cppcoreguidelines-pro-type-vararg): open(2) takes its mode that way
            ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600))) {
    if (wait_->fd.get() < 0) {
      error_ = errno;
      return;
    }
    int result = takeLock(wait_->fd.get(), LOCK_NB);
    if (result == EWOULDBLOCK) {
      const std::optional<int> waited = waitForHolder(patience);
      if (!waited) {
        outcome_ = Outcome::Busy;
        return;
      }
      result = *waited;
    }
    if (result == 0) {
      outcome_ = Outcome::Held;
    } else {
      error_ = result;
    }
  }
  ~StoreLock() = default;
  StoreLock(const StoreLock&) = delete;
  StoreLock& operator=(const StoreLock&) = delete;
  StoreLock(StoreLock&&) = delete;
  StoreLock& operator=(StoreLock&&) = delete;

  Outcome outcome() const { return outcome_; }
  int error() const { return error_; }

 private:
  // Shared with the helper: the lock file stays open, and so the lock held, until both are
  // done with it.
  struct Wait {
    explicit Wait(int descriptor) : fd(descriptor) {}
    FileDescriptor fd;
    std::mutex mutex;
    std::condition_variable answered;
    std::optional<int> result;
  };

  // 0 or the errno of flock(2).
  static int takeLock(int fd, int flags) {
    while (::flock(fd, LOCK_EX | flags) != 0) {
      if (errno != EINTR) {
        return errno;
      }
    }
    return 0;
  }

  // The result of flock(2) as takeLock gives it; none when the patience ran out first.
  std::optional<int> waitForHolder(std::chrono::milliseconds patience) {
    try {
      std::thread([wait = wait_] {
        const int result = takeLock(wait->fd.get(), 0);
        const std::lock_guard guard(wait->mutex);
        wait->result = result;
        wait->answered.notify_one();
      }).detach();
    } catch (const std::system_error& error) {
      return error.code().value();  // no thread to wait with: told as a lock that failed
    }
    std::unique_lock guard(wait_->mutex);
    if (!wait_->answered.wait_for(guard, patience, [this] { return wait_->result.has_value(); })) {
      return std::nullopt;
    }
    return wait_->result;
  }

  std::shared_ptr<Wait> wait_;
  Outcome outcome_ = Outcome::Failed;
  int error_ = 0;
};

RegFileStore::RegFileStore(std::filesystem::path file, std::chrono::milliseconds lockPatience)
    : file_(std::move(file)), lockPatience_(lockPatience) {}

std::filesystem::path RegFileStore::defaultPath() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  std::filesystem::path base;
  if (config != nullptr && config[0] != '\0') {
    base = config;
  } else {
    const char* home = std::getenv("HOME");
    base = std::filesystem::path(home != nullptr ? home : ".") / ".config";
  }
  return base / "VKR" / "VKR.reg";
}

std::filesystem::path RegFileStore::target() const {
  std::filesystem::path current = file_;
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    std::error_code error;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(current, error)) || error) {
      return current;
    }
    const std::filesystem::path link = std::filesystem::read_symlink(current, error);
    if (error) {
      return current;
    }
    current = link.is_absolute() ? link : current.parent_path() / link;
  }
  return current;
}

RegFileStore::LoadResult RegFileStore::load(RegFile& into, std::string_view consequence) {
  const std::string name = file_.string();
  // Without blocking, so that a named pipe in its place cannot hang us; only then is the
  // kind of file known.
  // NOLINTNEXTLINE(cppcoreguidelines-pro-type-vararg): open(2) is variadic
  FileDescriptor fd(::open(file_.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0) {
    if (errno == ENOENT || errno == ENOTDIR) {
      return LoadResult::Absent;
    }
    report(StoreProblemKind::Unreadable,
           name + " cannot be read (" + errorText(errno) + ")" + std::string(consequence));
    return LoadResult::Unusable;
  }
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) {
    report(StoreProblemKind::Unreadable,
           name + " cannot be read (" + errorText(errno) + ")" + std::string(consequence));
    return LoadResult::Unusable;
  }
  if (!S_ISREG(info.st_mode)) {
    report(StoreProblemKind::NotRegularFile, name + " is " + describeFileKind(info.st_mode) +
                                                 ", not a regular file" + std::string(consequence));
    return LoadResult::Unusable;
  }
  const auto tooLarge = [&] {
    report(StoreProblemKind::TooLarge,
           name + " is larger than " + sizeLimitText() + std::string(consequence));
    return LoadResult::Unusable;
  };
  if (static_cast<std::uintmax_t>(info.st_size) > kMaxFileSize) {
    return tooLarge();
  }
  // It may still grow while being read: read up to one byte past the limit to notice.
  const auto text = readAtMost(fd.get(), kMaxFileSize + 1, static_cast<std::size_t>(info.st_size));
  if (!text) {
    report(StoreProblemKind::Unreadable,
           name + " cannot be read (" + errorText(errno) + ")" + std::string(consequence));
    return LoadResult::Unusable;
  }
  if (text->size() > kMaxFileSize) {
    return tooLarge();
  }
  auto parsed = parseRegFile(*text);
  if (!parsed) {
    return LoadResult::Unparsable;
  }
  into = std::move(*parsed);
  return LoadResult::Loaded;
}

bool RegFileStore::lock(StoreLock& held, std::string_view consequence) {
  switch (held.outcome()) {
    case StoreLock::Outcome::Held:
      return true;
    case StoreLock::Outcome::Busy:
      report(StoreProblemKind::Busy, file_.string() + " was being changed by another program for " +
                                         std::to_string(lockPatience_.count()) + " ms" +
                                         std::string(consequence));
      return false;
    case StoreLock::Outcome::Failed:
      break;
  }
  report(StoreProblemKind::WriteFailed, "cannot lock " + file_.string() + ".lock (" +
                                            errorText(held.error()) + ")" +
                                            std::string(consequence));
  return false;
}

bool RegFileStore::setAside() {
  // Called under the lock, so no other program of ours takes the same name meanwhile.
  const std::filesystem::path from = target();
  for (int copy = 0; copy < kMaxSetAsideCopies; ++copy) {
    std::string to = from.string() + ".bad";
    if (copy > 0) {
      to += '.';
      to += std::to_string(copy);
    }
    struct stat info {};
    if (::lstat(to.c_str(), &info) == 0) {
      continue;  // an earlier copy: keep it
    }
    if (errno != ENOENT || ::rename(from.c_str(), to.c_str()) != 0) {
      report(StoreProblemKind::WriteFailed, from.string() + " could not be parsed nor kept as " +
                                                to + " (" + errorText(errno) + ")" +
                                                std::string(kLeftAlone));
      return false;
    }
    report(StoreProblemKind::SetAside,
           from.string() + " could not be parsed; it was kept as " + to);
    return true;
  }
  report(StoreProblemKind::WriteFailed,
         from.string() + " could not be parsed, and " + std::to_string(kMaxSetAsideCopies) +
             " earlier copies are kept already" + std::string(kLeftAlone));
  return false;
}

bool RegFileStore::openKey() {
  RegFile loaded;
  LoadResult result = load(loaded, kLeftAlone);
  if (result == LoadResult::Unparsable) {
    // Look again under the lock: another program may just have replaced it.
    StoreLock held(file_.string() + ".lock", lockPatience_);
    if (!lock(held, kLeftAlone)) {
      return false;
    }
    result = load(loaded, kLeftAlone);
    if (result == LoadResult::Unparsable) {
      setAside();
      return false;
    }
  }
  if (result != LoadResult::Loaded || !loaded.keyPresent()) {
    return false;
  }
  contents_ = std::move(loaded);
  held_ = true;
  return true;
}

bool RegFileStore::createKey() {
  if (held_) {
    return true;
  }
  std::error_code error;
  std::filesystem::create_directories(file_.parent_path(), error);
  if (error) {
    report(StoreProblemKind::WriteFailed, "cannot create the folder " +
                                              file_.parent_path().string() + " (" +
                                              error.message() + ")" + std::string(kLeftAlone));
    return false;
  }
  StoreLock held(file_.string() + ".lock", lockPatience_);
  if (!lock(held, kLeftAlone)) {
    return false;
  }
  RegFile fresh;
  switch (load(fresh, kLeftAlone)) {
    case LoadResult::Unusable:
      return false;
    case LoadResult::Unparsable:
      if (!setAside()) {
        return false;
      }
      fresh = RegFile();
      break;
    case LoadResult::Absent:
    case LoadResult::Loaded:
      break;
  }
  if (!fresh.keyPresent()) {
    fresh.addKey();
    if (!save(fresh)) {
      return false;
    }
  }
  contents_ = std::move(fresh);
  held_ = true;
  return true;
}

void RegFileStore::refresh() {
  // Another program of ours may have written since; what it wrote stays.
  RegFile current;
  if (load(current, kKeptEarlier) == LoadResult::Loaded && current.keyPresent()) {
    contents_ = std::move(current);
  }
}

ReadResult RegFileStore::query(std::string_view name, std::size_t bufferSize) {
  if (!held_) {
    return {};
  }
  refresh();
  for (const RegValue& value : contents_.values()) {
    if (sameValueName(value.name, name)) {
      if (value.bytes.size() > bufferSize) {
        return {ReadStatus::TooLong, {}};
      }
      return {ReadStatus::Ok, value.bytes};
    }
  }
  return {};
}

bool RegFileStore::writeString(std::string_view name, std::string_view text) {
  RegValue value{std::string(name), static_cast<std::uint32_t>(ValueType::String),
                 std::vector<std::uint8_t>(text.begin(), text.end())};
  value.bytes.push_back(0);
  return writeValue(std::move(value));
}

bool RegFileStore::writeNumber(std::string_view name, std::uint32_t value) {
  RegValue stored{std::string(name), static_cast<std::uint32_t>(ValueType::Number),
                  std::vector<std::uint8_t>(4)};
  writeLe32(stored.bytes, 0, value);
  return writeValue(std::move(stored));
}

bool RegFileStore::writeValue(RegValue value) {
  if (!held_) {
    return false;
  }
  // Read, change and replace under the lock, so that no other program's change made in
  // between is undone.
  StoreLock held(file_.string() + ".lock", lockPatience_);
  if (!lock(held, kNotStored)) {
    return false;
  }
  RegFile updated;
  switch (load(updated, kNotStored)) {
    case LoadResult::Unusable:
      return false;
    case LoadResult::Unparsable:
      if (!setAside()) {
        return false;
      }
      updated = contents_;  // what we read last stands in for what was lost
      break;
    case LoadResult::Absent:
      updated = contents_;
      break;
    case LoadResult::Loaded:
      // Our key went from a file that is otherwise there: it comes back with what we read
      // last, and the rest of the file stays.
      if (!updated.keyPresent()) {
        for (const RegValue& earlier : contents_.values()) {
          updated.setValue(earlier);
        }
      }
      break;
  }
  updated.setValue(std::move(value));
  if (!save(updated)) {
    return false;
  }
  contents_ = std::move(updated);
  return true;
}

bool RegFileStore::save(const RegFile& contents) {
  // Called under the lock.
  const std::filesystem::path destination = target();
  const std::string text = serialiseRegFile(contents);
  const auto failed = [&](const std::string& why) {
    report(StoreProblemKind::WriteFailed,
           "cannot write " + destination.string() + " (" + why + ")" + std::string(kNotStored));
    return false;
  };
  if (text.size() > kMaxFileSize) {
    return failed("it would be larger than " + sizeLimitText());
  }
  // Temporary files are made only under the lock, so any found now were left by a program
  // that was killed while writing.
  const std::string temporaryPrefix = destination.filename().string() + ".tmp.";
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(destination.parent_path(), error)) {
    if (entry.path().filename().string().rfind(temporaryPrefix, 0) == 0) {
      std::filesystem::remove(entry.path(), error);
    }
  }
  std::string temporary = destination.string() + ".tmp.XXXXXX";
  FileDescriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
  if (fd.get() < 0) {
    return failed(errorText(errno));
  }
  const bool written = writeAll(fd.get(), text) && ::fchmod(fd.get(), 0600) == 0 &&
                       ::fsync(fd.get()) == 0 && fd.close();
  if (!written || ::rename(temporary.c_str(), destination.c_str()) != 0) {
    const int why = errno;
    ::unlink(temporary.c_str());
    return failed(errorText(why));
  }
  return true;
}

}  // namespace orbelle
