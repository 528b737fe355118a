#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <string>

#include "prefs/PreferenceStore.h"
#include "prefs/RegFileFormat.h"

namespace orbelle {

class StoreLock;

// The per-user key kept as one registry export file, for systems without a registry.
//
// Several programs may use the file at once. Every write is a read-modify-write under an
// advisory lock on "<name>.lock", and replaces the file atomically (a temporary file of its
// own, flushed, renamed over it) with mode 0600, so a reader sees the old or the new file
// and no change undoes another. A store that is a link is read and written through it.
// Only a regular file of at most kMaxFileSize bytes is read; one that exists but cannot be
// read is never replaced. A file that cannot be parsed is kept as "<name>.bad" (".bad.1",
// ... when that is taken) and the key counts as missing. Each of these is reported in
// problems(). A write changes one value's line: other keys, comments and values we do not
// know stay as they are, and so do the file's encoding and line ends.
class RegFileStore : public PreferenceStore {
 public:
  static constexpr std::size_t kMaxFileSize = std::size_t{1} << 20U;

  // How long a change waits for another program's: long enough for one small file write,
  // short enough not to freeze a window.
  static constexpr std::chrono::milliseconds kLockPatience{500};

  explicit RegFileStore(std::filesystem::path file,
                        std::chrono::milliseconds lockPatience = kLockPatience);

  // $XDG_CONFIG_HOME/VKR/VKR.reg, or ~/.config/VKR/VKR.reg when it is not set.
  static std::filesystem::path defaultPath();

  const std::filesystem::path& path() const { return file_; }

  bool openKey() override;
  bool createKey() override;
  bool hasKey() const override { return held_; }
  void closeKey() override { held_ = false; }
  ReadResult query(std::string_view name, std::size_t bufferSize) override;
  bool writeString(std::string_view name, std::string_view text) override;
  bool writeNumber(std::string_view name, std::uint32_t value) override;

 private:
  enum class LoadResult { Loaded, Absent, Unparsable, Unusable };
  // Unusable means present but not readable as a store; that is reported, with
  // `consequence` saying what the program does about it.
  LoadResult load(RegFile& into, std::string_view consequence);
  void refresh();
  bool writeValue(RegValue value);
  bool lock(StoreLock& held, std::string_view consequence);
  bool setAside();
  bool save(const RegFile& contents);
  // The file a write replaces: the store itself, or the file its link names.
  std::filesystem::path target() const;

  std::filesystem::path file_;
  RegFile contents_;
  std::chrono::milliseconds lockPatience_;
  bool held_ = false;
};

}  // namespace orbelle
