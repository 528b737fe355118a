#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "protocol/LinkError.h"

#ifdef _WIN32
#include <QLockFile>
#endif

namespace orbelle {

// An advisory lock on a device, keyed by its path, so that two of our programs never drive
// one base unit at once: over USB hidraw lets any number of processes open a node, and a
// serial port's own locks do not bind root or a second name for the same port. It binds
// only programs that take it: another tool opening the device is not kept out.
//
// The lock is an exclusive flock on a file in the temporary folder named after the device.
// The system releases it with its holder, however that ends, so a file left behind by a
// program that died is simply taken again. The holder writes its PID into the file only so
// that a refusal can name it; the file's text never decides who holds the lock, and an empty
// or half-written file is no different from any other. Separate openings of the file
// exclude each other, within one process too. The holder removes the file as it lets go.
class DeviceLock {
 public:
  enum class Outcome {
    Taken,
    InUse,        // another holder has it: the device must not be used
    Unavailable,  // the lock file cannot be made or locked: refused too, never used unlocked
  };

  struct Attempt {
    Outcome outcome = Outcome::Unavailable;
    std::unique_ptr<DeviceLock> lock;      // Taken
    std::optional<std::int64_t> ownerPid;  // InUse, when the holder's PID could be read
    std::string why;                       // Unavailable: the lock file and the system's words

    // Why `device` is refused, for an attempt that did not take the lock.
    LinkRefusal refusal(const std::string& device) const;
  };

  static Attempt tryTake(const std::string& devicePath);

  // Who holds the lock on `devicePath`, found without touching the lock (a probe that took it,
  // even for a moment, could refuse a program opening the unit just then): none when nobody
  // does; a holder without a PID when it cannot be told. Linux only: elsewhere always none.
  struct Holder {
    std::optional<std::int64_t> pid;
  };
  static std::optional<Holder> holderOf(const std::string& devicePath);

  DeviceLock(const DeviceLock&) = delete;
  DeviceLock& operator=(const DeviceLock&) = delete;
  ~DeviceLock();

  static std::string lockFilePath(const std::string& devicePath);

 private:
#ifdef _WIN32
  explicit DeviceLock(std::unique_ptr<QLockFile> file) : file_(std::move(file)) {}
  std::unique_ptr<QLockFile> file_;
#else
  DeviceLock(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
  int fd_ = -1;
  std::string path_;
#endif
};

}  // namespace orbelle
