#pragma once

#include <optional>
#include <string>
#include <vector>

#include "protocol/LinkError.h"
#include "protocol/Transport.h"

namespace orbelle::testing {

// Records what the common link steps ask of the links.
class FakeHid : public HidTransport {
 public:
  void open() override {
    calls.push_back("open");
    if (refusal) {
      throw LinkError("cannot open " + refusal->device + ": " + refusal->portText, *refusal);
    }
    held = present;
  }
  bool deviceHeld() const override { return held; }
  void send(const ReportFrame& frame) override {
    calls.push_back("send");
    sent.push_back(frame);
  }
  void dropUnhandled() override { calls.push_back("drop"); }
  void stopReceiving() override { calls.push_back("stop"); }
  void close() override {
    calls.push_back("close");
    held = false;
  }

  bool present = true;
  std::optional<LinkRefusal> refusal;  // the unit found refuses to open
  bool held = false;
  std::vector<std::string> calls;
  std::vector<ReportFrame> sent;
};

class FakeSerial : public SerialTransport {
 public:
  void open(std::int32_t port, std::int32_t baudrate) override {
    calls.push_back("open " + std::to_string(port) + " " + std::to_string(baudrate));
    if (!refusal.empty()) {
      throw LinkError(refusal);
    }
    isOpen = opens;
  }
  bool portOpen() const override { return isOpen; }
  void send(std::span<const std::uint8_t, kWireFrameSize> bytes) override {
    calls.push_back("send");
    sent.emplace_back(bytes.begin(), bytes.end());
  }
  void dropUnhandled() override { calls.push_back("drop"); }
  void setLineSettings(std::string_view settings) override {
    calls.push_back("settings " + std::string(settings));
  }
  void discardInput() override { calls.push_back("discard"); }
  void close() override {
    calls.push_back("close");
    isOpen = false;
  }

  bool opens = true;
  std::string refusal;
  bool isOpen = false;
  std::vector<std::string> calls;
  std::vector<std::vector<std::uint8_t>> sent;
};

}  // namespace orbelle::testing
