#include "prefs/ComPortMap.h"

#include <algorithm>
#include <cstdlib>

#include "prefs/RemotePort.h"

namespace orbelle {

std::string comValueName(std::int32_t comNumber) { return "COM" + std::to_string(comNumber); }

std::optional<ComPathFault> checkComDevicePath(std::string_view path) {
  if (path.empty()) {
    return ComPathFault::Empty;
  }
  if (std::any_of(path.begin(), path.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b < 0x20 || b == 0x7F;
      })) {
    return ComPathFault::ControlCharacter;
  }
  if (isRemotePortText(path)) {
    return parseRemotePort(path) ? std::nullopt : std::optional(ComPathFault::BadUrl);
  }
#ifndef _WIN32
  if (path.front() != '/') {
    return ComPathFault::NotAbsolute;
  }
#endif
  return std::nullopt;
}

const char* describeComPathFault(ComPathFault fault) {
  switch (fault) {
    case ComPathFault::Empty:
      return "it is empty";
    case ComPathFault::NotAbsolute:
      return "it is not a full path (one that begins with /)";
    case ComPathFault::ControlCharacter:
      return "it holds a control character";
    case ComPathFault::BadUrl:
      return "it is not a URL of the form rfc2217://HOST:PORT or socket://HOST:PORT";
  }
  return "it is not usable";
}

std::optional<UnusableComEntry> unusableStoredComDevice(std::int32_t comNumber,
                                                        PreferenceStore& store) {
  auto stored = readStringValue(store, comValueName(comNumber));
  if (!stored || stored->empty()) {
    return std::nullopt;  // nothing stored: the default is meant
  }
  if (const auto fault = checkComDevicePath(*stored)) {
    return UnusableComEntry{std::move(*stored), *fault};
  }
  return std::nullopt;
}

ComDevice resolveComDevice(std::int32_t comNumber, PreferenceStore* store) {
  const std::string variable = "VKR_" + comValueName(comNumber);
  if (const char* fromEnvironment = std::getenv(variable.c_str());
      fromEnvironment != nullptr && fromEnvironment[0] != '\0') {
    return {fromEnvironment, ComDeviceSource::Environment, checkComDevicePath(fromEnvironment)};
  }
  if (store != nullptr) {
    if (auto stored = readStringValue(*store, comValueName(comNumber));
        stored && !stored->empty() && !checkComDevicePath(*stored)) {
      return {*stored, ComDeviceSource::Store, std::nullopt};
    }
  }
#ifdef _WIN32
  return {comValueName(comNumber), ComDeviceSource::PlatformDefault, std::nullopt};
#else
  return {"/dev/ttyS" + std::to_string(comNumber - 1), ComDeviceSource::PlatformDefault,
          std::nullopt};
#endif
}

const char* describeSource(ComDeviceSource source) {
  switch (source) {
    case ComDeviceSource::Environment:
      return "environment";
    case ComDeviceSource::Store:
      return "stored";
    case ComDeviceSource::PlatformDefault:
      return "default";
    case ComDeviceSource::Given:
      return "given";
  }
  return "default";
}

}  // namespace orbelle
