#include "protocol/LinkSteps.h"

#include <algorithm>

#include "protocol/Fcs16.h"
#include "protocol/LineSettings.h"

namespace orbelle {

namespace {

void traceFrame(const LinkEndpoints& links, FrameDirection direction, const ReportFrame& frame) {
  TraceStep(links, {.kind = TraceKind::Frame, .direction = direction, .bytes = frame});
}

void DeliverReply(LinkState& state, const LinkEndpoints& links, ReplyDispatcher& dispatcher) {
  // Replies are acted upon by their code alone; a wrong FCS is only marked in the trace.
  const bool fcsGood =
      Fcs16::update(Fcs16::kInitial, std::span<const std::uint8_t>(state.rxFrame).subspan(1)) ==
      Fcs16::kGoodResidue;
  traceFrame(links, fcsGood ? FrameDirection::Received : FrameDirection::ReceivedBadFcs,
             state.rxFrame);
  dispatcher.dispatch(state.rxFrame);
}

}  // namespace

void TraceStep(const LinkEndpoints& links, const TraceEvent& event) {
  if (links.trace) {
    links.trace(event);
  }
}

void ResetLinkState(LinkState& state, const LinkEndpoints& links) {
  if (links.hid != nullptr) {
    links.hid->close();
  }
  state.serialOpen = false;
}

LinkOutcome chosenLinkOutcome(const LinkState& state, const LinkEndpoints& links) {
  switch (state.protocol) {
    case LinkProtocol::Usb:
      return links.hid != nullptr && links.hid->deviceHeld() ? LinkOutcome::Usable
                                                             : LinkOutcome::Unusable;
    case LinkProtocol::Rs232:
      return state.serialOpen ? LinkOutcome::Usable : LinkOutcome::Unusable;
    default:
      return LinkOutcome::NotChosen;
  }
}

LinkOutcome OpenChosenLink(LinkState& state, const LinkEndpoints& links, OpenMode mode) {
  if (mode == OpenMode::ResetFirst) {
    ResetLinkState(state, links);
  }
  if (state.protocol == LinkProtocol::Usb && links.hid != nullptr) {
    links.hid->open();
  } else if (state.protocol == LinkProtocol::Rs232 && links.serial != nullptr) {
    state.serialOpen = false;
    links.serial->open(state.port, state.baudrate);  // a refusal throws past here
    state.serialOpen = links.serial->portOpen();
  }
  return chosenLinkOutcome(state, links);
}

void SendFrame(LinkState& state, const LinkEndpoints& links, CommandCode code) {
  state.txFrame[frame_pos::kReportId] = 0;
  state.txFrame[frame_pos::kCode] = codeByte(code);
  Fcs16::seal(state.txFrame);
  // Exchanges are lock-step and replies carry no sequence number: a reply that was already
  // there before this frame went out (a repeated one, or one that came too late) cannot be
  // its answer, and taking it would put every later answer one frame behind.
  if (state.protocol == LinkProtocol::Usb && links.hid != nullptr) {
    links.hid->dropUnhandled();
  } else if (state.protocol == LinkProtocol::Rs232 && links.serial != nullptr) {
    links.serial->dropUnhandled();
  }
  traceFrame(links, FrameDirection::Sent, state.txFrame);
  if (state.protocol == LinkProtocol::Usb && links.hid != nullptr) {
    links.hid->send(state.txFrame);
  } else if (state.protocol == LinkProtocol::Rs232 && links.serial != nullptr) {
    links.serial->send(
        std::span<const std::uint8_t, kWireFrameSize>(state.txFrame.data() + 1, kWireFrameSize));
  }
}

void CloseLink(LinkState& state, const LinkEndpoints& links) {
  if (links.hid != nullptr) {
    links.hid->close();
  }
  state.serialOpen = false;
  if (links.serial != nullptr && links.serial->portOpen()) {
    links.serial->close();
  }
}

void SetSerialLineSettings(const LinkEndpoints& links, std::string_view settings) {
  if (links.serial == nullptr) {
    return;
  }
  if (links.serial->portOpen()) {
    TraceStep(links, {.kind = TraceKind::LineSettings, .text = settings});
  }
  links.serial->setLineSettings(settings);
}

void DiscardSerialInput(const LinkEndpoints& links) {
  if (links.serial == nullptr) {
    return;
  }
  if (links.serial->portOpen()) {
    TraceStep(links, {.kind = TraceKind::InputDiscarded});
  }
  links.serial->discardInput();
}

void ReopenSerial(LinkState& state, const LinkEndpoints& links) {
  if (links.serial == nullptr) {
    return;
  }
  state.serialOpen = false;
  if (links.serial->portOpen()) {
    links.serial->close();
  }
  TraceStep(links, {.kind = TraceKind::SerialReopened});
  links.serial->open(state.port, state.baudrate);  // a refusal throws past here
  state.serialOpen = links.serial->portOpen();
  // The opening puts the line back to the preferred rate.
  if (const auto settings = lineSettingsForBaudrate(state.baudrate); settings && state.serialOpen) {
    TraceStep(links, {.kind = TraceKind::LineSettings, .text = *settings});
  }
}

void DeliverHidReport(LinkState& state, const LinkEndpoints& links, ReplyDispatcher& dispatcher,
                      std::span<const std::uint8_t, kFrameSize> report) {
  std::copy(report.begin(), report.end(), state.rxFrame.begin());
  DeliverReply(state, links, dispatcher);
}

void DeliverSerialFrame(LinkState& state, const LinkEndpoints& links, ReplyDispatcher& dispatcher,
                        std::span<const std::uint8_t, kWireFrameSize> bytes) {
  // Byte 0 is left as it was: a serial frame has no report ID.
  std::copy(bytes.begin(), bytes.end(), state.rxFrame.begin() + 1);
  DeliverReply(state, links, dispatcher);
}

}  // namespace orbelle
