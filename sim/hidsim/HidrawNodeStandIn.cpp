// A stand-in for the system calls the HID link makes on a base unit's device node (open,
// the feature-report ioctl, read, close), loaded with LD_PRELOAD beside the hidapi stand-in.
// Opening a path that VKR_HIDSIM_SOCKET names connects to that vkr-sim; everything else goes
// to the system. VKR_HIDSIM_NODES=0 leaves open alone, so that the link, finding no device
// node, reads through hidapi.

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <vector>

#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <sys/socket.h>

#include "SimSockets.h"

namespace {

// One simulated node: reports that came in one packet behind the first, for the next reads.
struct Node {
  std::deque<std::vector<unsigned char>> queued;
};

constexpr int kMaxNodeFd = 4096;
std::array<std::atomic<Node*>, kMaxNodeFd> gNodes{};

Node* nodeOf(int fd) {
  return fd >= 0 && fd < kMaxNodeFd ? gNodes[static_cast<std::size_t>(fd)].load() : nullptr;
}

template <typename Function>
Function next(const char* name) {
  return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

bool nodesWanted() {
  const char* wanted = std::getenv("VKR_HIDSIM_NODES");
  return wanted == nullptr || std::strcmp(wanted, "0") != 0;
}

// -1 with errno when the path is a simulator's and cannot be connected to; -2 when the path
// is not a simulator's.
int openSimNode(const char* path, int flags) {
  if (!nodesWanted() || !orbelle::hidsim::isSimSocketPath(path)) {
    return -2;
  }
  std::string what;
  const int fd = orbelle::hidsim::connectToSim(path, (flags & O_NONBLOCK) != 0, what);
  if (fd < 0) {
    return -1;
  }
  if (fd >= kMaxNodeFd) {
    ::close(fd);
    errno = EMFILE;
    return -1;
  }
  gNodes[static_cast<std::size_t>(fd)].store(new Node);
  return fd;
}

int openNamed(const char* symbol, const char* path, int flags, mode_t mode) {
  const int sim = openSimNode(path, flags);
  if (sim != -2) {
    return sim;
  }
  using Open = int (*)(const char*, int, ...);
  static const Open system = next<Open>(symbol);
  return system(path, flags, mode);
}

mode_t modeArgument(int flags, va_list arguments) {
  return (flags & (O_CREAT | O_TMPFILE)) != 0 ? static_cast<mode_t>(va_arg(arguments, int)) : 0;
}

// As hidraw reads: one report a read; the end of the simulator's connection reads as the
// device gone.
ssize_t readNode(Node& node, int fd, void* buffer, std::size_t length) {
  const long n =
      orbelle::hidsim::takeReport(fd, node.queued, static_cast<unsigned char*>(buffer), length, 0);
  if (n == 0 || (n < 0 && errno == ECONNRESET)) {
    errno = EIO;
    return -1;
  }
  return n;
}

}  // namespace

extern "C" {

#pragma GCC visibility push(default)

int open(const char* path, int flags, ...) {
  va_list arguments;
  va_start(arguments, flags);
  const mode_t mode = modeArgument(flags, arguments);
  va_end(arguments);
  return openNamed("open", path, flags, mode);
}

int open64(const char* path, int flags, ...) {
  va_list arguments;
  va_start(arguments, flags);
  const mode_t mode = modeArgument(flags, arguments);
  va_end(arguments);
  return openNamed("open64", path, flags, mode);
}

int __open_2(const char* path, int flags) { return openNamed("open", path, flags, 0); }

int __open64_2(const char* path, int flags) { return openNamed("open64", path, flags, 0); }

int ioctl(int fd, unsigned long request, ...) {
  va_list arguments;
  va_start(arguments, request);
  void* argument = va_arg(arguments, void*);
  va_end(arguments);
  if (nodeOf(fd) != nullptr && _IOC_TYPE(request) == 'H' &&
      _IOC_NR(request) == _IOC_NR(HIDIOCSFEATURE(0))) {
    // A feature report goes out as one packet; a simulator gone is a device gone.
    const ssize_t sent = ::send(fd, argument, _IOC_SIZE(request), MSG_NOSIGNAL);
    if (sent < 0 && (errno == EPIPE || errno == ECONNRESET || errno == ENOTCONN)) {
      errno = ENODEV;
    }
    return static_cast<int>(sent);
  }
  using Ioctl = int (*)(int, unsigned long, ...);
  static const Ioctl system = next<Ioctl>("ioctl");
  return system(fd, request, argument);
}

ssize_t read(int fd, void* buffer, std::size_t length) {
  if (Node* node = nodeOf(fd)) {
    return readNode(*node, fd, buffer, length);
  }
  using Read = ssize_t (*)(int, void*, std::size_t);
  static const Read system = next<Read>("read");
  return system(fd, buffer, length);
}

ssize_t __read_chk(int fd, void* buffer, std::size_t length, std::size_t bufferLength) {
  if (length > bufferLength) {
    std::abort();  // as the checked read does: a buffer overflow caught
  }
  return read(fd, buffer, length);
}

int close(int fd) {
  if (fd >= 0 && fd < kMaxNodeFd) {
    delete gNodes[static_cast<std::size_t>(fd)].exchange(nullptr);
  }
  using Close = int (*)(int);
  static const Close system = next<Close>("close");
  return system(fd);
}

#pragma GCC visibility pop

}  // extern "C"
