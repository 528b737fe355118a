// A stand-in for the hidapi calls that the HID link makes, loaded with LD_PRELOAD. The
// devices it knows are the vkr-sims serving on the Unix sockets named by VKR_HIDSIM_SOCKET
// (separated by ':'): a feature report goes out as one packet, an input report comes back as
// one packet.

#pragma GCC visibility push(default)
#include <hidapi.h>
#pragma GCC visibility pop

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fstream>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include <sys/socket.h>
#include <sys/stat.h>

#include "SimSockets.h"

struct hid_device_ {
  int fd = -1;
  std::atomic<bool> nonblocking{false};
  std::mutex errorLock;
  std::wstring error;
  // Reports that came in one packet behind the first, taken by the next reads. Only the
  // reading thread touches them.
  std::deque<std::vector<unsigned char>> queued;
};

namespace {

using orbelle::hidsim::simSocketPaths;

constexpr unsigned short kSimVendor = 0x0471;
constexpr unsigned short kSimProduct = 0x0003;
constexpr unsigned short kPaddingVendor = 0x1209;
constexpr unsigned short kPaddingFirstProduct = 0x0100;
constexpr std::string_view kPaddingPathPrefix = "vkr-hidsim:padding-";
constexpr long kMaxPadding = 1000;

std::mutex gGlobalErrorLock;
std::wstring gGlobalError;

std::wstring widen(std::string_view text) { return std::wstring(text.begin(), text.end()); }

void setError(hid_device* dev, const std::string& text) {
  if (dev == nullptr) {
    const std::lock_guard lock(gGlobalErrorLock);
    gGlobalError = widen(text);
    return;
  }
  const std::lock_guard lock(dev->errorLock);
  dev->error = widen(text);
}

std::string withErrno(std::string text) {
  text.append(": ").append(std::strerror(errno));
  return text;
}

wchar_t* copyWide(std::wstring_view text) {
  auto* copy = static_cast<wchar_t*>(std::calloc(text.size() + 1, sizeof(wchar_t)));
  if (copy != nullptr) {
    std::wmemcpy(copy, text.data(), text.size());
  }
  return copy;
}

hid_device_info* newInfo(const std::string& path, unsigned short vendor, unsigned short product,
                         std::wstring_view productName, std::wstring_view serialNumber = L"") {
  auto* info = static_cast<hid_device_info*>(std::calloc(1, sizeof(hid_device_info)));
  if (info == nullptr) {
    return nullptr;
  }
  info->path = ::strdup(path.c_str());
  info->vendor_id = vendor;
  info->product_id = product;
  info->serial_number = copyWide(serialNumber);
  info->release_number = 0x0100;
  info->manufacturer_string = copyWide(L"Orbelle simulator");
  info->product_string = copyWide(productName);
  info->usage_page = 0xFF00;
  info->usage = 0x0001;
  info->interface_number = 0;
  info->bus_type = HID_API_BUS_USB;
  return info;
}

const char* simSocketPath() {
  const char* path = std::getenv("VKR_HIDSIM_SOCKET");
  return path != nullptr && *path != '\0' ? path : nullptr;
}

// The serial number vkr-sim wrote beside its socket.
std::wstring serialNumberOf(const std::string& socketPath) {
  std::ifstream file(socketPath + ".serial");
  std::string text;
  std::getline(file, text);
  return widen(text);
}

long paddingCount() {
  const char* text = std::getenv("VKR_HIDSIM_PADDING");
  if (text == nullptr) {
    return 0;
  }
  const long count = std::strtol(text, nullptr, 10);
  return count < 0 ? 0 : (count > kMaxPadding ? kMaxPadding : count);
}

bool simSocketPresent(const char* path) {
  struct stat info {};
  return path != nullptr && ::stat(path, &info) == 0 && S_ISSOCK(info.st_mode);
}

bool matches(unsigned short wanted, unsigned short actual) {
  return wanted == 0 || wanted == actual;
}

// The device has gone when the simulator closed the connection (vanished or stopped).
int deviceGone(hid_device* dev) {
  setError(dev, "the simulated base unit has gone: vkr-sim closed the connection");
  return -1;
}

int pollMs(std::chrono::steady_clock::time_point deadline) {
  const auto left =
      std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
  return left.count() < 0 ? 0 : static_cast<int>(left.count());
}

}  // namespace

