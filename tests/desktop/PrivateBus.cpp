#include "desktop/PrivateBus.h"

#include <stdexcept>

namespace orbelle::testing {

namespace {

// No <servicedir>: a name nobody owns is answered with ServiceUnknown at once, instead of
// starting whatever the machine has installed for it.
std::string configFor(const std::filesystem::path& dir) {
  return R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=)" +
         dir.string() + R"(</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";
}

}  // namespace

PrivateBus::PrivateBus() {
  writeFile(dir_ / "bus.conf", configFor(dir_.path()));
  daemon_ = std::make_unique<BackgroundProcess>(
      "/usr/bin/dbus-daemon",
      std::vector<std::string>{"--config-file=" + (dir_ / "bus.conf").string(), "--nofork",
                               "--nopidfile", "--print-address=1"});
  address_ = QString::fromStdString(daemon_->readLine());
  if (address_.isEmpty()) {
    throw std::runtime_error("dbus-daemon did not start: " + daemon_->drainStderr());
  }
}

PrivateBus::~PrivateBus() { daemon_->terminate(); }

}  // namespace orbelle::testing
