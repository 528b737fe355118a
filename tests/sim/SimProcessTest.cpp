#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>

#include "SimTestSupport.h"
#include "settings/SettingsCodec.h"
#include "support/Subprocess.h"
#include "support/TempDir.h"

namespace orbelle::sim {
namespace {

using namespace std::chrono_literals;
using orbelle::testing::BackgroundProcess;
using orbelle::testing::TempDir;
using testing::pcFrame;

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) {
      ::close(fd_);
    }
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

std::string afterPrefix(const std::string& line, const std::string& prefix) {
  if (line.rfind(prefix, 0) != 0) {
    ADD_FAILURE() << "expected a line starting with \"" << prefix << "\", got \"" << line << "\"";
    return {};
  }
  return line.substr(prefix.size());
}

// vkr-sim beside the test; it ends when the test closes its input.
struct SimProcess : BackgroundProcess {
  explicit SimProcess(const std::vector<std::string>& args)
      : BackgroundProcess(VKR_SIM_PATH, args) {}
};

int openRawTerminal(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (fd >= 0) {
    termios settings{};
    ::tcgetattr(fd, &settings);
    ::cfmakeraw(&settings);
    ::tcsetattr(fd, TCSANOW, &settings);
  }
  return fd;
}

// Reads until `count` bytes are in or the time is up; also counts the reads it took.
std::vector<std::uint8_t> readBytes(int fd, std::size_t count, int* reads = nullptr,
                                    std::chrono::milliseconds timeout = 3s) {
  std::vector<std::uint8_t> bytes;
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (bytes.size() < count) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd wait{fd, POLLIN, 0};
    if (left.count() <= 0 || ::poll(&wait, 1, static_cast<int>(left.count())) <= 0) {
      break;
    }
    std::uint8_t chunk[128];
    const ssize_t n = ::read(fd, chunk, std::min(sizeof chunk, count - bytes.size()));
    if (n <= 0) {
      break;
    }
    bytes.insert(bytes.end(), chunk, chunk + n);
    if (reads != nullptr) {
      ++*reads;
    }
  }
  return bytes;
}

void writeWire(int fd, const ReportFrame& frame) {
  ASSERT_EQ(::write(fd, frame.data() + 1, kWireFrameSize), static_cast<ssize_t>(kWireFrameSize));
}

ReportFrame asFrame(const std::vector<std::uint8_t>& wireBytes) {
  ReportFrame frame{};
  std::copy_n(wireBytes.begin(), std::min(wireBytes.size(), kWireFrameSize), frame.begin() + 1);
  return frame;
}

TEST(SimProcess, SerialAnswersWithTheSettingsFileAndEndsWithItsInput) {
  TempDir dir;
  orbelle::testing::writeFile(
      dir / "unit.json", R"({"nation": "china", "channel": 12, "bootloader_version": "1.0.4"})");
  SimProcess sim({"--settings", (dir / "unit.json").string()});
  const std::string device = afterPrefix(sim.readLine(), "serial: ");
  const Fd pty(openRawTerminal(device));
  ASSERT_GE(pty.get(), 0) << device;

  writeWire(pty.get(), pcFrame(CommandCode::ReadSettings));
  const auto reply = readBytes(pty.get(), kWireFrameSize);
  ASSERT_EQ(reply.size(), kWireFrameSize);
  const BaseSettings settings = decodeCurrentSettings(asFrame(reply));
  EXPECT_EQ(reply[0], 0xF4);
  EXPECT_EQ(settings.nation, 1);
  EXPECT_EQ(settings.channel, 12);
  EXPECT_EQ(settings.powerDbm, 10) << "the default where the file says nothing";
  EXPECT_EQ(versionText(settings.bootloaderVersion), "1.0.4");
  EXPECT_EQ(versionText(settings.applicationVersion), "2.1.0");
  EXPECT_EQ(sim.stop(), 0);
}

TEST(SimProcess, BaudEmulationTakesTheWireTimeBothWays) {
  SimProcess sim({"--baud-emulation", "2400"});
  const Fd pty(openRawTerminal(afterPrefix(sim.readLine(), "serial: ")));
  const auto started = std::chrono::steady_clock::now();
  writeWire(pty.get(), pcFrame(CommandCode::ReadSettings));
  int reads = 0;
  const auto reply = readBytes(pty.get(), kWireFrameSize, &reads);
  const auto elapsed = std::chrono::steady_clock::now() - started;
  ASSERT_EQ(reply.size(), kWireFrameSize);
  // 38 bytes in and 38 out at 240 bytes a second: about 317 ms.
  EXPECT_GE(elapsed, 310ms);
  EXPECT_LT(elapsed, 1500ms);
  EXPECT_GT(reads, 1) << "the reply trickles in rather than arriving in one piece";
}

