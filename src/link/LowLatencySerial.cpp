#include "link/LowLatencySerial.h"

#ifdef __linux__
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

namespace orbelle {

LowLatencySerial::LowLatencySerial(Ioctl ioctl) : ioctl_(std::move(ioctl)) {
#ifdef __linux__
  if (!ioctl_) {
    ioctl_ = [](int fd, unsigned long request, void* serial) {
      // NOLINTNEXTLINE(cppcoreguidelines-pro-type-vararg): ioctl(2) is declared that way
      return ::ioctl(fd, request, serial);
    };
  }
#endif
}

LowLatencySerial::Result LowLatencySerial::enable(int fd) {
  savedFlags_.reset();
#ifdef __linux__
  // ENOTTY (a pseudo-terminal), EINVAL (a driver without the call) and EPERM all mean the
  // same here: the port works as it is, only slower with some adapters.
  serial_struct serial{};
  if (!ioctl_ || ioctl_(fd, TIOCGSERIAL, &serial) != 0) {
    return Result::Unsupported;
  }
  if ((serial.flags & ASYNC_LOW_LATENCY) != 0) {
    return Result::On;
  }
  const int before = serial.flags;
  serial.flags |= ASYNC_LOW_LATENCY;
  if (ioctl_(fd, TIOCSSERIAL, &serial) != 0) {
    return Result::Unsupported;
  }
  savedFlags_ = before;
  return Result::On;
#else
  (void)fd;
  return Result::Unsupported;
#endif
}

void LowLatencySerial::restore(int fd) {
#ifdef __linux__
  if (!savedFlags_ || !ioctl_) {
    return;
  }
  serial_struct serial{};
  if (ioctl_(fd, TIOCGSERIAL, &serial) == 0) {
    serial.flags = *savedFlags_;
    ioctl_(fd, TIOCSSERIAL, &serial);
  }
#else
  (void)fd;
#endif
  savedFlags_.reset();
}

}  // namespace orbelle
