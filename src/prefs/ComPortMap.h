#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "prefs/PreferenceStore.h"

namespace orbelle {

// Given: a device named for this run in place of any COM number (vkr --device); messages
// then name the device alone.
enum class ComDeviceSource { Environment, Store, PlatformDefault, Given };

// Why a text cannot name the serial device behind a COM number.
enum class ComPathFault {
  Empty,
  // Not a full path: it would depend on the folder the program starts in (and the serial
  // port's own lookup reads a bare name under /dev instead). On Windows device names such
  // as COM7 are taken as they are.
  NotAbsolute,
  ControlCharacter,  // no device is named so; most likely a paste or a script gone wrong
  // Begins as an rfc2217:// or socket:// URL but names no host and port (see RemotePort.h).
  BadUrl,
};

// A device's full path, or the URL of a port on a network serial server (RemotePort.h).
std::optional<ComPathFault> checkComDevicePath(std::string_view path);
const char* describeComPathFault(ComPathFault fault);

struct ComDevice {
  std::string path;
  ComDeviceSource source = ComDeviceSource::PlatformDefault;
  // Set when the environment names the device against checkComDevicePath's rule: it must not
  // be opened (a bare name would reach a port under /dev), and nothing stands in for it.
  std::optional<ComPathFault> fault;
};

// The serial device behind COM<n>: $VKR_COM<n> if set (with its fault, if it has one), else
// the stored string value "COM<n>" if checkComDevicePath finds no fault in it, else the
// platform's own name (/dev/ttyS<n-1>, or COM<n> on Windows). A faulty stored value is
// passed over, since the operator may not know it is there; a faulty environment value was
// set for this very run, and quietly using another port would be worse than refusing.
ComDevice resolveComDevice(std::int32_t comNumber, PreferenceStore* store);

// A stored "COM<n>" that resolveComDevice passes over, so that it can be told.
struct UnusableComEntry {
  std::string text;
  ComPathFault fault;
};
std::optional<UnusableComEntry> unusableStoredComDevice(std::int32_t comNumber,
                                                        PreferenceStore& store);

std::string comValueName(std::int32_t comNumber);
const char* describeSource(ComDeviceSource source);

}  // namespace orbelle
