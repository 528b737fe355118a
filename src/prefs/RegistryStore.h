#pragma once

#include <memory>

#include "prefs/PreferenceStore.h"

#ifdef _WIN32
#include <string>

struct HKEY__;  // the registry's key handle, without all of <windows.h>
#endif

namespace orbelle {

#ifdef _WIN32
// A key under HKEY_CURRENT_USER, in Windows' own registry.
class RegistryStore : public PreferenceStore {
 public:
  static constexpr const char* kUserKeyPath = "Software\\VKR\\VKR";

  explicit RegistryStore(std::string keyPath = kUserKeyPath);
  ~RegistryStore() override;
  RegistryStore(const RegistryStore&) = delete;
  RegistryStore& operator=(const RegistryStore&) = delete;

  bool openKey() override;
  bool createKey() override;
  bool hasKey() const override { return key_ != nullptr; }
  void closeKey() override;
  ReadResult query(std::string_view name, std::size_t bufferSize) override;
  bool writeString(std::string_view name, std::string_view text) override;
  bool writeNumber(std::string_view name, std::uint32_t value) override;

 private:
  void hold(HKEY__* key);

  std::string keyPath_;
  HKEY__* key_ = nullptr;
};
#endif

// The store of this platform for the current user: the registry key on Windows, the
// VKR.reg file elsewhere.
std::unique_ptr<PreferenceStore> makeUserPreferenceStore();

}  // namespace orbelle
