#pragma once

#include <QObject>
#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "link/ThreadWakeUp.h"
#include "protocol/Transport.h"

struct hid_device_;

namespace orbelle {

inline constexpr std::uint16_t kBaseUnitVendorId = 0x0471;
inline constexpr std::uint16_t kBaseUnitProductId = 0x0003;
// Only the first interfaces of the HID list are looked at.
inline constexpr int kHidSearchLimit = 32;

inline constexpr const char* kThreadNotStartedText =
    "Cannot begin a Thread to receive data,please reset base station if it is connected to PC.";
inline constexpr const char* kThreadNotStartedTitle =
    "Tavri Barcode Suite - Software Problem/Reset Message";
// Asks the operator to plug in the reader and restart the program.
inline constexpr const char* kReadFailedText =
    "\u8bf7\u63d2\u5165\u6761\u7801\u67aa\u5e76\u91cd\u542f\u672c\u8f6f\u4ef6\uff01";

// A base unit as the HID list shows it.
struct HidCandidate {
  int index = 0;  // position in the HID list; only the first kHidSearchLimit are used
  std::string path;
  std::string product;
  std::string serial;
};

// Every interface with the base unit's IDs, in list order.
std::vector<HidCandidate> listBaseUnits();

// USB link over hidapi. Frames go out as one 39-byte feature report; one receive thread
// per opening reads input reports into the link's own buffer and hands each to the UI
// thread, waiting until it has been handled before it reads again. Closing never waits
// on the UI thread, so it cannot deadlock, and the device is released only after the
// thread has ended.
class HidLink : public QObject, public HidTransport {
  Q_OBJECT

 public:
  using Report = std::array<std::uint8_t, kFrameSize>;
  using ReportCallback = std::function<void(std::span<const std::uint8_t, kFrameSize>)>;

  enum class Problem {
    ThreadNotStarted,  // kThreadNotStartedText
    ShortRead,         // "Only read %d bytes"
    DeviceLost,        // reads fail and the base unit is gone from the HID list: unplugged
    ReadFailed,        // reads fail while the unit is still listed; windows show kReadFailedText
  };
  using ProblemCallback = std::function<void(Problem, const std::string& text)>;

  HidLink(ReportCallback onReport, ProblemCallback onProblem, QObject* parent = nullptr);
  ~HidLink() override;

  void open() override;
  bool deviceHeld() const override { return device_ != nullptr; }
  void send(const ReportFrame& frame) override;
  void stopReceiving() override;
  void close() override;

  // Why the last search found no usable base unit, for messages ("" if none was found).
  const std::string& lastOpenProblem() const { return lastOpenProblem_; }

 private:
  void receiveLoop(hid_device_* device, std::uint64_t generation);
  void handOver(const Report& report, std::uint64_t generation);
  void reportProblem(Problem problem, const std::string& text);
  void takeMail();
  void joinThread();
  hid_device_* findBaseUnit();
  Problem classifyReadError() const;

  ReportCallback onReport_;
  ProblemCallback onProblem_;
  hid_device_* device_ = nullptr;
  std::string devicePath_;
  std::string lastOpenProblem_;
  std::thread thread_;
  std::atomic<bool> receiving_{false};
  std::uint64_t generation_ = 0;  // UI thread only

  // The mailbox between the receive thread and the UI thread; all under handOverMutex_.
  std::mutex handOverMutex_;
  std::condition_variable handOverDone_;
  std::uint64_t handOversAsked_ = 0;
  std::uint64_t handOversDone_ = 0;
  std::optional<Report> pendingReport_;
  std::uint64_t pendingGeneration_ = 0;
  std::deque<std::pair<Problem, std::string>> pendingProblems_;
  ThreadWakeUp wakeUp_{[this] { takeMail(); }};
};

}  // namespace orbelle