extern "C" {

int hid_init(void) { return 0; }

int hid_exit(void) { return 0; }

hid_device_info* hid_enumerate(unsigned short vendor_id, unsigned short product_id) {
  hid_device_info* head = nullptr;
  hid_device_info** tail = &head;
  const auto append = [&](hid_device_info* info) {
    if (info != nullptr && matches(vendor_id, info->vendor_id) &&
        matches(product_id, info->product_id)) {
      *tail = info;
      tail = &info->next;
    } else {
      hid_free_enumeration(info);
    }
  };
  for (long i = 0; i < paddingCount(); ++i) {
    append(newInfo(std::string(kPaddingPathPrefix) + std::to_string(i), kPaddingVendor,
                   static_cast<unsigned short>(kPaddingFirstProduct + i), L"padding device"));
  }
  const char* socketPath = simSocketPath();
  for (const std::string& path : simSocketPaths()) {
    if (simSocketPresent(path.c_str())) {
      append(newInfo(path, kSimVendor, kSimProduct, L"vkr-sim base unit", serialNumberOf(path)));
    }
  }
  if (head == nullptr) {
    setError(nullptr, socketPath == nullptr
                          ? "no HID devices: VKR_HIDSIM_SOCKET is not set"
                          : std::string("no HID devices: no simulator socket at ") + socketPath);
  }
  return head;
}

void hid_free_enumeration(hid_device_info* devs) {
  while (devs != nullptr) {
    hid_device_info* next = devs->next;
    std::free(devs->path);
    std::free(devs->serial_number);
    std::free(devs->manufacturer_string);
    std::free(devs->product_string);
    std::free(devs);
    devs = next;
  }
}

hid_device* hid_open_path(const char* path) {
  if (path == nullptr || std::string_view(path).starts_with(kPaddingPathPrefix)) {
    setError(nullptr, std::string("cannot open ") + (path ? path : "(null)") +
                          ": not the simulated base unit");
    return nullptr;
  }
  std::string what;
  const int fd = orbelle::hidsim::connectToSim(path, false, what);
  if (fd < 0) {
    setError(nullptr, withErrno(what));
    return nullptr;
  }
  auto* dev = new hid_device_;
  dev->fd = fd;
  return dev;
}

hid_device* hid_open(unsigned short vendor_id, unsigned short product_id, const wchar_t*) {
  hid_device_info* devs = hid_enumerate(vendor_id, product_id);
  hid_device* dev = devs != nullptr ? hid_open_path(devs->path) : nullptr;
  hid_free_enumeration(devs);
  return dev;
}

void hid_close(hid_device* dev) {
  if (dev == nullptr) {
    return;
  }
  ::close(dev->fd);
  delete dev;
}

int hid_send_feature_report(hid_device* dev, const unsigned char* data, size_t length) {
  if (dev == nullptr || data == nullptr) {
    return -1;
  }
  const ssize_t sent = ::send(dev->fd, data, length, MSG_NOSIGNAL);
  if (sent < 0) {
    if (errno == EPIPE || errno == ECONNRESET || errno == ENOTCONN) {
      return deviceGone(dev);
    }
    setError(dev, withErrno("sending the feature report failed"));
    return -1;
  }
  return static_cast<int>(sent);
}

int hid_read_timeout(hid_device* dev, unsigned char* data, size_t length, int milliseconds) {
  if (dev == nullptr || data == nullptr) {
    return -1;
  }
  if (!dev->queued.empty()) {
    return static_cast<int>(orbelle::hidsim::takeReport(dev->fd, dev->queued, data, length, 0));
  }
  const auto deadline = std::chrono::steady_clock::now() +
                        std::chrono::milliseconds(milliseconds < 0 ? 0 : milliseconds);
  pollfd wait{dev->fd, POLLIN, 0};
  int ready = 0;
  do {
    ready = ::poll(&wait, 1, milliseconds < 0 ? -1 : pollMs(deadline));
  } while (ready < 0 && errno == EINTR);
  if (ready < 0) {
    setError(dev, withErrno("waiting for an input report failed"));
    return -1;
  }
  if (ready == 0) {
    return 0;
  }
  const long n = orbelle::hidsim::takeReport(dev->fd, dev->queued, data, length, MSG_DONTWAIT);
  if (n == 0) {
    return deviceGone(dev);
  }
  if (n < 0) {
    if (errno == EAGAIN) {
      return 0;
    }
    if (errno == ECONNRESET) {
      return deviceGone(dev);
    }
    setError(dev, withErrno("reading an input report failed"));
    return -1;
  }
  return static_cast<int>(n);
}

int hid_read(hid_device* dev, unsigned char* data, size_t length) {
  if (dev == nullptr) {
    return -1;
  }
  return hid_read_timeout(dev, data, length, dev->nonblocking ? 0 : -1);
}

int hid_set_nonblocking(hid_device* dev, int nonblock) {
  if (dev == nullptr) {
    return -1;
  }
  dev->nonblocking = nonblock != 0;
  return 0;
}

const wchar_t* hid_error(hid_device* dev) {
  // Copied per thread, so that a text read on one thread is not changed under it by
  // another thread's failure on the same handle.
  thread_local std::wstring copy;
  if (dev == nullptr) {
    const std::lock_guard lock(gGlobalErrorLock);
    copy = gGlobalError;
  } else {
    const std::lock_guard lock(dev->errorLock);
    copy = dev->error;
  }
  if (copy.empty()) {
    copy = L"Success";
  }
  return copy.c_str();
}

}  // extern "C"
