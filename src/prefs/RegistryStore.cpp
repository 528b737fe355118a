#include "prefs/RegistryStore.h"

#ifdef _WIN32
#include <windows.h>

#include <utility>
#else
#include "prefs/RegFileStore.h"
#endif

namespace orbelle {

#ifdef _WIN32

RegistryStore::RegistryStore(std::string keyPath) : keyPath_(std::move(keyPath)) {}

RegistryStore::~RegistryStore() { closeKey(); }

bool RegistryStore::openKey() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath_.c_str(), 0, KEY_ALL_ACCESS, &key) !=
      ERROR_SUCCESS) {
    return false;
  }
  hold(key);
  return true;
}

bool RegistryStore::createKey() {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, keyPath_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  hold(key);
  return true;
}

void RegistryStore::closeKey() {
  if (key_ != nullptr) {
    RegCloseKey(key_);
    key_ = nullptr;
  }
}

ReadResult RegistryStore::query(std::string_view name, std::size_t bufferSize) {
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

bool RegistryStore::writeString(std::string_view name, std::string_view text) {
  const std::string valueName(name);
  const std::string data(text);
  return key_ != nullptr && RegSetValueExA(key_, valueName.c_str(), 0, REG_SZ,
                                           reinterpret_cast<const BYTE*>(data.c_str()),
                                           static_cast<DWORD>(data.size() + 1)) == ERROR_SUCCESS;
}

bool RegistryStore::writeNumber(std::string_view name, std::uint32_t value) {
  const std::string valueName(name);
  const DWORD data = value;
  return key_ != nullptr &&
         RegSetValueExA(key_, valueName.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                        sizeof data) == ERROR_SUCCESS;
}

void RegistryStore::hold(HKEY key) {
  closeKey();
  key_ = key;
}

std::unique_ptr<PreferenceStore> makeUserPreferenceStore() {
  return std::make_unique<RegistryStore>();
}

#else

std::unique_ptr<PreferenceStore> makeUserPreferenceStore() {
  return std::make_unique<RegFileStore>(RegFileStore::defaultPath());
}

#endif

}  // namespace orbelle
