#include <unistd.h>

#include <thread>

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <nlohmann/json.hpp>
#include <sys/socket.h>

#include "ExitChecks.h"
#include "harness/Simulator.h"

namespace orbelle::testing {
namespace {

using namespace std::chrono_literals;

// A TCP port nobody listens on now, on the loopback address.
int freePort() {
  const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  ::bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
  ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
  ::close(probe);
  return ntohs(address.sin_port);
}

bool accepts(int port) {
  const int client = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  const bool connected =
      ::connect(client, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  ::close(client);
  return connected;
}

#ifndef SER2NET_PATH
#error "ser2net is needed for the tests of remote ports: scripts/install-deps installs it"
#endif

// One connection of a ser2net configuration: `accepter` in front of `device` at 9600,n,8,1.
std::string connection(const std::string& name, const std::string& accepter,
                       const std::string& device) {
  return "connection: &" + name + "\n  accepter: " + accepter + "\n  connector: serialdev," +
         device + ",9600n81,local\n";
}

// Debian's ser2net: RFC 2217 in front of one device, raw TCP in front of another (a device
// that two connections share may refuse the one while the other closes). Ended (SIGTERM) with
// the object.
class Ser2net {
 public:
  Ser2net(const TempDir& dir, const std::string& device, const std::string& rawDevice) {
    for (int attempt = 0; attempt < 3 && !ready_; ++attempt) {
      rfc2217_ = freePort();
      raw_ = freePort();
      const std::string local = "tcp,127.0.0.1,";
      writeFile(
          dir / "ser2net.yaml",
          connection("rfc2217", "telnet(rfc2217)," + local + std::to_string(rfc2217_), device) +
              connection("raw", local + std::to_string(raw_), rawDevice));
      process_ = std::make_unique<BackgroundProcess>(
          SER2NET_PATH,
          std::vector<std::string>{"-n", "-d", "-c", (dir / "ser2net.yaml").string()});
      // Ready once both ports take a connection; a port someone took meanwhile never does.
      for (int i = 0; i < 250 && !ready_; ++i) {
        ready_ = accepts(rfc2217_) && accepts(raw_);
        if (!ready_) {
          std::this_thread::sleep_for(20ms);
        }
      }
      if (!ready_) {
        process_->terminate();
      }
    }
  }
  ~Ser2net() { end(); }
  Ser2net(const Ser2net&) = delete;
  Ser2net& operator=(const Ser2net&) = delete;

  bool ready() const { return ready_; }
  std::string rfc2217() const { return "rfc2217://127.0.0.1:" + std::to_string(rfc2217_); }
  std::string raw() const { return "socket://127.0.0.1:" + std::to_string(raw_); }
  void end() { process_->terminate(); }

 private:
  int rfc2217_ = 0;
  int raw_ = 0;
  bool ready_ = false;
  std::unique_ptr<BackgroundProcess> process_;
};

// A unit that hears only what reaches its pseudo-terminal at the rate it listens at, and
// answers at the pace of the rate its port is set to, behind ser2net.
class BehindSer2net : public ::testing::Test {
 protected:
  BehindSer2net()
      : sim_(SimLink::Serial, {"--check-line", "--baud-emulation", "port", "--save-images",
                               (dir_ / "kept").string()}),
        rawSim_(SimLink::Serial, {"--check-line", "--baud-emulation", "port"}),
        server_(dir_, sim_.device(), rawSim_.device()) {}

  ProcessResult vkr(const std::string& url, std::vector<std::string> args) const {
    args.insert(args.begin(), {"--device", url});
    return runProcess(VKR_PATH, args, env());
  }
  std::map<std::string, std::string> env() const {
    return {{"XDG_CONFIG_HOME", dir_.path().string()}, {"XDG_STATE_HOME", dir_.path().string()}};
  }
  std::string image(std::size_t size) const {
    writeFile(dir_ / "image.dat", imageBytes(size));
    return (dir_ / "image.dat").string();
  }
  // The next image the unit kept, as its line names it.
  std::string kept() {
    const std::string line = sim_.nextLine();
    const std::string name = line.substr(7, line.find(' ', 7) - 7);  // "image: NAME ..."
    return readFile(dir_ / "kept" / name);
  }

  TempDir dir_;
  Simulator sim_;
  Simulator rawSim_;
  Ser2net server_;
};

TEST_F(BehindSer2net, SettingsAndBothUpgradesTravelAtEachRateOverRfc2217) {
  ASSERT_TRUE(server_.ready()) << "ser2net did not start";
  const std::string url = server_.rfc2217();
  EXPECT_EQ(parsed(vkr(url, {"--json", "settings", "set", "--channel", "3"}))["channel"], 3);
  EXPECT_EQ(parsed(vkr(url, {"--json", "settings", "read"}))["channel"], 3);
  // Raw TCP reaches the far port as its server set it: 9600, the rate of the settings.
  EXPECT_EQ(parsed(vkr(server_.raw(), {"--json", "settings", "read"}))["channel"], 6);

  // The start frame at 9600 and the blocks at the link's rate both reach the far port; its
  // unit ignores any frame at another rate. The short pause after the base unit's start frame
  // is the moment the rate changes: long enough for the unit to read that frame first.
  for (const auto& [unit, rate, scale] :
       {std::tuple{"base", "9600", "0.01"}, std::tuple{"base", "115200", "0.2"},
        std::tuple{"handheld", "9600", "0.01"}, std::tuple{"handheld", "115200", "0.05"}}) {
    SCOPED_TRACE(std::string(unit) + " at " + rate);
    const std::string sent = image(100);
    ASSERT_NE(readFile(sent).find('\xFF'), std::string::npos) << "a byte Telnet doubles";
    expectExit(vkr(url, {"--baud", rate, "upgrade", unit, sent, "--pause-scale", scale}), 0, {});
    EXPECT_EQ(kept(), readFile(sent));
  }

  // Raw TCP cannot change the far port's rate: refused before anything is sent.
  expectExit(vkr(server_.raw(), {"--baud", "115200", "upgrade", "base", image(70)}), 3,
             {"settings are fixed at 115200,n,8,1", server_.raw()});

  // ser2net going away in mid-transfer is a lost link, never a success.
  std::vector<std::string> args = {"--device", url, "upgrade", "base", image(1000)};
  BackgroundProcess upgrade(VKR_PATH, args, env());
  ASSERT_TRUE(upgrade.waitForStderr("% ", 2)) << upgrade.drainStderr();
  server_.end();
  EXPECT_EQ(upgrade.waitForExit(), 3);
  EXPECT_NE(upgrade.drainStderr().find("the connection to " + url + " was lost"),
            std::string::npos);
}

TEST(RemoteSerialCli, UrlsAreTakenWhereDevicesAreAndAUnitDeafAtTheRateIsNotAnswered) {
  TempDir dir;
  const std::map<std::string, std::string> env{{"XDG_CONFIG_HOME", dir.path().string()},
                                               {"XDG_STATE_HOME", dir.path().string()}};
  for (const char* bad : {"rfc2217://host", "socket://:2217", "rfc2217://host:99999",
                          "socket://ho st:1", "rfc2217://host:1/path"}) {
    expectExit(runProcess(VKR_PATH, {"prefs", "set", "com", "2", bad}, env), 2,
               {"rfc2217://HOST:PORT or socket://HOST:PORT"});
    expectExit(runProcess(VKR_PATH, {"--unit", bad, "settings", "read"}, env), 2, {});
  }
  const int closed = freePort();
  const std::string url = "rfc2217://127.0.0.1:" + std::to_string(closed);
  expectExit(runProcess(VKR_PATH, {"prefs", "set", "com", "2", url}, env), 0, {});
  expectExit(runProcess(VKR_PATH, {"--link", "rs232", "--port", "2", "settings", "read"}, env), 3,
             {"COM2 (" + url + ")"});

  // The network port is a module of its own: one that cannot be loaded refuses the opening
  // and says which, never a crash.
  const std::filesystem::path moved = dir / "vkr";
  std::filesystem::copy_file(VKR_PATH, moved);
  writeFile(dir / "liborbelle-remote-port.so", "not a module");
  expectExit(runProcess(moved.string(), {"--device", url, "settings", "read"}, env), 3,
             {"Failed to open " + url + ": remote serial ports need " +
              (dir / "liborbelle-remote-port.so").string() + ", which cannot be loaded"});

  // Settings go at 9600; this unit listens at 19200.
  Simulator deaf(SimLink::Serial, {"--check-line", "--line-rate", "19200"});
  expectExit(runAgainst(deaf, VKR_PATH, {"--timeout", "0.3", "settings", "read"}), 4, {});
}

}  // namespace
}  // namespace orbelle::testing
