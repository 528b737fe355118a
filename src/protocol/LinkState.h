#pragma once

#include <cstdint>

#include "protocol/LinkProtocol.h"
#include "protocol/ReportFrame.h"

namespace orbelle {

// The one record of the link for the whole run. txFrame is never cleared between
// commands: payload bytes a command does not write keep what an earlier frame left.
struct LinkState {
  LinkProtocol protocol = LinkProtocol::None;
  std::int32_t port = 0;
  std::int32_t baudrate = 0;
  ReportFrame txFrame{};
  ReportFrame rxFrame{};
  bool serialOpen = false;
};

}  // namespace orbelle
