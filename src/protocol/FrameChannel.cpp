#include "protocol/FrameChannel.h"

#include <algorithm>

#include "protocol/Fcs16.h"
#include "protocol/LineSettings.h"

namespace orbelle {

void FrameChannel::trace(const TraceEvent& event) const {
  if (trace_) {
    trace_(event);
  }
}

void FrameChannel::traceFrame(FrameDirection direction, const ReportFrame& frame) const {
  trace({.kind = TraceKind::Frame, .direction = direction, .bytes = frame});
}

void FrameChannel::reset() {
  if (hid_ != nullptr) {
    hid_->close();
  }
  state_.serialOpen = false;
}

LinkOutcome FrameChannel::outcome() const {
  switch (choice_.protocol) {
    case LinkProtocol::Usb:
      return hid_ != nullptr && hid_->deviceHeld() ? LinkOutcome::Usable : LinkOutcome::Unusable;
    case LinkProtocol::Rs232:
      return state_.serialOpen ? LinkOutcome::Usable : LinkOutcome::Unusable;
    default:
      return LinkOutcome::NotChosen;
  }
}

LinkOutcome FrameChannel::open(OpenMode mode) {
  if (mode == OpenMode::ResetFirst) {
    reset();
  }
  if (choice_.protocol == LinkProtocol::Usb && hid_ != nullptr) {
    hid_->open();
  } else if (choice_.protocol == LinkProtocol::Rs232 && serial_ != nullptr) {
    state_.serialOpen = false;
    serial_->open(choice_.port, choice_.baudrate);  // a refusal throws past here
    state_.serialOpen = serial_->portOpen();
  }
  return outcome();
}

void FrameChannel::send(CommandCode code, const FramePayload& payload) {
  ReportFrame& frame = state_.txFrame;
  frame[frame_pos::kReportId] = 0;
  frame[frame_pos::kCode] = codeByte(code);
  const std::size_t end = std::min(payload.end, frame_pos::kPayloadLast + 1);
  for (std::size_t at = frame_pos::kPayloadFirst; at < end; ++at) {
    frame[at] = payload.bytes[at];
  }
  Fcs16::seal(frame);
  // Exchanges are lock-step and replies carry no sequence number: a reply that was already
  // there before this frame went out (a repeated one, or one that came too late) cannot be
  // its answer, and taking it would put every later answer one frame behind.
  const bool usb = choice_.protocol == LinkProtocol::Usb && hid_ != nullptr;
  const bool rs232 = choice_.protocol == LinkProtocol::Rs232 && serial_ != nullptr;
  if (usb) {
    hid_->dropUnhandled();
  } else if (rs232) {
    serial_->dropUnhandled();
  }
  traceFrame(FrameDirection::Sent, state_.txFrame);
  if (usb) {
    hid_->send(state_.txFrame);
  } else if (rs232) {
    serial_->send(
        std::span<const std::uint8_t, kWireFrameSize>(state_.txFrame.data() + 1, kWireFrameSize));
  }
}

void FrameChannel::dropRepeats() {
  if (choice_.protocol == LinkProtocol::Usb && hid_ != nullptr) {
    hid_->dropUnhandled();
  } else if (choice_.protocol == LinkProtocol::Rs232 && serial_ != nullptr) {
    serial_->dropUnhandled();
  }
}

void FrameChannel::close() {
  reset();
  if (serial_ != nullptr && serial_->portOpen()) {
    serial_->close();
  }
}

void FrameChannel::stopHidReceiving() {
  if (hid_ != nullptr) {
    hid_->stopReceiving();
  }
}

void FrameChannel::setSerialLineSettings(std::string_view settings) {
  if (serial_ == nullptr) {
    return;
  }
  if (serial_->portOpen()) {
    trace({.kind = TraceKind::LineSettings, .text = settings});
  }
  serial_->setLineSettings(settings);
}

void FrameChannel::discardSerialInput() {
  if (serial_ == nullptr) {
    return;
  }
  if (serial_->portOpen()) {
    trace({.kind = TraceKind::InputDiscarded});
  }
  serial_->discardInput();
}

void FrameChannel::reopenSerial() {
  if (serial_ == nullptr) {
    return;
  }
  state_.serialOpen = false;
  trace({.kind = TraceKind::SerialReopened});
  // The opening closes the port first, keeping the program's hold on the unit.
  serial_->open(choice_.port, choice_.baudrate);  // a refusal throws past here
  state_.serialOpen = serial_->portOpen();
  // The opening puts the line back to the preferred rate.
  if (const auto settings = lineSettingsForBaudrate(choice_.baudrate);
      settings && state_.serialOpen) {
    trace({.kind = TraceKind::LineSettings, .text = *settings});
  }
}

void FrameChannel::deliverHidReport(std::span<const std::uint8_t, kFrameSize> report) {
  std::copy(report.begin(), report.end(), state_.rxFrame.begin());
  deliverReply();
}

void FrameChannel::deliverSerialFrame(std::span<const std::uint8_t, kWireFrameSize> bytes) {
  // Byte 0 is left as it was: a serial frame has no report ID.
  std::copy(bytes.begin(), bytes.end(), state_.rxFrame.begin() + 1);
  deliverReply();
}

void FrameChannel::deliverReply() {
  // The one place a reply's FCS is checked. Replies are acted upon by their code alone; a
  // wrong FCS is marked in the trace and counted by whoever takes the reply.
  const bool fcsGood =
      Fcs16::update(Fcs16::kInitial,
                    std::span<const std::uint8_t>(state_.rxFrame.data() + 1, kWireFrameSize)) ==
      Fcs16::kGoodResidue;
  traceFrame(fcsGood ? FrameDirection::Received : FrameDirection::ReceivedBadFcs, state_.rxFrame);
  dispatcher_.dispatch(Reply{state_.rxFrame, fcsGood});
}

}  // namespace orbelle
