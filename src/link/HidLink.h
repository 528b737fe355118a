#pragma once

#include <QObject>
#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "link/DeviceLock.h"
#include "link/LinkMessages.h"
#include "link/ThreadWakeUp.h"
#include "protocol/LinkError.h"
#include "protocol/Transport.h"

struct hid_device_;

namespace orbelle {

class HidNodeReader;

inline constexpr std::uint16_t kBaseUnitVendorId = 0x0471;
inline constexpr std::uint16_t kBaseUnitProductId = 0x0003;
// Only the first interfaces of the HID list are looked at.
inline constexpr int kHidSearchLimit = 32;

// A base unit as the HID list shows it.
struct HidCandidate {
  int index = 0;  // position in the HID list; only the first kHidSearchLimit are used
  std::string path;
  std::string product;
  std::string serial;
};

// Every interface with the base unit's IDs, in list order.
std::vector<HidCandidate> listBaseUnits();

// USB link. Frames go out as one 39-byte feature report. Where the system has HID device
// nodes (hidraw), the link writes and reads the unit's node itself, on the thread that owns
// it, as the event loop sees reports arrive (HidNodeReader): a reply then costs one wake-up.
// Elsewhere it goes through hidapi, which offers no handle to wait on: one receive thread per
// opening reads input reports into the link's own buffer and hands each to the UI thread,
// waiting until it has been handled before it reads again.
//
// Closing only tells that thread to stop: it never waits for it, since hidapi offers no way
// to cut short its last read (up to 100 ms), so closing neither deadlocks nor delays the
// program's exit. The thread holds the device handle and its mailbox jointly with the link,
// touches nothing else, and the handle is released when both have let go. The next opening
// waits for the earlier thread to end, so two readers never overlap.
class HidLink : public QObject, public HidTransport {
  Q_OBJECT

 public:
  using Report = std::array<std::uint8_t, kFrameSize>;
  using ReportCallback = std::function<void(std::span<const std::uint8_t, kFrameSize>)>;
  // Bytes read and dropped without being handed over (see dropUnhandled).
  using DropCallback = std::function<void(std::span<const std::uint8_t>)>;

  enum class Problem {
    ThreadNotStarted,  // kThreadNotStartedText
    ShortRead,         // shortReadText
    DeviceLost,        // reads fail and the base unit is gone from the HID list: unplugged
    ReadFailed,        // reads fail while the unit is still listed; windows show kReadFailedText
  };
  using ProblemCallback = std::function<void(Problem, const std::string& text)>;

  HidLink(ReportCallback onReport, ProblemCallback onProblem, DropCallback onDropped = {},
          QObject* parent = nullptr);
  ~HidLink() override;
  HidLink(const HidLink&) = delete;
  HidLink& operator=(const HidLink&) = delete;

  // Throws LinkError with the cause when base units were found but none could be opened:
  // held by another of our programs (Busy: two programs interleaving their frames would
  // corrupt an upgrade), not permitted, or their lock not to be had. With none found at all
  // it returns with no device held.
  void open() override;
  bool deviceHeld() const override { return device_ != nullptr || node_ != nullptr; }
  void send(const ReportFrame& frame) override;
  void dropUnhandled() override;
  void stopReceiving() override;
  void close() override;

  // Opens only the base unit at this HID path from now on (a unit the operator chose, which
  // may lie beyond the first interfaces); empty: the first free one, as the windows take it.
  void chooseDevice(std::string path) { wantedPath_ = std::move(path); }
  // The unit opened last: its HID path, and its serial number as hidapi reads it (empty when
  // it has none).
  const std::string& devicePath() const { return devicePath_; }
  const std::string& deviceSerial() const { return deviceSerial_; }

  // A test seam: every hand-over waits `delay` first, as on a machine too busy to notice a
  // report at once. Verdicts must not change with it.
  void setHandlingDelay(std::chrono::milliseconds delay);

 private:
  struct Reception;

  static void receiveLoop(const std::shared_ptr<Reception>& reception,
                          const std::shared_ptr<hid_device_>& device);
  void onWake();
  void handOverReceived();
  void waitForEarlierThread();
  hid_device_* findBaseUnit();
  // Opens the unit's device node, or else the unit through hidapi; sets node_ or returns the
  // hidapi handle, and says why neither opened in lastOpenProblem_.
  hid_device_* openUnit(const char* path);
  void forgetNode();
  Problem classifyReadError() const;

  ReportCallback onReport_;
  ProblemCallback onProblem_;
  DropCallback onDropped_;
  std::shared_ptr<hid_device_> device_;     // shared with the thread that reads it
  HidNodeReader* node_ = nullptr;           // a child; instead of device_ where there is one
  std::unique_ptr<DeviceLock> deviceLock_;  // held while device_ is
  std::string devicePath_;
  std::string deviceSerial_;
  std::string wantedPath_;
  // Why the last search found no usable base unit: none when no base unit was listed at all.
  std::optional<LinkRefusal> lastOpenProblem_;
  std::shared_ptr<Reception> reception_;  // the current opening's, if its thread runs
  std::thread thread_;                    // the current or the last opening's thread
  std::chrono::milliseconds handlingDelay_{0};
  bool handOverDelayed_ = false;
  ThreadWakeUp wakeUp_{[this] { onWake(); }};
};

}  // namespace orbelle
