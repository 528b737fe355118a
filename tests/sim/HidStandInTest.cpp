#include <dlfcn.h>
#include <hidapi.h>
#include <stdlib.h>

#include <atomic>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "SimProcess.h"
#include "SimTestSupport.h"
#include "support/TempDir.h"

namespace orbelle::sim {
namespace {

using orbelle::testing::TempDir;
using testing::pcFrame;
using testing::SimProcess;

// The stand-in's calls, looked up in libvkr-hidsim.so itself, as LD_PRELOAD would bind them.
class StandIn {
 public:
  StandIn() : library_(::dlopen(VKR_HIDSIM_PATH, RTLD_NOW | RTLD_LOCAL)) {
    if (library_ == nullptr) {
      throw std::runtime_error(::dlerror());
    }
  }
  ~StandIn() { ::dlclose(library_); }
  StandIn(const StandIn&) = delete;
  StandIn& operator=(const StandIn&) = delete;

  template <typename F>
  F* call(const char* name) const {
    void* symbol = ::dlsym(library_, name);
    if (symbol == nullptr) {
      throw std::runtime_error(std::string("missing ") + name);
    }
    return reinterpret_cast<F*>(symbol);
  }

 private:
  void* library_;
};

#define HID(name) lib.call<decltype(::name)>(#name)

std::string narrow(const wchar_t* text) {
  std::string out;
  for (; text != nullptr && *text != L'\0'; ++text) {
    out += static_cast<char>(*text);
  }
  return out;
}

class HidStandIn : public ::testing::Test {
 protected:
  void TearDown() override {
    ::unsetenv("VKR_HIDSIM_SOCKET");
    ::unsetenv("VKR_HIDSIM_PADDING");
  }
  StandIn lib;
};

TEST_F(HidStandIn, WithoutASimulatorThereIsNoDeviceAndTheErrorSaysWhy) {
  ::unsetenv("VKR_HIDSIM_SOCKET");
  EXPECT_EQ(HID(hid_init)(), 0);
  EXPECT_EQ(HID(hid_enumerate)(0, 0), nullptr);
  EXPECT_NE(narrow(HID(hid_error)(nullptr)).find("VKR_HIDSIM_SOCKET"), std::string::npos);
  ::setenv("VKR_HIDSIM_SOCKET", "/nonexistent/vkr.sock", 1);
  EXPECT_EQ(HID(hid_enumerate)(0, 0), nullptr);
  EXPECT_EQ(HID(hid_open_path)("/nonexistent/vkr.sock"), nullptr);
}

TEST_F(HidStandIn, FindsTheUnitAfterThePaddingExchangesReportsAndSeesItVanish) {
  TempDir dir;
  const std::string socketPath = (dir / "hid.sock").string();
  SimProcess sim({"--hid-socket", socketPath, "--fault", "vanish-after=2"});
  ASSERT_EQ(sim.readLine(), "hid: " + socketPath);
  ::setenv("VKR_HIDSIM_SOCKET", socketPath.c_str(), 1);
  ::setenv("VKR_HIDSIM_PADDING", "3", 1);

  hid_device_info* devices = HID(hid_enumerate)(0, 0);
  std::vector<std::pair<unsigned short, unsigned short>> ids;
  std::string unitPath;
  for (const hid_device_info* d = devices; d != nullptr; d = d->next) {
    ids.emplace_back(d->vendor_id, d->product_id);
    if (d->vendor_id == 0x0471 && d->product_id == 0x0003) {
      unitPath = d->path;
      EXPECT_EQ(d->interface_number, 0);
    }
  }
  ASSERT_EQ(ids.size(), 4U);
  using Ids = std::pair<unsigned short, unsigned short>;
  EXPECT_EQ(ids.back(), Ids(0x0471, 0x0003)) << "the padding comes first";
  EXPECT_EQ(unitPath, socketPath);
  EXPECT_EQ(HID(hid_open_path)(devices->path), nullptr) << "padding cannot be opened";
  HID(hid_free_enumeration)(devices);
  hid_device_info* filtered = HID(hid_enumerate)(0x0471, 0x0003);
  ASSERT_NE(filtered, nullptr);
  EXPECT_EQ(filtered->next, nullptr);
  HID(hid_free_enumeration)(filtered);

  hid_device* dev = HID(hid_open_path)(socketPath.c_str());
  ASSERT_NE(dev, nullptr) << narrow(HID(hid_error)(nullptr));
  unsigned char report[39] = {};
  EXPECT_EQ(HID(hid_read_timeout)(dev, report, sizeof report, 30), 0) << "nothing sent yet";

  const ReportFrame read = pcFrame(CommandCode::ReadSettings);
  EXPECT_EQ(HID(hid_send_feature_report)(dev, read.data(), read.size()), 39);
  ASSERT_EQ(HID(hid_read_timeout)(dev, report, sizeof report, 2000), 38);
  EXPECT_EQ(report[0], 0xF4) << "the report ID is not part of an input report";

  // The link reads on one thread and sends from another, on the same handle.
  std::atomic<int> got{0};
  std::thread reader([&] {
    unsigned char incoming[39] = {};
    for (int tries = 0; tries < 30 && got == 0; ++tries) {
      got = HID(hid_read_timeout)(dev, incoming, sizeof incoming, 100);
    }
  });
  EXPECT_EQ(HID(hid_send_feature_report)(dev, read.data(), read.size()), 39);
  reader.join();
  EXPECT_EQ(got, 38) << "the second frame is answered, then the unit vanishes";

  EXPECT_EQ(sim.readLine(), "vanished");
  EXPECT_EQ(HID(hid_read_timeout)(dev, report, sizeof report, 1000), -1);
  EXPECT_NE(narrow(HID(hid_error)(dev)).find("gone"), std::string::npos);
  EXPECT_EQ(HID(hid_enumerate)(0x0471, 0x0003), nullptr) << "unplugged";
  HID(hid_close)(dev);
  EXPECT_EQ(sim.stop(), 0);
}

}  // namespace
}  // namespace orbelle::sim
