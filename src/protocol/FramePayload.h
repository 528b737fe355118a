#pragma once

#include <cstddef>

#include "protocol/ReportFrame.h"

namespace orbelle {

// The payload bytes one frame sets, at their frame positions: bytes 2 up to `end`. Every
// command sets a run from the start of the payload area, or nothing; the channel writes the
// run over its transmit frame, whose later payload bytes keep what the last frame held.
struct FramePayload {
  ReportFrame bytes{};
  std::size_t end = frame_pos::kPayloadFirst;  // nothing set
};

}  // namespace orbelle
