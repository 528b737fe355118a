#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "harness/Subprocess.h"
#include "harness/TempDir.h"

namespace orbelle::testing {

enum class SimLink { Serial, Usb };

// A vkr-sim run beside a test, over a pseudo-terminal or over the HID stand-in. It ends
// with the object (its standard input closes).
class Simulator {
 public:
  Simulator(SimLink link, const std::vector<std::string>& simArgs);

  // The pseudo-terminal, or the HID socket.
  const std::string& device() const { return device_; }
  // Options that point vkr at this simulator.
  std::vector<std::string> vkrLinkArgs() const;
  // Environment that vkr needs for it (the HID stand-in for USB).
  std::map<std::string, std::string> vkrEnv() const;
  // Lines the simulator printed after its first one (images received, "vanished").
  std::string nextLine(std::chrono::milliseconds limit = std::chrono::seconds(5)) {
    return process_->readLine(limit);
  }
  // Ends it with SIGTERM; its exit code.
  int terminate() { return process_->terminate(); }

 private:
  SimLink link_;
  TempDir dir_;
  std::string device_;
  std::unique_ptr<BackgroundProcess> process_;
};

// Runs `program` (vkr) pointed at `sim`, with `args` after the link options.
ProcessResult runAgainst(const Simulator& sim, const std::string& program,
                         const std::vector<std::string>& args);

inline const char* linkName(SimLink link) { return link == SimLink::Serial ? "Serial" : "Usb"; }

}  // namespace orbelle::testing
