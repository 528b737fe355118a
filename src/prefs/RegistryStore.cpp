#include "prefs/RegistryStore.h"

#ifdef _WIN32
#include <windows.h>

#include <string>
#else
#include "prefs/RegFileStore.h"
#endif

namespace orbelle {

#ifdef _WIN32

namespace {

constexpr const char* kKeyPath = "Software\\VKR\\VKR";

class RegistryStore : public PreferenceStore {
 public:
  ~RegistryStore() override { closeKey(); }

  bool openKey() override {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kKeyPath, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) {
      return false;
    }
    hold(key);
    return true;
  }

  bool createKey() override {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kKeyPath, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) {
      return false;
    }
    hold(key);
    return true;
  }

  bool hasKey() const override { return key_ != nullptr; }

  void closeKey() override {
    if (key_ != nullptr) {
      RegCloseKey(key_);
      key_ = nullptr;
    }
  }

  ReadResult query(std::string_view name, std::size_t bufferSize) override {
    if (key_ == nullptr) {
      return {};
    }
    std::vector<std::uint8_t> buffer(bufferSize);
    DWORD size = static_cast<DWORD>(bufferSize);
    const std::string valueName(name);
    const LONG result =
        RegQueryValueExA(key_, valueName.c_str(), nullptr, nullptr, buffer.data(), &size);
    if (result == ERROR_MORE_DATA) {
      return {ReadStatus::TooLong, {}};
    }
    if (result != ERROR_SUCCESS) {
      return {};
    }
    buffer.resize(size);
    return {ReadStatus::Ok, std::move(buffer)};
  }

  bool writeString(std::string_view name, std::string_view text) override {
    const std::string valueName(name);
    const std::string data(text);
    return key_ != nullptr && RegSetValueExA(key_, valueName.c_str(), 0, REG_SZ,
                                             reinterpret_cast<const BYTE*>(data.c_str()),
                                             static_cast<DWORD>(data.size() + 1)) == ERROR_SUCCESS;
  }

  bool writeNumber(std::string_view name, std::uint32_t value) override {
    const std::string valueName(name);
    const DWORD data = value;
    return key_ != nullptr &&
           RegSetValueExA(key_, valueName.c_str(), 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&data), sizeof data) == ERROR_SUCCESS;
  }

 private:
  void hold(HKEY key) {
    closeKey();
    key_ = key;
  }

  HKEY key_ = nullptr;
};

}  // namespace

std::unique_ptr<PreferenceStore> makeUserPreferenceStore() {
  return std::make_unique<RegistryStore>();
}

#else

std::unique_ptr<PreferenceStore> makeUserPreferenceStore() {
  return std::make_unique<RegFileStore>(RegFileStore::defaultPath());
}

#endif

}  // namespace orbelle
