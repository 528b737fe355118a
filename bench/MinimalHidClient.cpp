// The yardstick for vkr's upgrade over USB: the least a program can do through hidapi to send
// an image block by block, each frame a feature report followed by a blocking read of the
// whole reply, on one thread. No retries, no pauses, no trace. Prints the block phase and the
// CPU it cost. Run it as vkr is run, with the hidapi stand-in preloaded:
//
//   LD_PRELOAD=libvkr-hidsim.so VKR_HIDSIM_SOCKET=PATH minimal_hid_client IMAGE
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include <sys/resource.h>

#include "protocol/CommandCode.h"
#include "protocol/Fcs16.h"
#include "upgrade/UpgradeFrames.h"

// The hidapi calls it makes, as hidapi.h declares them (the layer table keeps the library's
// header to src/link and the simulator).
extern "C" {
struct hid_device_;
using hid_device = hid_device_;
int hid_init();
int hid_exit();
hid_device* hid_open(unsigned short vendor_id, unsigned short product_id, const wchar_t* serial);
void hid_close(hid_device* dev);
int hid_send_feature_report(hid_device* dev, const unsigned char* data, std::size_t length);
int hid_read(hid_device* dev, unsigned char* data, std::size_t length);
}

using namespace orbelle;

namespace {

constexpr unsigned short kVendor = 0x0471;
constexpr unsigned short kProduct = 0x0003;

bool exchange(hid_device* unit, ReportFrame& frame, CommandCode code, std::uint8_t& answer) {
  frame[frame_pos::kReportId] = 0;
  frame[frame_pos::kCode] = codeByte(code);
  Fcs16::seal(frame);
  if (hid_send_feature_report(unit, frame.data(), frame.size()) != static_cast<int>(frame.size())) {
    return false;
  }
  std::uint8_t reply[kWireFrameSize];
  if (hid_read(unit, reply, sizeof reply) != static_cast<int>(kWireFrameSize)) {
    return false;
  }
  answer = reply[0];
  return true;
}

double cpuSeconds() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: minimal_hid_client IMAGE\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  const std::vector<std::uint8_t> image{std::istreambuf_iterator<char>(in), {}};
  hid_device* unit = hid_init() == 0 ? hid_open(kVendor, kProduct, nullptr) : nullptr;
  if (unit == nullptr || image.empty()) {
    std::fprintf(stderr, "cannot use the base unit or %s\n", argv[1]);
    return 1;
  }

  ReportFrame frame{};
  std::uint8_t answer = 0;
  writeStartPayload(frame, static_cast<std::uint32_t>(image.size()), 115200);
  if (!exchange(unit, frame, CommandCode::BaseUpgradeStart, answer)) {
    return 1;
  }
  const double cpuBefore = cpuSeconds();
  const auto started = std::chrono::steady_clock::now();
  std::size_t blocks = 0;
  for (std::size_t offset = 0; offset < image.size(); offset += kBlockSize) {
    const std::size_t n = std::min(kBlockSize, image.size() - offset);
    writeBlockPayload(frame, static_cast<std::uint32_t>(offset),
                      std::span(image).subspan(offset, n));
    if (!exchange(unit, frame, CommandCode::BaseUpgradeBlock, answer) ||
        answer != codeByte(CommandCode::BaseUpgradeBlockAck)) {
      std::fprintf(stderr, "block at %zu: no acknowledgement\n", offset);
      return 1;
    }
    ++blocks;
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("{\"blocks\":%zu,\"seconds\":%.6f,\"cpu_seconds\":%.6f}\n", blocks, seconds,
              cpuSeconds() - cpuBefore);
  hid_close(unit);
  hid_exit();
  return 0;
}
