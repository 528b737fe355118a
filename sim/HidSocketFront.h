#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

#include "EventLoop.h"
#include "SimHost.h"

namespace orbelle::sim {

inline constexpr const char* kDefaultSerialNumber = "SIM0001";

// The base unit as a HID device behind a Unix socket of type SOCK_SEQPACKET, for the hidapi
// stand-in. A client sends each feature report as one packet of 39 bytes (report ID 0
// first); every input report goes to every connected client as one packet of 38 bytes, the
// report ID stripped as hidraw delivers it.
//
// With a USB interval the socket keeps a full-speed device's pace: a feature report is taken
// at the next interval boundary (the control transfer's frame) and each input report leaves
// at the boundary after it, one a boundary (the interrupt endpoint's polls). A block then
// cannot take less than two intervals.
class HidSocketFront : public Front {
 public:
  // The unit's serial number is written beside the socket (PATH.serial), where the stand-in
  // reads it as hidapi reads a real unit's from the system.
  HidSocketFront(SimHost& host, std::string path,
                 std::optional<Clock::duration> usbInterval = std::nullopt,
                 const std::string& serialNumber = kDefaultSerialNumber);
  ~HidSocketFront() override;
  HidSocketFront(const HidSocketFront&) = delete;
  HidSocketFront& operator=(const HidSocketFront&) = delete;

  const std::string& path() const { return path_; }

  void watch(std::vector<pollfd>& fds) override;
  void serve(std::span<const pollfd> fds, Clock::time_point now) override;
  std::optional<Clock::time_point> deadline() const override;

 private:
  struct HeldFrame {
    WireFrame bytes;
    Clock::time_point due;
  };
  struct HeldReport {
    std::vector<std::uint8_t> bytes;
    Clock::time_point due;
  };

  void acceptClient();
  // False when the client has gone.
  bool readClient(int fd, Clock::time_point now);
  void answer(const WireFrame& frame, Clock::time_point now);
  void serveDue(Clock::time_point now);
  Clock::time_point nextBoundary(Clock::time_point after) const;
  void sendToClients(const std::vector<std::vector<std::uint8_t>>& packets);
  void vanish();
  void shutDown();
  std::string serialNumberPath() const { return path_ + ".serial"; }

  SimHost& host_;
  std::string path_;
  int listener_ = -1;
  dev_t socketDevice_ = 0;
  ino_t socketInode_ = 0;
  std::vector<int> clients_;

  std::optional<Clock::duration> usbInterval_;
  Clock::time_point firstBoundary_;
  std::deque<HeldFrame> heldFrames_;
  std::deque<HeldReport> heldReports_;
  Clock::time_point lastReportDue_{};
  bool vanishing_ = false;  // gone once the held reports are out
};

}  // namespace orbelle::sim
