#include "link/HidNodeReader.h"

#include <QSocketNotifier>
#include <QTimer>
#include <array>
#include <cerrno>
#include <cstring>

#include "link/LinkMessages.h"

#ifdef __linux__
#include <fcntl.h>
#include <unistd.h>

#include <linux/hidraw.h>
#include <sys/ioctl.h>
#endif

namespace orbelle {

namespace {

// Larger than any report of the base unit: a report is never cut.
constexpr std::size_t kReadBufferSize = 64;

}  // namespace

HidNodeReader::Opening HidNodeReader::open(const std::string& path, Callbacks callbacks) {
#ifdef __linux__
  // hidapi's other backends name a device by its place on the bus, not by a file.
  if (path.empty() || path.front() != '/') {
    return {nullptr, kNotANode};
  }
  const int fd = ::open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    const int error = errno;
    // A socket answers so, as does a node whose device has gone; hidapi then tries the path
    // and says why it cannot open it.
    return {nullptr, error == ENXIO || error == ENOTTY ? kNotANode : error};
  }
  return {std::unique_ptr<HidNodeReader>(new HidNodeReader(fd, std::move(callbacks))), 0};
#else
  (void)path;
  (void)callbacks;
  return {nullptr, kNotANode};
#endif
}

HidNodeReader::HidNodeReader(int fd, Callbacks callbacks)
    : fd_(fd), callbacks_(std::move(callbacks)) {
  notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &HidNodeReader::onReadable);
}

HidNodeReader::~HidNodeReader() { shutDown(); }

void HidNodeReader::send(const ReportFrame& frame) {
#ifdef __linux__
  if (fd_ >= 0) {
    // A refused report is lost like any failed send: the reply that does not come says so.
    (void)::ioctl(fd_, HIDIOCSFEATURE(frame.size()), frame.data());
  }
#else
  (void)frame;
#endif
}

void HidNodeReader::dropUnhandled() {
  ++drops_;
#ifdef __linux__
  // Whatever the system holds now came before the frame about to go out. A failing read is
  // left for the next ordinary one, which reports it.
  std::array<std::uint8_t, kReadBufferSize> buffer{};
  std::vector<Bytes> dropped;
  ssize_t n = 0;
  while (fd_ >= 0 && (n = readNode(buffer)) > 0) {
    dropped.emplace_back(buffer.begin(), buffer.begin() + n);
  }
  if (callbacks_.onDropped) {
    for (const Bytes& bytes : dropped) {
      callbacks_.onDropped(bytes);
    }
  }
#endif
}

void HidNodeReader::stopReceiving() {
  stopped_ = true;
  if (notifier_ != nullptr) {
    notifier_->setEnabled(false);
  }
}

void HidNodeReader::shutDown() {
  stopReceiving();
  if (fd_ >= 0) {
    delete notifier_;
    notifier_ = nullptr;
#ifdef __linux__
    ::close(fd_);
#endif
    fd_ = -1;
  }
}

void HidNodeReader::onReadable() {
  if (handlingDelay_.count() == 0) {
    handOverArrived();
    return;
  }
  // As on a machine too busy to notice: reports pile up in the system meanwhile.
  notifier_->setEnabled(false);
  if (!delayedHandOverDue_) {
    delayedHandOverDue_ = true;
    QTimer::singleShot(handlingDelay_, Qt::PreciseTimer, this, &HidNodeReader::handOverDelayed);
  }
}

void HidNodeReader::handOverArrived() {
  while (receiving()) {
    switch (readOne()) {
      case Read::Nothing:
        return;
      case Read::Failed:
        reportFailure();
        return;
      case Read::Report:
        if (handOver()) {
          return;
        }
        break;
    }
  }
}

void HidNodeReader::handOverDelayed() {
  delayedHandOverDue_ = false;
  if (!receiving()) {
    return;
  }
  bool again = false;
  switch (readOne()) {
    case Read::Nothing:
      break;
    case Read::Failed:
      reportFailure();
      return;
    case Read::Report:
      // Each report waits its own delay, unless its handler dropped the rest.
      again = !handOver();
      break;
  }
  if (!receiving()) {
    return;
  }
  if (again) {
    delayedHandOverDue_ = true;
    QTimer::singleShot(handlingDelay_, Qt::PreciseTimer, this, &HidNodeReader::handOverDelayed);
  } else {
    notifier_->setEnabled(true);
  }
}

#ifdef __linux__
ssize_t HidNodeReader::readNode(std::span<std::uint8_t> buffer) const {
  ssize_t n = 0;
  while ((n = ::read(fd_, buffer.data(), buffer.size())) < 0 && errno == EINTR) {
  }
  return n;
}
#endif

HidNodeReader::Read HidNodeReader::readOne() {
#ifdef __linux__
  std::array<std::uint8_t, kReadBufferSize> buffer{};
  const ssize_t n = readNode(buffer);
  if (n > 0) {
    report_.assign(buffer.begin(), buffer.begin() + n);
    return Read::Report;
  }
  if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
    return Read::Nothing;
  }
  // A device node never ends: the end, as an error, means the device has gone.
  failureText_ = n == 0 ? std::string(kStoppedAnsweringText) : std::string(std::strerror(errno));
  notifier_->setEnabled(false);
  return Read::Failed;
#else
  return Read::Nothing;
#endif
}

bool HidNodeReader::handOver() {
  const std::uint64_t drops = drops_;
  if (report_.size() < kWireFrameSize) {
    if (callbacks_.onShortRead) {
      callbacks_.onShortRead(static_cast<int>(report_.size()));
    }
  } else if (callbacks_.onReport) {
    callbacks_.onReport(report_);
  }
  return drops_ != drops;
}

void HidNodeReader::reportFailure() {
  if (fd_ < 0 || stopped_ || failureText_.empty()) {
    return;
  }
  stopped_ = true;
  if (callbacks_.onFailure) {
    callbacks_.onFailure(failureText_);
  }
}

}  // namespace orbelle
