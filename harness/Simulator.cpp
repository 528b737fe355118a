#include "harness/Simulator.h"

#include <stdexcept>

namespace orbelle::testing {

Simulator::Simulator(SimLink link, const std::vector<std::string>& simArgs) : link_(link) {
  std::vector<std::string> args = simArgs;
  if (link == SimLink::Usb) {
    args.insert(args.begin(), {"--hid-socket", (dir_ / "hid.sock").string()});
  }
  process_ = std::make_unique<BackgroundProcess>(VKR_SIM_PATH, args);
  const std::string first = process_->readLine();
  const std::string prefix = link == SimLink::Serial ? "serial: " : "hid: ";
  if (first.rfind(prefix, 0) != 0) {
    throw std::runtime_error("vkr-sim did not start: \"" + first + "\" " + process_->drainStderr());
  }
  device_ = first.substr(prefix.size());
}

std::vector<std::string> Simulator::vkrLinkArgs() const {
  if (link_ == SimLink::Serial) {
    return {"--link", "rs232", "--device", device_};
  }
  return {"--link", "usb"};
}

std::map<std::string, std::string> Simulator::vkrEnv() const {
  std::map<std::string, std::string> env{{"XDG_CONFIG_HOME", dir_.path().string()},
                                         {"XDG_STATE_HOME", dir_.path().string()}};
  if (link_ == SimLink::Usb) {
    env["LD_PRELOAD"] = VKR_HIDSIM_LIB;
    env["VKR_HIDSIM_SOCKET"] = device_;
  }
  return env;
}

ProcessResult runAgainst(const Simulator& sim, const std::string& program,
                         const std::vector<std::string>& args) {
  std::vector<std::string> all = sim.vkrLinkArgs();
  all.insert(all.end(), args.begin(), args.end());
  return runProcess(program, all, sim.vkrEnv());
}

}  // namespace orbelle::testing
