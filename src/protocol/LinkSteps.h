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

// The links present in this process; a step whose link is absent finds nothing to call.
struct LinkEndpoints {
  HidTransport* hid = nullptr;
  SerialTransport* serial = nullptr;
  TraceSink trace;
};

// Hands `event` to the trace, if one is set.
void TraceStep(const LinkEndpoints& links, const TraceEvent& event);

enum class LinkOutcome { Usable, Unusable, NotChosen };

enum class OpenMode {
  ResetFirst,  // a feature command: stop and release whatever is held first
  Reopen,      // the Set Protocol check: open the chosen link as it stands
};

// Stops HID receiving, releases the device and marks the serial port closed.
void ResetLinkState(LinkState& state, const LinkEndpoints& links);

// Opens the link of state.protocol. A serial port that refuses to open throws LinkError
// with serialOpen left false.
LinkOutcome OpenChosenLink(LinkState& state, const LinkEndpoints& links,
                           OpenMode mode = OpenMode::ResetFirst);

// The usability of the chosen link as it stands, without opening anything.
LinkOutcome chosenLinkOutcome(const LinkState& state, const LinkEndpoints& links);

// Writes report ID and code into txFrame, seals it and hands it to the chosen link.
// The payload was written by the caller; bytes it did not write stay as they were.
void SendFrame(LinkState& state, const LinkEndpoints& links, CommandCode code);

void CloseLink(LinkState& state, const LinkEndpoints& links);

// The serial steps, whatever link is active; each throws LinkError when the port refuses. Only
// what reaches an open port is traced: a closed one takes its settings at the next opening.
void SetSerialLineSettings(const LinkEndpoints& links, std::string_view settings);
void DiscardSerialInput(const LinkEndpoints& links);
// Closes the serial port if open and opens it again at state.baudrate.
void ReopenSerial(LinkState& state, const LinkEndpoints& links);

// The hand-over of a reply: the link's own buffer is copied into rxFrame on the UI thread
// just before the receiver named by activeFeature handles it.
void DeliverHidReport(LinkState& state, const LinkEndpoints& links, ReplyDispatcher& dispatcher,
                      std::span<const std::uint8_t, kFrameSize> report);
void DeliverSerialFrame(LinkState& state, const LinkEndpoints& links, ReplyDispatcher& dispatcher,
                        std::span<const std::uint8_t, kWireFrameSize> bytes);

}  // namespace orbelle