TEST(SimProcess, SerialFaultsSplitDoubleAndVanishAfterTheLastReply) {
  SimProcess sim(
      {"--fault", "split-replies", "--fault", "double-replies", "--fault", "vanish-after=2"});
  const std::string device = afterPrefix(sim.readLine(), "serial: ");
  const Fd pty(openRawTerminal(device));
  writeWire(pty.get(), pcFrame(CommandCode::ReadSettings));
  int reads = 0;
  const auto twice = readBytes(pty.get(), 2 * kWireFrameSize, &reads);
  ASSERT_EQ(twice.size(), 2 * kWireFrameSize);
  EXPECT_TRUE(
      std::equal(twice.begin(), twice.begin() + kWireFrameSize, twice.begin() + kWireFrameSize));
  EXPECT_GT(reads, 1) << "the pieces arrive one by one, not as one write";

  writeWire(pty.get(), pcFrame(CommandCode::ReadSettings));
  EXPECT_EQ(readBytes(pty.get(), 2 * kWireFrameSize).size(), 2 * kWireFrameSize)
      << "the replies to the last frame get out before the device goes";
  EXPECT_EQ(sim.readLine(), "vanished");
  pollfd wait{pty.get(), POLLIN, 0};
  ASSERT_EQ(::poll(&wait, 1, 2000), 1) << "the hang-up is reported";
  std::uint8_t byte = 0;
  EXPECT_LE(::read(pty.get(), &byte, 1), 0) << "the terminal has hung up";
}

int connectSeqPacket(const std::string& path) {
  const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

// One feature report out, one input report back.
std::vector<std::uint8_t> exchange(int socket, const ReportFrame& frame) {
  EXPECT_EQ(::send(socket, frame.data(), frame.size(), 0), static_cast<ssize_t>(kFrameSize));
  pollfd wait{socket, POLLIN, 0};
  if (::poll(&wait, 1, 3000) != 1) {
    return {};
  }
  std::vector<std::uint8_t> packet(64);
  const ssize_t n = ::recv(socket, packet.data(), packet.size(), 0);
  packet.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  return packet;
}

TEST(SimProcess, HidSocketAnswersReportsKeepsImagesAndCleansUpOnSigterm) {
  TempDir dir;
  const std::string socketPath = (dir / "base.sock").string();
  SimProcess sim({"--hid-socket", socketPath, "--save-images", (dir / "images").string()});
  ASSERT_EQ(afterPrefix(sim.readLine(), "hid: "), socketPath);
  const Fd socket(connectSeqPacket(socketPath));
  ASSERT_GE(socket.get(), 0);

  const auto settings = exchange(socket.get(), pcFrame(CommandCode::ReadSettings));
  ASSERT_EQ(settings.size(), kWireFrameSize) << "38 bytes: the report ID is stripped";
  EXPECT_EQ(settings[0], 0xF4);
  EXPECT_EQ(decodeCurrentSettings(asFrame(settings)), defaultSimSettings());

  const auto image = testing::patternImage(33);
  EXPECT_EQ(
      exchange(socket.get(), pcFrame(CommandCode::HandheldUpgradeStart, {33, 0, 0, 0, '1'})).at(0),
      0x3B);
  for (std::size_t offset = 0; offset < image.size(); offset += 32) {
    std::vector<std::uint8_t> payload(35, 0xEE);
    payload[0] = 0;  // page
    payload[1] = 0;
    payload[2] = static_cast<std::uint8_t>(offset / 32);
    std::copy(image.begin() + static_cast<std::ptrdiff_t>(offset),
              image.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(offset + 32, 33)),
              payload.begin() + 3);
    EXPECT_EQ(exchange(socket.get(), pcFrame(0x35, payload)).at(0), 0x3C);
  }
  const auto saved = dir / "images" / "handheld-1.dat";
  EXPECT_EQ(sim.readLine(), "image: handheld-1.dat 33 bytes saved to " + saved.string());
  EXPECT_EQ(orbelle::testing::readFile(saved), std::string(image.begin(), image.end()));

  EXPECT_EQ(sim.terminate(), 0);
  EXPECT_FALSE(std::filesystem::exists(socketPath)) << "the socket file is removed on exit";
}

}  // namespace
}  // namespace orbelle::sim
