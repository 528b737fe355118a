#pragma once

#include <filesystem>

#include "app/PreferenceStore.h"
#include "app/RegFileFormat.h"

namespace orbelle {

// The per-user key kept as one registry export file, for systems without a registry.
// Every write replaces the file atomically with mode 0600; a file that cannot be parsed
// is moved aside to "<name>.bad" and the key counts as missing.
class RegFileStore : public PreferenceStore {
 public:
  explicit RegFileStore(std::filesystem::path file);

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
  enum class LoadResult { Loaded, Absent, Unparsable };
  LoadResult load(RegKeyContents& into) const;
  void refresh();
  bool writeValue(RegValue value);
  bool save(const RegKeyContents& contents) const;

  std::filesystem::path file_;
  RegKeyContents contents_;
  bool held_ = false;
};

}  // namespace orbelle
