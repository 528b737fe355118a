#pragma once

#include <cstdint>
#include <string>

#include "prefs/PreferenceStore.h"

namespace orbelle {

// Given: a device named for this run in place of any COM number (vkr --device); messages
// then name the device alone.
enum class ComDeviceSource { Environment, Store, PlatformDefault, Given };

struct ComDevice {
  std::string path;
  ComDeviceSource source = ComDeviceSource::PlatformDefault;
};

// The serial device behind COM<n>: $VKR_COM<n> if set, else the stored string value
// "COM<n>", else the platform's own name (/dev/ttyS<n-1>, or COM<n> on Windows).
ComDevice resolveComDevice(std::int32_t comNumber, PreferenceStore* store);

std::string comValueName(std::int32_t comNumber);
const char* describeSource(ComDeviceSource source);

}  // namespace orbelle
