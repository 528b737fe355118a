#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "protocol/ReportFrame.h"

namespace orbelle {

// The USB side. A frame goes out whole (report ID 0 first) as one feature report; input
// reports come back through the receive callback the link was built with, always on the
// UI thread, as 39 bytes with byte 0 holding the report ID (0 when the stack strips it).
class HidTransport {
 public:
  virtual ~HidTransport() = default;
  // Releases any device still held, looks for the base unit and starts receiving.
  virtual void open() = 0;
  virtual bool deviceHeld() const = 0;
  // Result not examined: a refused report is lost like any failed send.
  virtual void send(const ReportFrame& frame) = 0;
  // Drops every input report that has arrived and not been handed over yet, including
  // those still queued by the system, so that none of them is taken for the answer to the
  // frame about to go out. The link reports what it dropped through its own callback.
  virtual void dropUnhandled() = 0;
  // Asks the receive thread to end; the device stays held.
  virtual void stopReceiving() = 0;
  // Ends receiving, waits for the thread, then releases the device.
  virtual void close() = 0;
};

// The RS232 side. A frame goes out as bytes 1..38; received frames come back through the
// receive callback as 38 bytes, one per receive event.
class SerialTransport {
 public:
  virtual ~SerialTransport() = default;
  // Opens COM `port` with the line settings of `baudrate`; throws LinkError with the
  // port's own description when the port refuses to open.
  virtual void open(std::int32_t port, std::int32_t baudrate) = 0;
  virtual bool portOpen() const = 0;
  virtual void send(std::span<const std::uint8_t, kWireFrameSize> bytes) = 0;
  // "9600,n,8,1" and the like; does not change the preferred rate.
  virtual void setLineSettings(std::string_view settings) = 0;
  // Drops whatever has been received and not yet taken.
  virtual void discardInput() = 0;
  // Like discardInput, and a frame that had begun to arrive is dropped whole, its missing
  // bytes as they come, so that the framing holds; the link reports what it dropped.
  virtual void dropUnhandled() = 0;
  virtual void close() = 0;
};

}  // namespace orbelle
