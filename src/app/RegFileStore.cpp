#include "app/RegFileStore.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

#include <sys/stat.h>

namespace orbelle {

namespace {

std::optional<std::string> readWholeFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    return std::nullopt;
  }
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

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

}  // namespace

RegFileStore::RegFileStore(std::filesystem::path file) : file_(std::move(file)) {}

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

RegFileStore::LoadResult RegFileStore::load(RegKeyContents& into) const {
  const auto text = readWholeFile(file_);
  if (!text) {
    return LoadResult::Absent;
  }
  auto parsed = parseRegFile(*text);
  if (!parsed) {
    return LoadResult::Unparsable;
  }
  into = std::move(*parsed);
  return LoadResult::Loaded;
}

bool RegFileStore::openKey() {
  RegKeyContents loaded;
  switch (load(loaded)) {
    case LoadResult::Absent:
      return false;
    case LoadResult::Unparsable: {
      std::error_code ignored;
      std::filesystem::rename(file_, file_.string() + ".bad", ignored);
      return false;
    }
    case LoadResult::Loaded:
      break;
  }
  if (!loaded.keyPresent) {
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
  RegKeyContents fresh;
  if (load(fresh) != LoadResult::Loaded) {
    fresh = {};
  }
  fresh.keyPresent = true;
  std::error_code error;
  std::filesystem::create_directories(file_.parent_path(), error);
  if (error || !save(fresh)) {
    return false;
  }
  contents_ = std::move(fresh);
  held_ = true;
  return true;
}

void RegFileStore::refresh() {
  // Another program of ours may have written since; what it wrote stays.
  RegKeyContents current;
  if (load(current) == LoadResult::Loaded && current.keyPresent) {
    contents_ = std::move(current);
  }
}

ReadResult RegFileStore::query(std::string_view name, std::size_t bufferSize) {
  if (!held_) {
    return {};
  }
  refresh();
  for (const RegValue& value : contents_.values) {
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
  RegValue stored{
      std::string(name),
      static_cast<std::uint32_t>(ValueType::Number),
      {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8U),
       static_cast<std::uint8_t>(value >> 16U), static_cast<std::uint8_t>(value >> 24U)}};
  return writeValue(std::move(stored));
}

bool RegFileStore::writeValue(RegValue value) {
  if (!held_) {
    return false;
  }
  refresh();
  RegKeyContents updated = contents_;
  bool replaced = false;
  for (RegValue& existing : updated.values) {
    if (sameValueName(existing.name, value.name)) {
      // The registry keeps the spelling the value was created with.
      existing.type = value.type;
      existing.bytes = std::move(value.bytes);
      replaced = true;
      break;
    }
  }
  if (!replaced) {
    updated.values.push_back(std::move(value));
  }
  if (!save(updated)) {
    return false;
  }
  contents_ = std::move(updated);
  return true;
}

bool RegFileStore::save(const RegKeyContents& contents) const {
  const std::string text = serialiseRegFile(contents);
  const std::string temporary = file_.string() + ".tmp";
  // NOLINTNEXTLINE(cppcoreguidelines-pro-type-vararg): open(2) takes its mode that way
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) {
    return false;
  }
  const bool written = writeAll(fd, text) && ::fchmod(fd, 0600) == 0 && ::fsync(fd) == 0;
  ::close(fd);
  if (!written || ::rename(temporary.c_str(), file_.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace orbelle
