#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "protocol/CommandCode.h"
#include "protocol/FramePayload.h"
#include "protocol/FrameTrace.h"
#include "protocol/LinkChoice.h"
#include "protocol/LinkState.h"
#include "protocol/ReplyDispatcher.h"
#include "protocol/Transport.h"

namespace orbelle {

enum class LinkOutcome { Usable, Unusable, NotChosen };

enum class OpenMode {
  ResetFirst,    // a feature command: stop and release whatever is held first
  WithoutReset,  // the Set Protocol check: open the chosen link as it stands
};

// The process's one channel to the base unit: frames built whole and sent on the transport of
// the operator's choice, each reply handed with its FCS verdict to the receiver of the active
// feature window, and the trace. A step whose transport is absent finds nothing to call.
class FrameChannel {
 public:
  // `choice` is where the program keeps the operator's link choice; it must outlive the channel.
  explicit FrameChannel(const LinkChoice& choice) : choice_(choice) {}
  FrameChannel(const FrameChannel&) = delete;
  FrameChannel& operator=(const FrameChannel&) = delete;
  FrameChannel(FrameChannel&&) = delete;
  FrameChannel& operator=(FrameChannel&&) = delete;
  ~FrameChannel() = default;

  void setTransports(HidTransport* hid, SerialTransport* serial) {
    hid_ = hid;
    serial_ = serial;
  }
  void setTrace(TraceSink trace) { trace_ = std::move(trace); }

  const LinkChoice& choice() const { return choice_; }
  bool serialOpen() const { return state_.serialOpen; }
  ReplyDispatcher& dispatcher() { return dispatcher_; }

  // Hands `event` to the trace, if one is set.
  void trace(const TraceEvent& event) const;

  // Opens the link of the choice. A serial port that refuses to open throws LinkError with
  // the port left closed.
  LinkOutcome open(OpenMode mode = OpenMode::ResetFirst);
  // The usability of the chosen link as it stands, without opening anything.
  LinkOutcome outcome() const;
  // Stops HID receiving, releases the device and marks the serial port closed.
  void reset();
  void close();
  // Asks the HID receive thread to end; the device stays held.
  void stopHidReceiving();

  // Builds the frame whole in the transmit frame, the one buffer of every command: report ID,
  // `code`, the payload bytes `payload` sets (the others keep what the last frame held) and the
  // FCS; then hands it to the chosen transport, once what arrived before it has been dropped.
  void send(CommandCode code, const FramePayload& payload = {});
  // The last frame built, as it went out.
  const ReportFrame& lastFrame() const { return state_.txFrame; }

  // Drops what arrived after the last reply and before now, as a send would, without sending.
  void dropRepeats();

  // The serial steps, whatever link is active; each throws LinkError when the port refuses.
  // Only what reaches an open port is traced: a closed one takes its settings at the next
  // opening.
  void setSerialLineSettings(std::string_view settings);
  void discardSerialInput();
  // Closes the serial port if open and opens it again at the chosen rate.
  void reopenSerial();

  // The hand-over of a reply: the transport's own buffer is copied into the receive frame on
  // the UI thread, its FCS checked once, and the receiver of the active feature window handles
  // it before this returns.
  void deliverHidReport(std::span<const std::uint8_t, kFrameSize> report);
  void deliverSerialFrame(std::span<const std::uint8_t, kWireFrameSize> bytes);

 private:
  void deliverReply();
  void traceFrame(FrameDirection direction, const ReportFrame& frame) const;

  const LinkChoice& choice_;
  LinkState state_;
  ReplyDispatcher dispatcher_;
  HidTransport* hid_ = nullptr;
  SerialTransport* serial_ = nullptr;
  TraceSink trace_;
};

}  // namespace orbelle
