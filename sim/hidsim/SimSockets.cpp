#include "SimSockets.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include <sys/socket.h>
#include <sys/un.h>

namespace orbelle::hidsim {

std::vector<std::string> simSocketPaths() {
  std::vector<std::string> paths;
  const char* all = std::getenv("VKR_HIDSIM_SOCKET");
  for (std::string_view rest = all != nullptr ? all : ""; !rest.empty();) {
    const std::size_t colon = rest.find(':');
    if (colon != 0) {
      paths.emplace_back(rest.substr(0, colon));
    }
    rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
  }
  return paths;
}

bool isSimSocketPath(const char* path) {
  if (path == nullptr) {
    return false;
  }
  for (const std::string& sim : simSocketPaths()) {
    if (sim == path) {
      return true;
    }
  }
  return false;
}

int connectToSim(const char* path, bool nonBlocking, std::string& what) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (std::strlen(path) >= sizeof address.sun_path) {
    what = std::string("socket path too long: ") + path;
    errno = ENAMETOOLONG;
    return -1;
  }
  std::strcpy(address.sun_path, path);
  const int fd =
      ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC | (nonBlocking ? SOCK_NONBLOCK : 0), 0);
  if (fd < 0) {
    what = "cannot create a socket";
    return -1;
  }
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    const int error = errno;
    what = std::string("cannot open ") + path;
    ::close(fd);
    errno = error;
    return -1;
  }
  return fd;
}

}  // namespace orbelle::hidsim

namespace orbelle::hidsim {

std::size_t firstReportOf(const unsigned char* packet, std::size_t size,
                          std::deque<std::vector<unsigned char>>& queued) {
  if (size <= kInputReportSize || size % kInputReportSize != 0) {
    return size;
  }
  for (std::size_t at = kInputReportSize; at < size; at += kInputReportSize) {
    queued.emplace_back(packet + at, packet + at + kInputReportSize);
  }
  return kInputReportSize;
}

long takeReport(int fd, std::deque<std::vector<unsigned char>>& queued, unsigned char* data,
                std::size_t length, int recvFlags) {
  if (!queued.empty()) {
    const std::vector<unsigned char> report = std::move(queued.front());
    queued.pop_front();
    const std::size_t taken = std::min(report.size(), length);
    std::memcpy(data, report.data(), taken);
    return static_cast<long>(taken);
  }
  std::array<unsigned char, kMaxPacket> packet{};
  const ssize_t n = ::recv(fd, packet.data(), packet.size(), recvFlags);
  if (n <= 0) {
    return n;
  }
  const std::size_t size = firstReportOf(packet.data(), static_cast<std::size_t>(n), queued);
  const std::size_t taken = std::min(size, length);
  std::memcpy(data, packet.data(), taken);
  return static_cast<long>(taken);
}

}  // namespace orbelle::hidsim
