#include "link/HidLink.h"

#include <cerrno>
#include <cstring>
#include <system_error>

#include <hidapi/hidapi.h>

namespace orbelle {

namespace {

constexpr int kReadWaitMs = 100;
// hidapi drops report ID 0 from input reports: a full report is 38 bytes.
constexpr int kStrippedReportSize = static_cast<int>(kWireFrameSize);

void ensureHidInitialised() {
  static const bool initialised = hid_init() == 0;
  (void)initialised;
}

}  // namespace

std::vector<HidCandidate> listBaseUnits() {
  ensureHidInitialised();
  std::vector<HidCandidate> found;
  hid_device_info* list = hid_enumerate(0, 0);
  int index = 0;
  for (hid_device_info* info = list; info != nullptr; info = info->next, ++index) {
    if (info->vendor_id == kBaseUnitVendorId && info->product_id == kBaseUnitProductId) {
      const auto text = [](const wchar_t* w) {
        return w != nullptr ? QString::fromWCharArray(w).toStdString() : std::string();
      };
      found.push_back({index, info->path, text(info->product_string), text(info->serial_number)});
    }
  }
  hid_free_enumeration(list);
  return found;
}

HidLink::HidLink(ReportCallback onReport, ProblemCallback onProblem, QObject* parent)
    : QObject(parent), onReport_(std::move(onReport)), onProblem_(std::move(onProblem)) {}

HidLink::~HidLink() { close(); }

hid_device_* HidLink::findBaseUnit() {
  ensureHidInitialised();
  lastOpenProblem_.clear();
  hid_device_info* list = hid_enumerate(0, 0);
  hid_device* found = nullptr;
  int index = 0;
  for (hid_device_info* info = list; info != nullptr && index < kHidSearchLimit;
       info = info->next, ++index) {
    if (info->vendor_id != kBaseUnitVendorId || info->product_id != kBaseUnitProductId) {
      continue;
    }
    errno = 0;
    found = hid_open_path(info->path);
    if (found != nullptr) {
      devicePath_ = info->path;
      break;
    }
    // A base unit that cannot be opened is skipped; remember why for the message.
    const int reason = errno;
    lastOpenProblem_ = std::string("cannot open ") + info->path + ": " +
                       (reason != 0 ? std::strerror(reason) : "refused");
    if (reason == EACCES || reason == EPERM) {
      lastOpenProblem_ +=
          "; install the udev rule (see README, \"Device access\") and plug the base unit in "
          "again";
    }
  }
  hid_free_enumeration(list);
  return found;
}

HidLink::Problem HidLink::classifyReadError() const {
  for (const HidCandidate& unit : listBaseUnits()) {
    if (unit.path == devicePath_) {
      return Problem::ReadFailed;
    }
  }
  return Problem::DeviceLost;
}

void HidLink::open() {
  close();
  device_ = findBaseUnit();
  if (device_ == nullptr) {
    return;
  }
  ++generation_;
  receiving_ = true;
  try {
    thread_ = std::thread(&HidLink::receiveLoop, this, device_, generation_);
  } catch (const std::system_error&) {
    // The device stays held and the flag set, so the window opens but hears nothing.
    reportProblem(Problem::ThreadNotStarted, kThreadNotStartedText);
  }
}

void HidLink::send(const ReportFrame& frame) {
  if (device_ != nullptr) {
    hid_send_feature_report(device_, frame.data(), frame.size());
  }
}

void HidLink::stopReceiving() {
  {
    const std::lock_guard lock(handOverMutex_);
    receiving_ = false;
  }
  handOverDone_.notify_all();
}

void HidLink::joinThread() {
  stopReceiving();
  if (thread_.joinable()) {
    thread_.join();
  }
}

void HidLink::close() {
  joinThread();
  {
    const std::lock_guard lock(handOverMutex_);
    pendingReport_.reset();
  }
  if (device_ != nullptr) {
    hid_close(device_);
    device_ = nullptr;
  }
}

void HidLink::receiveLoop(hid_device_* device, std::uint64_t generation) {
  std::array<std::uint8_t, kFrameSize> buffer{};
  bool deviceLost = false;
  while (receiving_) {
    if (deviceLost) {
      // Nothing more can come; wait for the stop request without spinning.
      std::unique_lock lock(handOverMutex_);
      handOverDone_.wait_for(lock, std::chrono::milliseconds(kReadWaitMs),
                             [this] { return !receiving_; });
      continue;
    }
    const int n = hid_read_timeout(device, buffer.data(), buffer.size(), kReadWaitMs);
    if (!receiving_) {
      break;  // a report that completes after the stop request is not delivered
    }
    if (n == 0) {
      continue;
    }
    if (n < 0) {
      deviceLost = true;
      const wchar_t* why = hid_error(device);
      // Whether the unit is gone is decided on the UI thread, which may enumerate.
      reportProblem(Problem::ReadFailed, why != nullptr
                                             ? QString::fromWCharArray(why).toStdString()
                                             : std::string("the base unit stopped answering"));
      continue;
    }
    if (n < kStrippedReportSize) {
      reportProblem(Problem::ShortRead, "Only read " + std::to_string(n) + " bytes");
      continue;
    }
    Report report{};
    if (n == kStrippedReportSize) {
      std::copy_n(buffer.begin(), kStrippedReportSize, report.begin() + 1);
    } else {
      report = buffer;  // the backend kept the report ID
    }
    handOver(report, generation);
  }
}

void HidLink::handOver(const Report& report, std::uint64_t generation) {
  std::unique_lock lock(handOverMutex_);
  pendingReport_ = report;
  pendingGeneration_ = generation;
  const std::uint64_t ticket = ++handOversAsked_;
  lock.unlock();
  wakeUp_.wake();
  lock.lock();
  handOverDone_.wait(lock, [&] { return handOversDone_ >= ticket || !receiving_; });
}

void HidLink::reportProblem(Problem problem, const std::string& text) {
  // Message boxes belong to the UI thread; the receive thread only posts the problem.
  {
    const std::lock_guard lock(handOverMutex_);
    pendingProblems_.emplace_back(problem, text);
  }
  wakeUp_.wake();
}

void HidLink::takeMail() {
  std::optional<Report> report;
  std::uint64_t generation = 0;
  std::uint64_t ticket = 0;
  std::deque<std::pair<Problem, std::string>> problems;
  {
    const std::lock_guard lock(handOverMutex_);
    report.swap(pendingReport_);
    generation = pendingGeneration_;
    ticket = handOversAsked_;
    problems.swap(pendingProblems_);
  }
  for (auto& [problem, text] : problems) {
    if (problem == Problem::ReadFailed) {
      problem = classifyReadError();
    }
    if (onProblem_) {
      onProblem_(problem, text);
    }
  }
  // A reply from an opening that has since been closed is dropped.
  if (report && generation == generation_ && receiving_ && onReport_) {
    onReport_(*report);
  }
  {
    const std::lock_guard lock(handOverMutex_);
    handOversDone_ = std::max(handOversDone_, ticket);
  }
  handOverDone_.notify_all();
}

}  // namespace orbelle
