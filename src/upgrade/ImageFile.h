#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <span>

namespace orbelle {

// A firmware image opened read-only for the length of a transfer. Blocks are read on demand;
// the image is never held in memory as a whole.
class ImageFile {
 public:
  // None when the path cannot be opened for reading or is not a plain file's worth of bytes.
  static std::optional<ImageFile> open(const std::filesystem::path& path);

  std::uint64_t length() const { return length_; }

  // Reads up to out.size() bytes at offset and returns how many were read; fewer than asked
  // only when the file has shrunk since it was opened.
  std::size_t readAt(std::uint64_t offset, std::span<std::uint8_t> out);

 private:
  ImageFile(std::ifstream stream, std::uint64_t length)
      : stream_(std::move(stream)), length_(length) {}

  std::ifstream stream_;
  std::uint64_t length_;
};

}  // namespace orbelle
