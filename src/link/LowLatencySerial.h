#pragma once

#include <functional>
#include <optional>

namespace orbelle {

// Asks a serial driver to hand over received bytes at once instead of batching them. A
// USB-serial adapter otherwise waits up to its latency timer (16 ms on FTDI's) after each
// reply, which can double the time of a lock-step transfer at 115200 baud. No privilege is
// needed. The driver's previous flags are put back before the port closes, so other programs
// find the port as it was.
class LowLatencySerial {
 public:
  // ioctl(2) on `fd` for TIOCGSERIAL / TIOCSSERIAL with a `struct serial_struct*`; returns 0
  // or -1 with errno set. Replaceable so that the driver's answers can be tried without one.
  using Ioctl = std::function<int(int fd, unsigned long request, void* serial)>;

  enum class Result {
    On,           // the driver now hands bytes over at once
    Unsupported,  // not a driver that has the mode (a pseudo-terminal), or not allowed
  };

  explicit LowLatencySerial(Ioctl ioctl = {});

  Result enable(int fd);
  // Puts back the flags found by the last enable() that changed them; nothing otherwise.
  void restore(int fd);

 private:
  Ioctl ioctl_;
  std::optional<int> savedFlags_;
};

}  // namespace orbelle
