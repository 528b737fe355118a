#pragma once

#include <QLockFile>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace orbelle {

// An advisory lock on a device, keyed by its path, so that two of our programs never drive
// one base unit at once over USB (hidraw lets any number of processes open a node; a serial
// port has its own lock). It binds only programs that take it: another tool opening the
// node is not kept out. The lock file lives in the temporary folder, named after the path,
// and holds the PID of its owner; a lock left by a program that died is taken over.
class DeviceLock {
 public:
  // The outcome of an attempt: held, in use by the process `ownerPid`, or not lockable (the
  // folder cannot be written), in which case the device is used unlocked.
  struct Attempt {
    std::unique_ptr<DeviceLock> lock;
    std::optional<std::int64_t> ownerPid;
  };

  static Attempt tryTake(const std::string& devicePath);

  DeviceLock(const DeviceLock&) = delete;
  DeviceLock& operator=(const DeviceLock&) = delete;
  ~DeviceLock() = default;

  static std::string lockFilePath(const std::string& devicePath);

 private:
  explicit DeviceLock(std::unique_ptr<QLockFile> file) : file_(std::move(file)) {}

  std::unique_ptr<QLockFile> file_;
};

}  // namespace orbelle
