// The yardstick for vkr's upgrade over a serial line: the least a program can do to send an
// image block by block, each write followed by a blocking read of the whole reply. No
// retries, no pauses, no trace. Prints the block phase and the CPU it cost.
//
// Usage: minimal_upgrade_client DEVICE IMAGE [RATE]   (the start frame's rate; 115200)
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include <sys/resource.h>

#include "protocol/CommandCode.h"
#include "protocol/Fcs16.h"
#include "upgrade/UpgradeFrames.h"

using namespace orbelle;

namespace {

bool exchange(int fd, ReportFrame& frame, CommandCode code, std::uint8_t& answer) {
  frame[frame_pos::kCode] = codeByte(code);
  Fcs16::seal(frame);
  if (::write(fd, frame.data() + 1, kWireFrameSize) != static_cast<ssize_t>(kWireFrameSize)) {
    return false;
  }
  std::uint8_t reply[kWireFrameSize];
  std::size_t got = 0;
  while (got < kWireFrameSize) {
    const ssize_t n = ::read(fd, reply + got, kWireFrameSize - got);
    if (n <= 0) {
      return false;
    }
    got += static_cast<std::size_t>(n);
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
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: minimal_upgrade_client DEVICE IMAGE [RATE]\n");
    return 2;
  }
  const auto rate = static_cast<std::int32_t>(argc == 4 ? std::atoi(argv[3]) : 115200);
  std::ifstream in(argv[2], std::ios::binary);
  const std::vector<std::uint8_t> image{std::istreambuf_iterator<char>(in), {}};
  const int fd = ::open(argv[1], O_RDWR | O_NOCTTY);
  termios line{};
  if (fd < 0 || image.empty() || ::tcgetattr(fd, &line) != 0) {
    std::fprintf(stderr, "cannot use %s or %s\n", argv[1], argv[2]);
    return 1;
  }
  ::cfmakeraw(&line);
  ::cfsetspeed(&line, B115200);
  // One wake-up per reply: read returns once the whole frame is in.
  line.c_cc[VMIN] = kWireFrameSize;
  line.c_cc[VTIME] = 0;
  ::tcsetattr(fd, TCSANOW, &line);

  ReportFrame frame{};
  std::uint8_t answer = 0;
  writeStartPayload(frame, static_cast<std::uint32_t>(image.size()), rate);
  if (!exchange(fd, frame, CommandCode::BaseUpgradeStart, answer)) {
    return 1;
  }
  const double cpuBefore = cpuSeconds();
  const auto started = std::chrono::steady_clock::now();
  std::size_t blocks = 0;
  for (std::size_t offset = 0; offset < image.size(); offset += kBlockSize) {
    const std::size_t n = std::min(kBlockSize, image.size() - offset);
    writeBlockPayload(frame, static_cast<std::uint32_t>(offset),
                      std::span(image).subspan(offset, n));
    if (!exchange(fd, frame, CommandCode::BaseUpgradeBlock, answer) ||
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
  ::close(fd);
  return 0;
}
