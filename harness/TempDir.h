#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <string_view>

namespace orbelle::testing {

// A fresh directory, removed with everything in it when the test ends.
class TempDir {
 public:
  TempDir() {
#ifdef _WIN32
    // Without mkdtemp: random names until one is new.
    std::random_device random;
    do {
      path_ = std::filesystem::temp_directory_path() / ("orbelle-" + std::to_string(random()));
    } while (!std::filesystem::create_directory(path_));
#else
    std::string pattern = (std::filesystem::temp_directory_path() / "orbelle-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
#endif
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

inline std::string readFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline void writeFile(const std::filesystem::path& file, const std::string& text) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << text;
}

inline std::size_t countOf(const std::string& text, const std::string& what) {
  std::size_t count = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
    ++count;
  }
  return count;
}

// Each byte of the text as one UTF-16LE unit, after the byte-order mark.
inline std::string asUtf16(std::string_view text) {
  std::string out = "\xFF\xFE";
  for (const char c : text) {
    out += {c, '\0'};
  }
  return out;
}

// Image file contents whose bytes differ from block to block and from image to image.
inline std::string imageBytes(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) {
    bytes[i] = static_cast<char>((i * 131 + size * 7 + (i >> 8) * 17 + 13) & 0xFF);
  }
  return bytes;
}

}  // namespace orbelle::testing
