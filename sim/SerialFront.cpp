#include "SerialFront.h"

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>

#include <sys/ioctl.h>

#include "ReplyShaping.h"

namespace orbelle::sim {

namespace {

using namespace std::chrono_literals;

constexpr int kBitsPerByte = 10;  // start bit, 8 data bits, stop bit
// Bytes that sit this long without completing a frame are a stray piece, not a frame start.
constexpr auto kPartialFrameIdle = 1s;
// Without wire emulation the 1-byte pieces of a split reply are spaced out this much, so
// that the reader sees them arrive one by one.
constexpr auto kSplitPieceGap = 1ms;
// Before the device vanishes, the PC gets this long to read the last replies: what is still
// queued on the terminal when the master side closes is lost.
constexpr auto kVanishGrace = 20ms;
constexpr auto kVanishDrainCheck = 5ms;
constexpr auto kVanishGiveUp = 2s;

std::runtime_error systemError(const std::string& what) {
  std::string text(what);
  text.append(": ").append(std::strerror(errno));
  return std::runtime_error(text);
}

void makeRaw(int fd) {
  termios settings{};
  if (::tcgetattr(fd, &settings) != 0) {
    throw systemError("cannot read the terminal settings of the pseudo-terminal");
  }
  // No echo and no translation: echo would send the PC's frames straight back.
  ::cfmakeraw(&settings);
  if (::tcsetattr(fd, TCSANOW, &settings) != 0) {
    throw systemError("cannot put the pseudo-terminal in raw mode");
  }
}

}  // namespace

SerialFront::SerialFront(SimHost& host, std::optional<int> baudRate,
                         std::chrono::milliseconds replyDelay, SerialLine line)
    : host_(host), replyDelay_(replyDelay), line_(std::move(line)) {
  if (baudRate) {
    if (*baudRate <= 0) {
      throw std::invalid_argument("the emulated baud rate must be positive");
    }
    byteTime_ = std::chrono::nanoseconds(1'000'000'000LL * kBitsPerByte / *baudRate);
  }
  master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (master_ < 0) {
    throw systemError("cannot open a pseudo-terminal");
  }
  ::fcntl(master_, F_SETFD, FD_CLOEXEC);
  if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
    closeDevice();
    throw systemError("cannot unlock the pseudo-terminal");
  }
  const char* name = ::ptsname(master_);
  if (name == nullptr) {
    closeDevice();
    throw systemError("cannot name the pseudo-terminal");
  }
  devicePath_ = name;
  heldSlave_ = ::open(devicePath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (heldSlave_ < 0) {
    closeDevice();
    throw systemError("cannot open " + devicePath_);
  }
  try {
    makeRaw(heldSlave_);
  } catch (...) {
    closeDevice();
    throw;
  }
  ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
}

SerialFront::~SerialFront() { closeDevice(); }

void SerialFront::watch(std::vector<pollfd>& fds) {
  if (master_ < 0) {
    return;
  }
  short events = vanishing_ ? 0 : POLLIN;
  if (blockedOnWrite_) {
    events |= POLLOUT;
  }
  fds.push_back({master_, events, 0});
}

void SerialFront::serve(std::span<const pollfd> fds, Clock::time_point now) {
  if (master_ < 0) {
    return;
  }
  if (!fds.empty() && (fds[0].revents & POLLIN) != 0 && !vanishing_) {
    readInput(now);
  }
  answerDueFrames(now);
  writeDueOutput(now);
  if (vanishing_) {
    finishVanishing(now);
  }
}

std::optional<Clock::time_point> SerialFront::deadline() const {
  if (master_ < 0) {
    return std::nullopt;
  }
  std::optional<Clock::time_point> next;
  const auto consider = [&next](Clock::time_point t) { next = next ? std::min(*next, t) : t; };
  if (!arriving_.empty()) {
    consider(arriving_.front().due);
  }
  if (pendingWrite_.empty() && !output_.empty()) {
    consider(output_.front().notBefore);
  }
  if (vanishing_ && outputIdle()) {
    consider(nextDrainCheck_);
  }
  return next;
}

int SerialFront::portRate() const {
  termios settings{};
  if (::tcgetattr(heldSlave_, &settings) != 0) {
    return 0;
  }
  switch (::cfgetospeed(&settings)) {
    case B1200:
      return 1200;
    case B2400:
      return 2400;
    case B4800:
      return 4800;
    case B9600:
      return 9600;
    case B19200:
      return 19200;
    case B38400:
      return 38400;
    case B57600:
      return 57600;
    case B115200:
      return 115200;
    case B230400:
      return 230400;
    default:
      return 0;
  }
}

std::optional<Clock::duration> SerialFront::byteTime(int rate) const {
  if (line_.portPaced && rate > 0) {
    return std::chrono::nanoseconds(1'000'000'000LL * kBitsPerByte / rate);
  }
  return byteTime_;
}

void SerialFront::readInput(Clock::time_point now) {
  std::uint8_t buffer[4096];
  // A pseudo-terminal keeps no rate with its bytes: the setting when they are read stands in
  // for the one they were written at.
  const bool watchRate = line_.portPaced || line_.lineCheck;
  while (true) {
    const ssize_t n = ::read(master_, buffer, sizeof buffer);
    if (n > 0) {
      const int rate = watchRate ? portRate() : 0;
      for (ssize_t i = 0; i < n; ++i) {
        takeByte(buffer[i], now, rate);
      }
      continue;
    }
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n < 0 && errno != EAGAIN) {
      host_.warn(std::string("reading the pseudo-terminal failed: ") + std::strerror(errno));
    }
    return;
  }
}

void SerialFront::takeByte(std::uint8_t byte, Clock::time_point now, int portRate) {
  if (!partial_.empty() && now - lastByteAt_ > kPartialFrameIdle) {
    host_.warn("dropped " + std::to_string(partial_.size()) +
               " bytes that never made up a 38-byte frame");
    partial_.clear();
  }
  lastByteAt_ = now;
  lastPortRate_ = portRate;
  Clock::time_point arrived = now;
  if (const auto wireByte = byteTime(portRate)) {
    inboundLineFree_ = std::max(now, inboundLineFree_) + *wireByte;
    arrived = inboundLineFree_;
  }
  if (partial_.empty()) {
    partialRate_ = portRate;
  }
  partial_.push_back(byte);
  if (partial_.size() == kWireFrameSize) {
    ArrivingFrame frame{{}, arrived, partialRate_};
    std::copy(partial_.begin(), partial_.end(), frame.bytes.begin());
    arriving_.push_back(frame);
    partial_.clear();
  }
}

void SerialFront::answerDueFrames(Clock::time_point now) {
  while (!vanishing_ && !arriving_.empty() && arriving_.front().due <= now) {
    const WireFrame frame = arriving_.front().bytes;
    // The unit answers the moment the frame is in, however late this process woke up: the
    // emulated line must not run slower than the rate it stands for.
    const Clock::time_point arrived = arriving_.front().due;
    const int rate = arriving_.front().portRate;
    arriving_.pop_front();
    if (line_.lineCheck) {
      if (const auto refusal = line_.lineCheck->refusal(frame, rate)) {
        host_.warn(*refusal);
        continue;
      }
    }
    const ModelOutput output = host_.handle(frame);
    for (const WireFrame& reply : output.replies) {
      queueReply(reply, arrived + replyDelay_);
    }
    if (output.vanished) {
      vanishing_ = true;
      arriving_.clear();
      partial_.clear();
    }
  }
}

void SerialFront::queueReply(const WireFrame& reply, Clock::time_point now) {
  const bool split = host_.faults().splitReplies;
  for (auto& piece : piecesOf(reply, host_.faults())) {
    if (const auto wireByte = byteTime(lastPortRate_)) {
      // Each byte leaves when the one before it has crossed the line.
      for (const std::uint8_t b : piece) {
        outboundLineFree_ = std::max(now, outboundLineFree_) + *wireByte;
        output_.push_back({{b}, outboundLineFree_, split});
      }
    } else if (split) {
      outboundLineFree_ = std::max(now, outboundLineFree_ + kSplitPieceGap);
      output_.push_back({std::move(piece), outboundLineFree_, true});
    } else {
      output_.push_back({std::move(piece), now, false});
    }
  }
}

void SerialFront::writeDueOutput(Clock::time_point now) {
  while (true) {
    if (pendingWrite_.empty()) {
      if (output_.empty() || output_.front().notBefore > now) {
        return;
      }
      const bool ownWrite = output_.front().ownWrite;
      pendingWrite_ = std::move(output_.front().bytes);
      output_.pop_front();
      while (!ownWrite && !output_.empty() && !output_.front().ownWrite &&
             output_.front().notBefore <= now) {
        pendingWrite_.insert(pendingWrite_.end(), output_.front().bytes.begin(),
                             output_.front().bytes.end());
        output_.pop_front();
      }
    }
    const ssize_t n = ::write(master_, pendingWrite_.data(), pendingWrite_.size());
    if (n < 0) {
      if (errno == EINTR) {
        continue;
      }
      if (errno == EAGAIN) {
        blockedOnWrite_ = true;
        return;
      }
      host_.warn(std::string("writing the pseudo-terminal failed: ") + std::strerror(errno));
      pendingWrite_.clear();
      output_.clear();
      return;
    }
    blockedOnWrite_ = false;
    pendingWrite_.erase(pendingWrite_.begin(), pendingWrite_.begin() + n);
  }
}

void SerialFront::finishVanishing(Clock::time_point now) {
  if (!outputIdle()) {
    return;
  }
  if (vanishGiveUp_ == Clock::time_point{}) {
    vanishGiveUp_ = now + kVanishGiveUp;
    nextDrainCheck_ = now + kVanishGrace;
    return;
  }
  if (now < nextDrainCheck_) {
    return;
  }
  int queued = 0;
  if (::ioctl(heldSlave_, FIONREAD, &queued) == 0 && queued > 0 && now < vanishGiveUp_) {
    nextDrainCheck_ = now + kVanishDrainCheck;
    return;
  }
  closeDevice();
  host_.reportVanished();
}

void SerialFront::closeDevice() {
  for (int* fd : {&heldSlave_, &master_}) {
    if (*fd >= 0) {
      ::close(*fd);
      *fd = -1;
    }
  }
}

}  // namespace orbelle::sim
