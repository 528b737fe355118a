#pragma once

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <vector>

#include <sys/ioctl.h>

namespace orbelle::testing {

// Plays the base unit's end of a pseudo-terminal.
class PtyPeer {
 public:
  PtyPeer() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    ::grantpt(master_);
    ::unlockpt(master_);
    path_ = ::ptsname(master_);
    // Holding the slave open keeps the terminal alive between the link's openings.
    holder_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY);
    termios raw{};
    ::tcgetattr(holder_, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(holder_, TCSANOW, &raw);
  }
  ~PtyPeer() { hangUp(); }
  // Closes the unit's end: the link's end of the terminal hangs up.
  void hangUp() {
    for (int* fd : {&holder_, &master_}) {
      if (*fd >= 0) {
        ::close(*fd);
        *fd = -1;
      }
    }
  }
  const std::string& path() const { return path_; }
  bool write(const std::vector<std::uint8_t>& bytes) const {
    return ::write(master_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
  }
  std::vector<std::uint8_t> read(std::size_t count) const {
    std::vector<std::uint8_t> bytes(count);
    std::size_t got = 0;
    while (got < count) {
      pollfd fd{master_, POLLIN, 0};
      if (::poll(&fd, 1, 5000) <= 0) {
        break;  // nothing came within 5 s
      }
      const ssize_t n = ::read(master_, bytes.data() + got, count - got);
      if (n <= 0) {
        break;
      }
      got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return bytes;
  }
  // Bytes written to the link's end that it has not read yet.
  int unread() const {
    int waiting = 0;
    ::ioctl(holder_, FIONREAD, &waiting);
    return waiting;
  }
  // Waits until `count` bytes wait at the link's end: a pseudo-terminal passes them on
  // through a queue of its own, after write has returned.
  bool arrived(int count) const {
    for (int ms = 0; ms < 5000; ++ms) {
      if (unread() >= count) {
        return true;
      }
      ::poll(nullptr, 0, 1);
    }
    return false;
  }
  speed_t slaveSpeed() const {
    termios t{};
    ::tcgetattr(holder_, &t);
    return ::cfgetospeed(&t);
  }

 private:
  int master_ = -1;
  int holder_ = -1;
  std::string path_;
};

}  // namespace orbelle::testing
