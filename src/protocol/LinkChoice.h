#pragma once

#include <cstdint>

#include "protocol/LinkProtocol.h"

namespace orbelle {

// The operator's link: USB, or RS232 with its COM port and rate. The program holds one, in its
// preferences (LinkPreferences), and the channel opens and sends by it: a choice made is in
// effect at once, with nothing to copy.
struct LinkChoice {
  LinkProtocol protocol = LinkProtocol::None;
  std::int32_t port = 0;
  std::int32_t baudrate = 0;
};

}  // namespace orbelle
