#pragma once

#include <QObject>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include <sys/types.h>

#include "protocol/ReportFrame.h"

class QSocketNotifier;

namespace orbelle {

// A base unit's HID device node (hidraw), written and read on the thread that owns this
// object, with no thread of its own: input reports are read when the event loop sees the
// node readable, one at a time, and handed over in the order they came. Without a thread in
// between, a reply costs the program one wake-up, as it costs a program that blocks in a
// read; and since the handler of a reply sends the next frame, which drops whatever else
// the system holds, a reply costs one read.
//
// Only where the system offers HID device nodes; elsewhere open() says the path is not one,
// and the link reads through hidapi instead.
class HidNodeReader : public QObject {
  Q_OBJECT

 public:
  using Bytes = std::vector<std::uint8_t>;
  // A report of at least the full length, as read (report ID 0 may be stripped).
  using ReportCallback = std::function<void(std::span<const std::uint8_t>)>;
  using ShortReadCallback = std::function<void(int count)>;
  // Reading failed: nothing more will be read. `text` is the system's own words.
  using FailureCallback = std::function<void(const std::string& text)>;
  using DropCallback = std::function<void(std::span<const std::uint8_t>)>;

  struct Callbacks {
    ReportCallback onReport;
    ShortReadCallback onShortRead;
    FailureCallback onFailure;
    DropCallback onDropped;
  };

  // What opening a path gave: a reader, or the errno that refused it. kNotANode: the path
  // names nothing this reader can use (another backend's path, or not a device node).
  static constexpr int kNotANode = -1;
  struct Opening {
    std::unique_ptr<HidNodeReader> reader;
    int error = 0;
  };
  static Opening open(const std::string& path, Callbacks callbacks);

  ~HidNodeReader() override;
  HidNodeReader(const HidNodeReader&) = delete;
  HidNodeReader& operator=(const HidNodeReader&) = delete;

  void send(const ReportFrame& frame);
  // Drops everything the system holds now.
  void dropUnhandled();
  // Reads nothing more; the node stays open.
  void stopReceiving();
  // Closes the node. Safe from within a callback: nothing is touched after it but flags.
  void shutDown();
  void setHandlingDelay(std::chrono::milliseconds delay) { handlingDelay_ = delay; }

 private:
  HidNodeReader(int fd, Callbacks callbacks);
  enum class Read { Report, Nothing, Failed };
  void onReadable();
  void handOverDelayed();
  // Hands over what the system holds, one report at a time, until a handler drops the rest.
  void handOverArrived();
  // Reads one report into `report_`, without waiting.
  Read readOne();
#ifdef __linux__
  // One read of the node, again when a signal cut it short: its count, or -1 with errno.
  ssize_t readNode(std::span<std::uint8_t> buffer) const;
#endif
  // Hands `report_` over; true when the handler dropped what else had come.
  bool handOver();
  void reportFailure();
  bool receiving() const { return fd_ >= 0 && !stopped_; }

  int fd_ = -1;
  Callbacks callbacks_;
  QSocketNotifier* notifier_ = nullptr;
  Bytes report_;
  std::uint64_t drops_ = 0;  // calls of dropUnhandled, to see whether a handler made one
  std::string failureText_;  // why reading failed; empty while it works
  std::chrono::milliseconds handlingDelay_{0};
  bool stopped_ = false;
  bool delayedHandOverDue_ = false;
};

}  // namespace orbelle
