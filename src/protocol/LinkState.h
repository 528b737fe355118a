#pragma once

#include "protocol/ReportFrame.h"

namespace orbelle {

// The channel's record of the link for the whole run; `protocol`, `port` and `baudrate` are the
// operator's choice (LinkChoice), which the channel reads where the program keeps it. txFrame
// is never cleared between commands: payload bytes a command does not set keep what an earlier
// frame left.
struct LinkState {
  ReportFrame txFrame{};
  ReportFrame rxFrame{};
  bool serialOpen = false;
};

}  // namespace orbelle
