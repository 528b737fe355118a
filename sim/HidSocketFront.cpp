#include "HidSocketFront.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <stdexcept>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <sys/un.h>

#include "ReplyShaping.h"

namespace orbelle::sim {

namespace {

std::runtime_error systemError(const std::string& what) {
  std::string text(what);
  text.append(": ").append(std::strerror(errno));
  return std::runtime_error(text);
}

sockaddr_un addressOf(const std::string& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.empty() || path.size() >= sizeof address.sun_path) {
    throw std::invalid_argument("socket path must have 1 to " +
                                std::to_string(sizeof address.sun_path - 1) +
                                " characters: " + path);
  }
  std::copy(path.begin(), path.end(), address.sun_path);
  return address;
}

// A socket file left by a simulator that did not exit cleanly is taken over; one that
// somebody still serves, or a file of another kind, is not touched.
void clearStaleSocket(const std::string& path, const sockaddr_un& address) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) {
    return;
  }
  if (!S_ISSOCK(info.st_mode)) {
    throw std::runtime_error(path + " exists and is not a socket");
  }
  const int probe = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
  const bool served = probe >= 0 && ::connect(probe, reinterpret_cast<const sockaddr*>(&address),
                                              sizeof address) == 0;
  if (probe >= 0) {
    ::close(probe);
  }
  if (served) {
    throw std::runtime_error("another simulator already serves " + path);
  }
  ::unlink(path.c_str());
}

}  // namespace

