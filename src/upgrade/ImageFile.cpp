#include "upgrade/ImageFile.h"

#include <system_error>

namespace orbelle {

std::optional<ImageFile> ImageFile::open(const std::filesystem::path& path) {
  std::error_code error;
  // A directory opens as a stream on some systems but has no bytes to send.
  if (path.empty() || std::filesystem::is_directory(path, error)) {
    return std::nullopt;
  }
  std::ifstream stream;
  // Every block is read after a seek; a stream buffer would refill kilobytes for 32 bytes.
  stream.rdbuf()->pubsetbuf(nullptr, 0);
  stream.open(path, std::ios::binary);
  if (!stream.is_open()) {
    return std::nullopt;
  }
  stream.seekg(0, std::ios::end);
  const std::streamoff end = stream.tellg();
  if (!stream || end < 0) {
    return std::nullopt;
  }
  return ImageFile(std::move(stream), static_cast<std::uint64_t>(end));
}

std::size_t ImageFile::readAt(std::uint64_t offset, std::span<std::uint8_t> out) {
  stream_.clear();
  stream_.seekg(static_cast<std::streamoff>(offset), std::ios::beg);
  if (!stream_) {
    return 0;
  }
  stream_.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(out.size()));
  return static_cast<std::size_t>(stream_.gcount());
}

}  // namespace orbelle
