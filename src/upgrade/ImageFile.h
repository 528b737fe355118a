#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace orbelle {

// What a file looked like when it was opened: a change to any of these while a transfer runs
// means the blocks sent so far may not belong to the blocks still to come. On Windows the
// device is the volume's serial number and the inode the file's index on it.
struct ImageIdentity {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::uint64_t size = 0;
  std::int64_t modifiedSeconds = 0;
  std::int64_t modifiedNanoseconds = 0;
  // The status change time: a copy that puts the old modification time back (`cp -p`,
  // `rsync --inplace -t`) still moves it, and no program can set it.
  std::int64_t changedSeconds = 0;
  std::int64_t changedNanoseconds = 0;

  bool operator==(const ImageIdentity&) const = default;
};

// A firmware image opened read-only for the length of a transfer. It is read ahead in chunks of
// kReadAhead bytes, so a block costs a copy rather than a system call, and is never held in
// memory as a whole. Whether the file is still the one opened is checked at every refill and
// whenever the transfer asks (unchanged()).
class ImageFile {
 public:
  static constexpr std::size_t kReadAhead = std::size_t{64} * 1024;

  // None when the path cannot be opened for reading or is not a regular file (a FIFO or a
  // device would block or never end); `why` then says which, in a few words.
  static std::optional<ImageFile> open(const std::filesystem::path& path,
                                       std::string* why = nullptr);

  ImageFile(ImageFile&& other) noexcept;
  ImageFile& operator=(ImageFile&& other) noexcept;
  ImageFile(const ImageFile&) = delete;
  ImageFile& operator=(const ImageFile&) = delete;
  ~ImageFile();

  std::uint64_t length() const { return identity_.size; }

  // Reads up to out.size() bytes at offset and returns how many were read; fewer than asked
  // when the file has changed since it was opened, shrunk or cannot be read.
  std::size_t readAt(std::uint64_t offset, std::span<std::uint8_t> out);

  // Reads the whole file once, chunk by chunk, and returns how many bytes came back before the
  // first short read: less than length() for a file that states more than it holds (a kernel
  // attribute file under /sys states 4096 bytes whatever it has) or that changed meanwhile.
  std::uint64_t readableLength();

  // False once the file, or the one its path now names, differs from the file opened.
  bool unchanged() const;

 private:
  ImageFile(int fd, std::filesystem::path path, const ImageIdentity& identity);
  bool refill(std::uint64_t offset);

  int fd_ = -1;
  std::filesystem::path path_;
  ImageIdentity identity_;
  std::unique_ptr<std::uint8_t[]> buffer_;
  std::uint64_t bufferOffset_ = 0;
  std::size_t bufferLength_ = 0;
};

}  // namespace orbelle
