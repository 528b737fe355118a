#include "protocol/LinkChannel.h"

#include <algorithm>

#include "protocol/Fcs16.h"
#include "protocol/LineSettings.h"

namespace orbelle {

void LinkChannel::trace(const TraceEvent& event) const {
  if (trace_) {
    trace_(event);
  }
}

void LinkChannel::traceFrame(FrameDirection direction, const ReportFrame& frame) const {
  trace({.kind = TraceKind::Frame, .direction = direction, .bytes = frame});
}

void LinkChannel::reset() {
  if (hid_ != nullptr) {
    hid_->close();
  }
  state_.serialOpen = false;
}

LinkOutcome LinkChannel::outcome() const {
  switch (state_.protocol) {
    case LinkProtocol::Usb:
      return hid_ != nullptr && hid_->deviceHeld() ? LinkOutcome::Usable : LinkOutcome::Unusable;
    case LinkProtocol::Rs232:
      return state_.serialOpen ? LinkOutcome::Usable : LinkOutcome::Unusable;
    default:
      return LinkOutcome::NotChosen;
  }
}

LinkOutcome LinkChannel::open(OpenMode mode) {
  if (mode == OpenMode::ResetFirst) {
    reset();
  }
  if (state_.protocol == LinkProtocol::Usb && hid_ != nullptr) {
    hid_->open();
  } else if (state_.protocol == LinkProtocol::Rs232 && serial_ != nullptr) {
    state_.serialOpen = false;
    serial_->open(state_.port, state_.baudrate);  // a refusal throws past here
    state_.serialOpen = serial_->portOpen();
  }
  return outcome();
}

void LinkChannel::send(CommandCode code) {
  state_.txFrame[frame_pos::kReportId] = 0;
  state_.txFrame[frame_pos::kCode] = codeByte(code);
  Fcs16::seal(state_.txFrame);
  // Exchanges are lock-step and replies carry no sequence number: a reply that was already
  // there before this frame went out (a repeated one, or one that came too late) cannot be
  // its answer, and taking it would put every later answer one frame behind.
  const bool usb = state_.protocol == LinkProtocol::Usb && hid_ != nullptr;
  const bool rs232 = state_.protocol == LinkProtocol::Rs232 && serial_ != nullptr;
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

void LinkChannel::dropRepeats() {
  if (state_.protocol == LinkProtocol::Usb && hid_ != nullptr) {
    hid_->dropUnhandled();
  } else if (state_.protocol == LinkProtocol::Rs232 && serial_ != nullptr) {
    serial_->dropUnhandled();
  }
}

void LinkChannel::close() {
  reset();
  if (serial_ != nullptr && serial_->portOpen()) {
    serial_->close();
  }
}

void LinkChannel::stopHidReceiving() {
  if (hid_ != nullptr) {
    hid_->stopReceiving();
  }
}

void LinkChannel::setSerialLineSettings(std::string_view settings) {
  if (serial_ == nullptr) {
    return;
  }
  if (serial_->portOpen()) {
    trace({.kind = TraceKind::LineSettings, .text = settings});
  }
  serial_->setLineSettings(settings);
}

void LinkChannel::discardSerialInput() {
  if (serial_ == nullptr) {
    return;
  }
  if (serial_->portOpen()) {
    trace({.kind = TraceKind::InputDiscarded});
  }
  serial_->discardInput();
}

void LinkChannel::reopenSerial() {
  if (serial_ == nullptr) {
    return;
  }
  state_.serialOpen = false;
  trace({.kind = TraceKind::SerialReopened});
  // The opening closes the port first, keeping the program's hold on the unit.
  serial_->open(state_.port, state_.baudrate);  // a refusal throws past here
  state_.serialOpen = serial_->portOpen();
  // The opening puts the line back to the preferred rate.
  if (const auto settings = lineSettingsForBaudrate(state_.baudrate);
      settings && state_.serialOpen) {
    trace({.kind = TraceKind::LineSettings, .text = *settings});
  }
}

void LinkChannel::deliverHidReport(std::span<const std::uint8_t, kFrameSize> report) {
  std::copy(report.begin(), report.end(), state_.rxFrame.begin());
  deliverReply();
}

void LinkChannel::deliverSerialFrame(std::span<const std::uint8_t, kWireFrameSize> bytes) {
  // Byte 0 is left as it was: a serial frame has no report ID.
  std::copy(bytes.begin(), bytes.end(), state_.rxFrame.begin() + 1);
  deliverReply();
}

void LinkChannel::deliverReply() {
  // Replies are acted upon by their code alone; a wrong FCS is only marked in the trace.
  const bool fcsGood =
      Fcs16::update(Fcs16::kInitial, std::span<const std::uint8_t>(state_.rxFrame).subspan(1)) ==
      Fcs16::kGoodResidue;
  traceFrame(fcsGood ? FrameDirection::Received : FrameDirection::ReceivedBadFcs, state_.rxFrame);
  dispatcher_.dispatch(state_.rxFrame);
}

}  // namespace orbelle
