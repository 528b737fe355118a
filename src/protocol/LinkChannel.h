#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "protocol/CommandCode.h"
#include "protocol/FrameTrace.h"
#include "protocol/LinkState.h"
#include "protocol/ReplyDispatcher.h"
#include "protocol/Transport.h"

namespace orbelle {

enum class LinkOutcome { Usable, Unusable, NotChosen };

enum class OpenMode {
  ResetFirst,  // a feature command: stop and release whatever is held first
  Reopen,      // the Set Protocol check: open the chosen link as it stands
};

// The process's one link to the base unit: its state, the transports present, the routing of
// replies and the trace. A step whose transport is absent finds nothing to call.
class LinkChannel {
 public:
  void setTransports(HidTransport* hid, SerialTransport* serial) {
    hid_ = hid;
    serial_ = serial;
  }
  void setTrace(TraceSink trace) { trace_ = std::move(trace); }

  LinkState& state() { return state_; }
  const LinkState& state() const { return state_; }
  ReplyDispatcher& dispatcher() { return dispatcher_; }

  // Hands `event` to the trace, if one is set.
  void trace(const TraceEvent& event) const;

  // Opens the link of state().protocol. A serial port that refuses to open throws LinkError
  // with serialOpen left false.
  LinkOutcome open(OpenMode mode = OpenMode::ResetFirst);
  // The usability of the chosen link as it stands, without opening anything.
  LinkOutcome outcome() const;
  // Stops HID receiving, releases the device and marks the serial port closed.
  void reset();
  void close();
  // Asks the HID receive thread to end; the device stays held.
  void stopHidReceiving();

  // Writes report ID and code into txFrame, seals it and hands it to the chosen link.
  // The payload was written by the caller; bytes it did not write stay as they were.
  void send(CommandCode code);

  // Drops what arrived after the last reply and before now, as a send would, without sending.
  void dropRepeats();

  // The serial steps, whatever link is active; each throws LinkError when the port refuses.
  // Only what reaches an open port is traced: a closed one takes its settings at the next
  // opening.
  void setSerialLineSettings(std::string_view settings);
  void discardSerialInput();
  // Closes the serial port if open and opens it again at state().baudrate.
  void reopenSerial();

  // The hand-over of a reply: the link's own buffer is copied into rxFrame on the UI thread
  // just before the receiver named by the active feature handles it.
  void deliverHidReport(std::span<const std::uint8_t, kFrameSize> report);
  void deliverSerialFrame(std::span<const std::uint8_t, kWireFrameSize> bytes);

 private:
  void deliverReply();
  void traceFrame(FrameDirection direction, const ReportFrame& frame) const;

  LinkState state_;
  ReplyDispatcher dispatcher_;
  HidTransport* hid_ = nullptr;
  SerialTransport* serial_ = nullptr;
  TraceSink trace_;
};

}  // namespace orbelle
