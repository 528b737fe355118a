#include "upgrade/ImageFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include <sys/stat.h>
#include <sys/types.h>
#else
#include <fcntl.h>
#include <unistd.h>

#include <sys/stat.h>
#endif

namespace orbelle {

namespace {

#ifdef _WIN32
using FileStatus = struct _stat64;

int openForReading(const std::filesystem::path& path) {
  return ::_wopen(path.c_str(), _O_RDONLY | _O_BINARY);
}
bool statusOf(int fd, FileStatus& status) { return ::_fstat64(fd, &status) == 0; }
bool statusOf(const std::filesystem::path& path, FileStatus& status) {
  return ::_wstat64(path.c_str(), &status) == 0;
}
bool isRegular(const FileStatus& status) { return (status.st_mode & _S_IFMT) == _S_IFREG; }
long long readFrom(int fd, std::uint8_t* out, std::size_t count, std::uint64_t offset) {
  if (::_lseeki64(fd, static_cast<__int64>(offset), SEEK_SET) < 0) {
    return -1;
  }
  return ::_read(fd, out, static_cast<unsigned>(count));
}
void closeFile(int fd) { ::_close(fd); }
ImageIdentity identityOf(const FileStatus& status) {
  return {static_cast<std::uint64_t>(status.st_dev),
          static_cast<std::uint64_t>(status.st_ino),
          static_cast<std::uint64_t>(status.st_size),
          static_cast<std::int64_t>(status.st_mtime),
          0,
          0,
          0};
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
