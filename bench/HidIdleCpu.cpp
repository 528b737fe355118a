// CPU time the HID receive thread uses while the link is open and nothing arrives.
// Runs the production HidLink against vkr-sim through the hidapi stand-in (preload it),
// waits the given seconds with the event loop idle, and prints the process's CPU time.

#include <stdlib.h>
#include <time.h>

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <string>

#include "harness/Simulator.h"
#include "link/HidLink.h"

namespace {

double processCpuSeconds() {
  timespec t{};
  ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  const double seconds = argc > 1 ? std::stod(argv[1]) : 10.0;
  orbelle::testing::Simulator sim(orbelle::testing::SimLink::Usb, {});
  ::setenv("VKR_HIDSIM_SOCKET", sim.device().c_str(), 1);
  orbelle::HidLink link([](auto) {}, [](auto, const std::string&) {});
  link.open();
  if (!link.deviceHeld()) {
    std::fprintf(stderr, "no base unit: run with LD_PRELOAD=libvkr-hidsim.so\n");
    return 1;
  }
  const double before = processCpuSeconds();
  QTimer::singleShot(static_cast<int>(seconds * 1000), &application, &QCoreApplication::quit);
  QCoreApplication::exec();
  const double used = processCpuSeconds() - before;
  link.close();
  std::printf("idle %.1f s: %.4f s CPU (%.3f %% of one core)\n", seconds, used,
              100.0 * used / seconds);
  return 0;
}
