#include "EventLoop.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>

#include <sys/prctl.h>
#include <sys/stat.h>

namespace orbelle::sim {

namespace {

int gStopWriteFd = -1;

extern "C" void onStopSignal(int) {
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] const auto ignored = ::write(gStopWriteFd, &byte, 1);
  errno = saved;
}

// In nanoseconds, not poll()'s milliseconds: with wire emulation a byte is due every 87 us at
// 115200 baud, and rounding each wait up to a whole millisecond stretched every frame.
// ppoll() never wakes before the time given, so a wait cannot end early and spin.
std::optional<timespec> pollTimeout(const std::optional<Clock::time_point>& deadline) {
  if (!deadline) {
    return std::nullopt;
  }
  const auto left = std::clamp<Clock::duration>(*deadline - Clock::now(), Clock::duration::zero(),
                                                std::chrono::seconds(60));
  const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
  return timespec{static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
}

// Reads and drops what arrives; false once the input has ended.
bool drainStandardInput() {
  char buffer[256];
  const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
  return n > 0 || (n < 0 && (errno == EINTR || errno == EAGAIN));
}

}  // namespace

int installStopSignals() {
  int fds[2];
  if (::pipe(fds) != 0) {
    throw std::runtime_error(std::string("cannot create the stop pipe: ") + std::strerror(errno));
  }
  for (const int fd : fds) {
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
  }
  gStopWriteFd = fds[1];
  struct sigaction action {};
  action.sa_handler = onStopSignal;
  sigemptyset(&action.sa_mask);
  ::sigaction(SIGTERM, &action, nullptr);
  ::sigaction(SIGINT, &action, nullptr);
  // A client that goes away must not kill the simulator through a write.
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  ::sigaction(SIGPIPE, &ignore, nullptr);
  return fds[0];
}

bool standardInputIsWatchable() {
  struct stat info {};
  if (::fstat(STDIN_FILENO, &info) != 0) {
    return false;
  }
  return S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode) || ::isatty(STDIN_FILENO) != 0;
}

void runUntilStopped(Front& front, int stopReadFd, bool watchStdin) {
  // The kernel may otherwise let a timed wait run 50 us long, a large part of a byte's time.
  ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
  std::vector<pollfd> fds;
  while (true) {
    fds.clear();
    fds.push_back({stopReadFd, POLLIN, 0});
    if (watchStdin) {
      fds.push_back({STDIN_FILENO, POLLIN, 0});
    }
    const std::size_t own = fds.size();
    front.watch(fds);
    const std::optional<timespec> timeout = pollTimeout(front.deadline());
    if (::ppoll(fds.data(), fds.size(), timeout ? &*timeout : nullptr, nullptr) < 0) {
      if (errno == EINTR) {
        continue;
      }
      throw std::runtime_error(std::string("poll failed: ") + std::strerror(errno));
    }
    if (fds[0].revents != 0) {
      return;
    }
    if (watchStdin && fds[1].revents != 0 && !drainStandardInput()) {
      return;
    }
    front.serve(std::span<const pollfd>(fds).subspan(own), Clock::now());
  }
}

}  // namespace orbelle::sim
