#pragma once

#include <cstdint>

namespace orbelle {

// Values of LinkState::protocol. Anything other than Usb or Rs232 means "no link chosen".
enum class LinkProtocol : std::int32_t { None = 0, Usb = 1, Rs232 = 2 };

}  // namespace orbelle
