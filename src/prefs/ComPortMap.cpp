#include "prefs/ComPortMap.h"

#include <cstdlib>

namespace orbelle {

std::string comValueName(std::int32_t comNumber) { return "COM" + std::to_string(comNumber); }

ComDevice resolveComDevice(std::int32_t comNumber, PreferenceStore* store) {
  const std::string variable = "VKR_" + comValueName(comNumber);
  if (const char* fromEnvironment = std::getenv(variable.c_str());
      fromEnvironment != nullptr && fromEnvironment[0] != '\0') {
    return {fromEnvironment, ComDeviceSource::Environment};
  }
  if (store != nullptr) {
    if (auto stored = readStringValue(*store, comValueName(comNumber));
        stored && !stored->empty()) {
      return {*stored, ComDeviceSource::Store};
    }
  }
#ifdef _WIN32
  return {comValueName(comNumber), ComDeviceSource::PlatformDefault};
#else
  return {"/dev/ttyS" + std::to_string(comNumber - 1), ComDeviceSource::PlatformDefault};
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
