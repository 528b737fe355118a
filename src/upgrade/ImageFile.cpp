#include "upgrade/ImageFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>

#include <sys/stat.h>
#endif

namespace orbelle {

namespace {

#ifdef _WIN32
// The C library's stat gives no inode, whole seconds, and a drive number for a path where it
// gives 0 for a descriptor: the file's identity comes from its handle instead.
struct FileStatus {
  bool disk = false;  // a file on a volume, not a pipe, console or device
  BY_HANDLE_FILE_INFORMATION file{};
  FILE_BASIC_INFO times{};
};

bool statusOf(HANDLE handle, FileStatus& status) {
  status.disk = GetFileType(handle) == FILE_TYPE_DISK;
  if (status.disk && (GetFileInformationByHandle(handle, &status.file) == 0 ||
                      GetFileInformationByHandleEx(handle, FileBasicInfo, &status.times,
                                                   sizeof status.times) == 0)) {
    errno = EIO;
    return false;
  }
  return true;
}

int openForReading(const std::filesystem::path& path) {
  return ::_wopen(path.c_str(), _O_RDONLY | _O_BINARY);
}
bool statusOf(int fd, FileStatus& status) {
  const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
  return handle != INVALID_HANDLE_VALUE && statusOf(handle, status);
}
bool statusOf(const std::filesystem::path& path, FileStatus& status) {
  // Attributes only, sharing everything: the check must not get in the way of anyone.
  const HANDLE handle = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    return false;
  }
  const bool known = statusOf(handle, status);
  CloseHandle(handle);
  return known;
}
bool isRegular(const FileStatus& status) {
  return status.disk && (status.file.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}
long long readFrom(int fd, std::uint8_t* out, std::size_t count, std::uint64_t offset) {
  if (::_lseeki64(fd, static_cast<__int64>(offset), SEEK_SET) < 0) {
    return -1;
  }
  return ::_read(fd, out, static_cast<unsigned>(count));
}
void closeFile(int fd) { ::_close(fd); }
std::uint64_t joined(DWORD high, DWORD low) { return (std::uint64_t{high} << 32U) | low; }
// Seconds and nanoseconds since 1601, from the count of 100 ns the system keeps.
std::pair<std::int64_t, std::int64_t> splitTime(std::int64_t ticks) {
  constexpr std::int64_t kTicksPerSecond = 10'000'000;
  return {ticks / kTicksPerSecond, (ticks % kTicksPerSecond) * 100};
}
ImageIdentity identityOf(const FileStatus& status) {
  // The change time moves with any write, even one whose program puts the old last-write
  // time back.
  const auto [modifiedSeconds, modifiedNanoseconds] =
      splitTime(status.times.LastWriteTime.QuadPart);
  const auto [changedSeconds, changedNanoseconds] = splitTime(status.times.ChangeTime.QuadPart);
  return {status.file.dwVolumeSerialNumber,
          joined(status.file.nFileIndexHigh, status.file.nFileIndexLow),
          joined(status.file.nFileSizeHigh, status.file.nFileSizeLow),
          modifiedSeconds,
          modifiedNanoseconds,
          changedSeconds,
          changedNanoseconds};
}
#else
using FileStatus = struct stat;

int openForReading(const std::filesystem::path& path) {
  // Without O_NONBLOCK a FIFO with no writer would hold the open forever.
  // NOLINTNEXTLINE(cppcoreguidelines-pro-type-vararg): open(2) is declared that way
  return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}
bool statusOf(int fd, FileStatus& status) { return ::fstat(fd, &status) == 0; }
bool statusOf(const std::filesystem::path& path, FileStatus& status) {
  return ::stat(path.c_str(), &status) == 0;
}
bool isRegular(const FileStatus& status) { return S_ISREG(status.st_mode); }
long long readFrom(int fd, std::uint8_t* out, std::size_t count, std::uint64_t offset) {
  ssize_t got = 0;
  do {
    got = ::pread(fd, out, count, static_cast<off_t>(offset));
  } while (got < 0 && errno == EINTR);
  return got;
}
void closeFile(int fd) { ::close(fd); }
ImageIdentity identityOf(const FileStatus& status) {
  return {static_cast<std::uint64_t>(status.st_dev),
          static_cast<std::uint64_t>(status.st_ino),
          static_cast<std::uint64_t>(status.st_size),
          static_cast<std::int64_t>(status.st_mtim.tv_sec),
          static_cast<std::int64_t>(status.st_mtim.tv_nsec),
          static_cast<std::int64_t>(status.st_ctim.tv_sec),
          static_cast<std::int64_t>(status.st_ctim.tv_nsec)};
}
#endif

void say(std::string* why, const std::string& text) {
  if (why != nullptr) {
    *why = text;
  }
}

}  // namespace

std::optional<ImageFile> ImageFile::open(const std::filesystem::path& path, std::string* why) {
  if (path.empty()) {
    say(why, "no file given");
    return std::nullopt;
  }
  const int fd = openForReading(path);
  if (fd < 0) {
    say(why, std::strerror(errno));
    return std::nullopt;
  }
  FileStatus status{};
  if (!statusOf(fd, status)) {
    say(why, std::strerror(errno));
    closeFile(fd);
    return std::nullopt;
  }
  if (!isRegular(status)) {
    std::error_code ignored;
    say(why,
        std::filesystem::is_directory(path, ignored) ? "is a directory" : "is not a regular file");
    closeFile(fd);
    return std::nullopt;
  }
  return ImageFile(fd, path, identityOf(status));
}

ImageFile::ImageFile(int fd, std::filesystem::path path, const ImageIdentity& identity)
    : fd_(fd), path_(std::move(path)), identity_(identity) {}

ImageFile::ImageFile(ImageFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      path_(std::move(other.path_)),
      identity_(other.identity_),
      buffer_(std::move(other.buffer_)),
      bufferOffset_(other.bufferOffset_),
      bufferLength_(std::exchange(other.bufferLength_, 0)) {}

ImageFile& ImageFile::operator=(ImageFile&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) {
      closeFile(fd_);
    }
    fd_ = std::exchange(other.fd_, -1);
    path_ = std::move(other.path_);
    identity_ = other.identity_;
    buffer_ = std::move(other.buffer_);
    bufferOffset_ = other.bufferOffset_;
    bufferLength_ = std::exchange(other.bufferLength_, 0);
  }
  return *this;
}

