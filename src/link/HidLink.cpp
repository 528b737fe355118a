#include "link/HidLink.h"

#include <QTimer>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <optional>
#include <system_error>

#include <hidapi/hidapi.h>

#include "link/HidNodeReader.h"

namespace orbelle {

namespace {

constexpr int kReadWaitMs = 100;
// hidapi drops report ID 0 from input reports: a full report is 38 bytes.
constexpr int kStrippedReportSize = static_cast<int>(kWireFrameSize);

using Bytes = std::vector<std::uint8_t>;

void ensureHidInitialised() {
  static const bool initialised = hid_init() == 0;
  (void)initialised;
}

// hid_error's text as UTF-8, without Qt: the receive thread may still run while the program
// exits.
std::string narrow(const wchar_t* text) {
  std::string out;
  for (; text != nullptr && *text != L'\0'; ++text) {
    const auto c = static_cast<std::uint32_t>(*text);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

// A full input report as the system returned it, with report ID 0 in front when it was
// stripped.
HidLink::Report toReport(std::span<const std::uint8_t> bytes) {
  HidLink::Report report{};
  if (bytes.size() == static_cast<std::size_t>(kStrippedReportSize)) {
    std::copy(bytes.begin(), bytes.end(), report.begin() + 1);
  } else {
    std::copy_n(bytes.begin(), std::min(bytes.size(), report.size()), report.begin());
  }
  return report;
}

LinkFailure failureOf(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
      return LinkFailure::PermissionDenied;
    case ENOENT:
    case ENODEV:
    case ENXIO:
      return LinkFailure::DeviceNotFound;
    case EBUSY:
      return LinkFailure::Busy;
    default:
      return LinkFailure::Other;
  }
}

}  // namespace

// What one opening's receive thread shares with the link. All fields under `mutex`, except
// `stopped`, which the thread also polls between reads.
struct HidLink::Reception {
  ThreadWakeUp* wakeUp = nullptr;  // used only while not stopped: the link may be gone after

  std::mutex mutex;
  std::condition_variable changed;
  std::atomic<bool> stopped{false};

  // The hand-over: the report waiting for the UI thread, and tickets for its handling.
  std::optional<Report> pending;
  std::uint64_t handOversAsked = 0;
  std::uint64_t handOversDone = 0;
  std::deque<std::pair<Problem, std::string>> problems;

  // The thread waits in a hand-over, out of every hidapi call: the UI thread may read the
  // device meanwhile.
  bool parked = false;

  // Posts to the UI thread; nothing once the link has let go of this opening.
  template <typename Change>
  void post(Change&& change) {
    const std::lock_guard lock(mutex);
    if (stopped) {
      return;
    }
    change();
    wakeUp->wake();
  }

