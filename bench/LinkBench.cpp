// The settings read round trip through the production SerialLink and vkr-sim over a
// pseudo-terminal: ReadSettings out, CurrentSettings back and handed over.

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

#include "harness/Simulator.h"
#include "link/SerialLink.h"
#include "protocol/Fcs16.h"

namespace {

using orbelle::ComDevice;
using orbelle::ComDeviceSource;

void BM_SettingsReadRoundTripOverPty(benchmark::State& state) {
  orbelle::testing::Simulator sim(orbelle::testing::SimLink::Serial, {});
  QEventLoop loop;
  int replies = 0;
  orbelle::SerialLink link(
      [&](std::int32_t) {
        return ComDevice{sim.device(), ComDeviceSource::Environment, std::nullopt};
      },
      [&](std::span<const std::uint8_t, orbelle::kWireFrameSize> frame) {
        if (frame[0] == 0xF4) {
          ++replies;
          loop.quit();
        }
      });
  link.open(1, 9600);
  orbelle::ReportFrame request{};
  request[1] = 0xF3;
  orbelle::Fcs16::seal(request);
  const std::span<const std::uint8_t, orbelle::kWireFrameSize> wire(request.data() + 1,
                                                                    orbelle::kWireFrameSize);
  QTimer guard;  // a lost reply ends the run instead of hanging it
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
  for (auto _ : state) {
    const int before = replies;
    link.send(wire);
    guard.start(2000);
    loop.exec();
    if (replies == before) {
      state.SkipWithError("no reply within 2 s");
      break;
    }
  }
  state.SetItemsProcessed(replies);
}
BENCHMARK(BM_SettingsReadRoundTripOverPty)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
