#pragma once

#include <string>
#include <vector>

#include <sys/types.h>

#include "EventLoop.h"
#include "SimHost.h"

namespace orbelle::sim {

// The base unit as a HID device behind a Unix socket of type SOCK_SEQPACKET, for the hidapi
// stand-in. A client sends each feature report as one packet of 39 bytes (report ID 0
// first); every input report goes to every connected client as one packet of 38 bytes, the
// report ID stripped as hidraw delivers it.
class HidSocketFront : public Front {
 public:
  HidSocketFront(SimHost& host, std::string path);
  ~HidSocketFront() override;
  HidSocketFront(const HidSocketFront&) = delete;
  HidSocketFront& operator=(const HidSocketFront&) = delete;

  const std::string& path() const { return path_; }

  void watch(std::vector<pollfd>& fds) override;
  void serve(std::span<const pollfd> fds, Clock::time_point now) override;
  std::optional<Clock::time_point> deadline() const override { return std::nullopt; }

 private:
  void acceptClient();
  // False when the client has gone.
  bool readClient(int fd);
  void sendToClients(const std::vector<std::vector<std::uint8_t>>& packets);
  void shutDown();

  SimHost& host_;
  std::string path_;
  int listener_ = -1;
  dev_t socketDevice_ = 0;
  ino_t socketInode_ = 0;
  std::vector<int> clients_;
};

}  // namespace orbelle::sim