  void handOver(const Report& report) {
    std::unique_lock lock(mutex);
    if (stopped) {
      return;
    }
    pending = report;
    const std::uint64_t ticket = ++handOversAsked;
    wakeUp->wake();
    parked = true;
    changed.wait(lock, [&] { return handOversDone >= ticket || stopped; });
    parked = false;
  }
};

namespace {

// Dropped bytes as a report is handed over (report ID 0 in front), or as read when short.
std::vector<std::uint8_t> asDropped(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < static_cast<std::size_t>(kStrippedReportSize)) {
    return {bytes.begin(), bytes.end()};
  }
  const HidLink::Report report = toReport(bytes);
  return {report.begin(), report.end()};
}

}  // namespace

// Takes every report the system holds now, without waiting; a read error is left for the next
// ordinary read, which reports it.
std::vector<Bytes> drainSystemQueue(hid_device* device) {
  std::vector<Bytes> taken;
  std::array<std::uint8_t, kFrameSize> buffer{};
  int n = 0;
  while ((n = hid_read_timeout(device, buffer.data(), buffer.size(), 0)) > 0) {
    taken.push_back(asDropped(std::span(buffer.data(), static_cast<std::size_t>(n))));
  }
  return taken;
}

namespace {

std::string wideText(const wchar_t* text) {
  return text != nullptr ? QString::fromWCharArray(text).toStdString() : std::string();
}

}  // namespace

std::vector<HidCandidate> listBaseUnits() {
  ensureHidInitialised();
  std::vector<HidCandidate> found;
  hid_device_info* list = hid_enumerate(0, 0);
  int index = 0;
  for (hid_device_info* info = list; info != nullptr; info = info->next, ++index) {
    if (info->vendor_id == kBaseUnitVendorId && info->product_id == kBaseUnitProductId) {
      found.push_back(
          {index, info->path, wideText(info->product_string), wideText(info->serial_number)});
    }
  }
  hid_free_enumeration(list);
  return found;
}

HidLink::HidLink(ReportCallback onReport, ProblemCallback onProblem, DropCallback onDropped,
                 QObject* parent)
    : QObject(parent),
      onReport_(std::move(onReport)),
      onProblem_(std::move(onProblem)),
      onDropped_(std::move(onDropped)) {}

HidLink::~HidLink() {
  close();
  // A thread still in its last read ends by itself within 100 ms and touches nothing of
  // this object; the program's exit does not wait for it.
  if (thread_.joinable()) {
    thread_.detach();
  }
}

hid_device_* HidLink::findBaseUnit() {
  ensureHidInitialised();
  lastOpenProblem_.reset();
  hid_device_info* list = hid_enumerate(0, 0);
  hid_device* found = nullptr;
  int index = 0;
  const bool chosen = !wantedPath_.empty();
  for (hid_device_info* info = list; info != nullptr && (chosen || index < kHidSearchLimit);
       info = info->next, ++index) {
    if (info->vendor_id != kBaseUnitVendorId || info->product_id != kBaseUnitProductId ||
        (chosen && wantedPath_ != info->path)) {
      continue;
    }
    // Taken before the device opens, so that another of our programs never reads a reply
    // meant for the holder. A lock that cannot be taken refuses the unit all the same.
    DeviceLock::Attempt lock = DeviceLock::tryTake(info->path);
    if (lock.outcome != DeviceLock::Outcome::Taken) {
      lastOpenProblem_ = lock.refusal(info->path);
      continue;
    }
    found = openUnit(info->path);
    if (found != nullptr || node_ != nullptr) {
      devicePath_ = info->path;
      deviceSerial_ = wideText(info->serial_number);
      deviceLock_ = std::move(lock.lock);
      break;
    }
  }
  hid_free_enumeration(list);
  return found;
}

hid_device_* HidLink::openUnit(const char* path) {
  HidNodeReader::Opening node =
      HidNodeReader::open(path, {.onReport =
                                     [this](std::span<const std::uint8_t> bytes) {
                                       if (onReport_) {
                                         onReport_(toReport(bytes));
                                       }
                                     },
                                 .onShortRead =
                                     [this](int count) {
                                       if (onProblem_) {
                                         onProblem_(Problem::ShortRead, shortReadText(count));
                                       }
                                     },
                                 .onFailure =
                                     [this](const std::string& text) {
                                       if (onProblem_) {
                                         onProblem_(classifyReadError(), text);
                                       }
                                     },
                                 .onDropped =
                                     [this](std::span<const std::uint8_t> bytes) {
                                       if (onDropped_) {
                                         onDropped_(asDropped(bytes));
                                       }
                                     }});
  if (node.reader) {
    node_ = node.reader.release();
    node_->setParent(this);
    node_->setHandlingDelay(handlingDelay_);
    return nullptr;
  }
  int reason = node.error;
  if (reason == HidNodeReader::kNotANode) {
    errno = 0;
    if (hid_device* device = hid_open_path(path)) {
      return device;
    }
    reason = errno;
  }
  // A base unit that cannot be opened is skipped; remember why for the message.
  lastOpenProblem_ =
      LinkRefusal{failureOf(reason), path, reason != 0 ? std::strerror(reason) : "refused"};
  return nullptr;
}

void HidLink::forgetNode() {
  if (node_ != nullptr) {
    // Possibly called from within the node's own hand-over: closed now, deleted later.
    node_->shutDown();
    node_->deleteLater();
    node_ = nullptr;
  }
}

void HidLink::setHandlingDelay(std::chrono::milliseconds delay) {
  handlingDelay_ = delay;
  if (node_ != nullptr) {
    node_->setHandlingDelay(delay);
  }
}

HidLink::Problem HidLink::classifyReadError() const {
  for (const HidCandidate& unit : listBaseUnits()) {
    if (unit.path == devicePath_) {
      return Problem::ReadFailed;
    }
  }
  return Problem::DeviceLost;
}

void HidLink::waitForEarlierThread() {
  if (thread_.joinable()) {
    thread_.join();
  }
}

void HidLink::open() {
  close();
  waitForEarlierThread();
  // Released by whichever lets go last: the link, or the thread in its last read.
  device_ = std::shared_ptr<hid_device>(findBaseUnit(), [](hid_device* device) {
    if (device != nullptr) {
      hid_close(device);
    }
  });
  if (!deviceHeld()) {
    if (lastOpenProblem_) {
      throw LinkError(hidOpenRefusedText(lastOpenProblem_->device, lastOpenProblem_->portText),
                      *lastOpenProblem_);
    }
    return;
  }
  if (node_ != nullptr) {
    return;  // read as reports arrive, on this thread
  }
  auto reception = std::make_shared<Reception>();
  reception->wakeUp = &wakeUp_;
  try {
    thread_ = std::thread(&HidLink::receiveLoop, reception, device_);
    reception_ = std::move(reception);
  } catch (const std::system_error&) {
    // The device stays held, so the window opens but hears nothing.
    if (onProblem_) {
      onProblem_(Problem::ThreadNotStarted, kThreadNotStartedText);
    }
  }
}

void HidLink::send(const ReportFrame& frame) {
  if (node_ != nullptr) {
    node_->send(frame);
  } else if (device_ != nullptr) {
    hid_send_feature_report(device_.get(), frame.data(), frame.size());
  }
}

void HidLink::dropUnhandled() {
  if (node_ != nullptr) {
    node_->dropUnhandled();
    return;
  }
  const std::shared_ptr<Reception> reception = reception_;
  if (!reception) {
    return;
  }
  std::vector<Bytes> dropped;
  bool released = false;
  {
    const std::lock_guard lock(reception->mutex);
    // A thread waiting in a hand-over has not read what the system queued since, and reads
    // nothing until released: empty that queue here, before the frame goes out, without a
    // round trip to the thread. A thread inside a read has found the queue empty when it
    // began, and anything it reads from now on counts as an answer.
    if (reception->parked && !reception->stopped) {
      dropped = drainSystemQueue(device_.get());
    }
    if (reception->pending) {
      // Read before this frame goes out, and not handed over yet.
      dropped.insert(dropped.begin(),
                     Bytes(reception->pending->begin(), reception->pending->end()));
      reception->pending.reset();
      reception->handOversDone = reception->handOversAsked;
      released = true;
    }
  }
  if (released) {
    reception->changed.notify_one();
  }
  if (onDropped_) {
    for (const Bytes& bytes : dropped) {
      onDropped_(bytes);
    }
  }
}

void HidLink::stopReceiving() {
  if (node_ != nullptr) {
    node_->stopReceiving();
  }
  if (reception_) {
    {
      const std::lock_guard lock(reception_->mutex);
      reception_->stopped = true;
      reception_->pending.reset();
    }
    reception_->changed.notify_all();
  }
}

void HidLink::close() {
  stopReceiving();
  forgetNode();
  reception_.reset();
  device_.reset();
  deviceLock_.reset();
}

void HidLink::receiveLoop(const std::shared_ptr<Reception>& reception,
                          const std::shared_ptr<hid_device_>& device) {
  Reception& r = *reception;
  std::array<std::uint8_t, kFrameSize> buffer{};
  bool deviceLost = false;
  while (!r.stopped) {
    if (deviceLost) {
      // Nothing more can come; wait for the stop request without spinning.
      std::unique_lock lock(r.mutex);
      r.changed.wait_for(lock, std::chrono::milliseconds(kReadWaitMs),
                         [&] { return r.stopped.load(); });
      continue;
    }
    const int n = hid_read_timeout(device.get(), buffer.data(), buffer.size(), kReadWaitMs);
    if (r.stopped) {
      break;  // a report that completes after the stop request is not delivered
    }
    if (n == 0) {
      continue;
    }
    if (n < 0) {
      deviceLost = true;
      const wchar_t* why = hid_error(device.get());
      std::string text = why != nullptr ? narrow(why) : std::string();
      if (text.empty()) {
        text = kStoppedAnsweringText;
      }
      // Whether the unit is gone is decided on the UI thread, which may enumerate.
      r.post([&] { r.problems.emplace_back(Problem::ReadFailed, std::move(text)); });
      continue;
    }
    if (n < kStrippedReportSize) {
      r.post([&] { r.problems.emplace_back(Problem::ShortRead, shortReadText(n)); });
      continue;
    }
    r.handOver(toReport(std::span(buffer.data(), static_cast<std::size_t>(n))));
  }
}

void HidLink::onWake() {
  if (handlingDelay_.count() == 0) {
    handOverReceived();
    return;
  }
  if (!handOverDelayed_) {
    handOverDelayed_ = true;
    QTimer::singleShot(handlingDelay_, Qt::PreciseTimer, this, [this] {
      handOverDelayed_ = false;
      handOverReceived();
    });
  }
}

void HidLink::handOverReceived() {
  const std::shared_ptr<Reception> reception = reception_;
  if (!reception) {
    return;  // what an opening that has since been closed received is dropped
  }
  std::optional<Report> report;
  std::uint64_t ticket = 0;
  std::deque<std::pair<Problem, std::string>> problems;
  {
    const std::lock_guard lock(reception->mutex);
    report.swap(reception->pending);
    ticket = reception->handOversAsked;
    problems.swap(reception->problems);
  }
  for (auto& [problem, text] : problems) {
    if (problem == Problem::ReadFailed) {
      problem = classifyReadError();
    }
    if (onProblem_) {
      onProblem_(problem, text);
    }
  }
  if (report && !reception->stopped && onReport_) {
    onReport_(*report);
  }
  {
    const std::lock_guard lock(reception->mutex);
    reception->handOversDone = std::max(reception->handOversDone, ticket);
  }
  reception->changed.notify_one();
}

}  // namespace orbelle