ImageFile::~ImageFile() {
  if (fd_ >= 0) {
    closeFile(fd_);
  }
}

std::size_t ImageFile::readAt(std::uint64_t offset, std::span<std::uint8_t> out) {
  const bool buffered =
      offset >= bufferOffset_ && offset + out.size() <= bufferOffset_ + bufferLength_;
  if (!buffered && !refill(offset)) {
    return 0;
  }
  const std::size_t count =
      std::min<std::uint64_t>(out.size(), bufferOffset_ + bufferLength_ - offset);
  std::memcpy(out.data(), buffer_.get() + (offset - bufferOffset_), count);
  return count;
}

std::uint64_t ImageFile::readableLength() {
  std::uint64_t offset = 0;
  while (offset < identity_.size && refill(offset) && bufferLength_ > 0) {
    offset += bufferLength_;
  }
  return offset;
}

bool ImageFile::refill(std::uint64_t offset) {
  bufferOffset_ = offset;
  bufferLength_ = 0;
  if (offset >= identity_.size) {
    return false;
  }
  const std::size_t capacity = std::min<std::uint64_t>(kReadAhead, identity_.size);
  if (!buffer_) {
    buffer_ = std::make_unique_for_overwrite<std::uint8_t[]>(capacity);
  }
  const std::size_t wanted = std::min<std::uint64_t>(capacity, identity_.size - offset);
  std::size_t got = 0;
  while (got < wanted) {
    const long long n = readFrom(fd_, buffer_.get() + got, wanted - got, offset + got);
    if (n <= 0) {
      break;
    }
    got += static_cast<std::size_t>(n);
  }
  // Checked after the read: a write that came before this check cannot hide in the chunk.
  if (!unchanged()) {
    return false;
  }
  bufferLength_ = got;
  return true;
}

bool ImageFile::unchanged() const {
  FileStatus status{};
  if (!statusOf(fd_, status) || identityOf(status) != identity_) {
    return false;
  }
  // Replaced under the same name (an editor's save, a copy over it): the operator meant the
  // new file, which is not what is being sent.
  return statusOf(path_, status) && identityOf(status) == identity_;
}

}  // namespace orbelle