HidSocketFront::HidSocketFront(SimHost& host, std::string path,
                               std::optional<Clock::duration> usbInterval,
                               const std::string& serialNumber)
    : host_(host), path_(std::move(path)), usbInterval_(usbInterval), firstBoundary_(Clock::now()) {
  if (usbInterval_ && *usbInterval_ <= Clock::duration::zero()) {
    throw std::invalid_argument("the USB interval must be positive");
  }
  const sockaddr_un address = addressOf(path_);
  clearStaleSocket(path_, address);
  // There before the socket, so that the unit is never listed without it.
  std::ofstream(serialNumberPath(), std::ios::trunc) << serialNumber;
  listener_ = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (listener_ < 0) {
    throw systemError("cannot create a SOCK_SEQPACKET socket");
  }
  if (::bind(listener_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(listener_, 4) != 0) {
    const auto error = systemError("cannot listen on " + path_);
    ::close(listener_);
    listener_ = -1;
    throw error;
  }
  struct stat info {};
  if (::stat(path_.c_str(), &info) == 0) {
    socketDevice_ = info.st_dev;
    socketInode_ = info.st_ino;
  }
}

HidSocketFront::~HidSocketFront() { shutDown(); }

void HidSocketFront::watch(std::vector<pollfd>& fds) {
  if (listener_ < 0) {
    return;
  }
  fds.push_back({listener_, POLLIN, 0});
  for (const int client : clients_) {
    fds.push_back({client, POLLIN, 0});
  }
}

std::optional<Clock::time_point> HidSocketFront::deadline() const {
  std::optional<Clock::time_point> next;
  if (!heldFrames_.empty()) {
    next = heldFrames_.front().due;
  }
  if (!heldReports_.empty()) {
    next = next ? std::min(*next, heldReports_.front().due) : heldReports_.front().due;
  }
  return next;
}

void HidSocketFront::serve(std::span<const pollfd> fds, Clock::time_point now) {
  if (listener_ < 0 || fds.empty()) {
    return;
  }
  serveDue(now);
  // Clients first: the list changes once a new client is accepted.
  for (const pollfd& fd : fds.subspan(1)) {
    if (listener_ < 0) {
      return;  // vanished while answering
    }
    if (fd.revents != 0 && !readClient(fd.fd, now)) {
      ::close(fd.fd);
      clients_.erase(std::remove(clients_.begin(), clients_.end(), fd.fd), clients_.end());
    }
  }
  if (listener_ >= 0 && (fds[0].revents & POLLIN) != 0) {
    acceptClient();
  }
}

void HidSocketFront::acceptClient() {
  const int client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
  if (client >= 0) {
    clients_.push_back(client);
  } else if (errno != EAGAIN && errno != EINTR) {
    host_.warn(std::string("accepting a client failed: ") + std::strerror(errno));
  }
}

bool HidSocketFront::readClient(int fd, Clock::time_point now) {
  std::uint8_t packet[kFrameSize + 1];
  const ssize_t n = ::recv(fd, packet, sizeof packet, MSG_TRUNC);
  if (n < 0) {
    return errno == EAGAIN || errno == EINTR;
  }
  if (n == 0) {
    return false;  // the client closed its handle
  }
  if (n != static_cast<ssize_t>(kFrameSize) || packet[frame_pos::kReportId] != 0) {
    host_.warn("feature report of " + std::to_string(n) + " bytes with report ID " +
               std::to_string(packet[0]) + " ignored; expected 39 bytes with report ID 0");
    return true;
  }
  WireFrame frame{};
  std::copy_n(packet + 1, kWireFrameSize, frame.begin());
  if (usbInterval_) {
    if (!vanishing_) {
      heldFrames_.push_back({frame, nextBoundary(now)});
    }
  } else {
    answer(frame, now);
  }
  return true;
}

void HidSocketFront::answer(const WireFrame& frame, Clock::time_point now) {
  const ModelOutput output = host_.handle(frame);
  for (const WireFrame& reply : output.replies) {
    auto packets = piecesOf(reply, host_.faults());
    if (!usbInterval_) {
      sendToClients(packets);
      continue;
    }
    for (auto& packet : packets) {
      lastReportDue_ = std::max(nextBoundary(now), lastReportDue_ + *usbInterval_);
      heldReports_.push_back({std::move(packet), lastReportDue_});
    }
  }
  if (output.vanished) {
    heldFrames_.clear();
    vanishing_ = true;
    if (heldReports_.empty()) {
      vanish();
    }
  }
}

void HidSocketFront::serveDue(Clock::time_point now) {
  while (!heldReports_.empty() && heldReports_.front().due <= now) {
    sendToClients({std::move(heldReports_.front().bytes)});
    heldReports_.pop_front();
  }
  while (!heldFrames_.empty() && heldFrames_.front().due <= now) {
    const HeldFrame frame = heldFrames_.front();
    heldFrames_.pop_front();
    answer(frame.bytes, frame.due);
  }
  if (vanishing_ && heldReports_.empty() && listener_ >= 0) {
    vanish();
  }
}

Clock::time_point HidSocketFront::nextBoundary(Clock::time_point after) const {
  const auto passed = (after - firstBoundary_) / *usbInterval_;
  return firstBoundary_ + (passed + 1) * *usbInterval_;
}

void HidSocketFront::vanish() {
  shutDown();
  host_.reportVanished();
}

void HidSocketFront::sendToClients(const std::vector<std::vector<std::uint8_t>>& packets) {
  // All packets of one reply in one call, so that a repeated report is queued before the
  // reader can answer the first one.
  std::vector<iovec> pieces(packets.size());
  std::vector<mmsghdr> messages(packets.size());
  for (std::size_t i = 0; i < packets.size(); ++i) {
    pieces[i] = {const_cast<std::uint8_t*>(packets[i].data()), packets[i].size()};
    messages[i] = {};
    messages[i].msg_hdr.msg_iov = &pieces[i];
    messages[i].msg_hdr.msg_iovlen = 1;
  }
  for (const int client : clients_) {
    const int sent = ::sendmmsg(client, messages.data(), static_cast<unsigned>(messages.size()),
                                MSG_NOSIGNAL | MSG_DONTWAIT);
    if (sent < 0 && errno != EPIPE && errno != ECONNRESET) {
      host_.warn(std::string("input report lost: ") + std::strerror(errno));
    } else if (sent >= 0 && sent < static_cast<int>(messages.size())) {
      host_.warn("input report lost: the client's queue is full");
    }
  }
}

void HidSocketFront::shutDown() {
  // The device leaves the list before its connections drop, as an unplugged unit does: a
  // reader that sees its read fail then finds the unit gone.
  if (listener_ >= 0) {
    // Removed only while it is still the socket this simulator created.
    struct stat info {};
    if (::lstat(path_.c_str(), &info) == 0 && info.st_dev == socketDevice_ &&
        info.st_ino == socketInode_) {
      ::unlink(path_.c_str());
      ::unlink(serialNumberPath().c_str());
    }
    ::close(listener_);
    listener_ = -1;
  }
  for (const int client : clients_) {
    ::close(client);
  }
  clients_.clear();
}

}  // namespace orbelle::sim
