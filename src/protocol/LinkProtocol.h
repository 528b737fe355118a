#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace orbelle {

// Values of LinkState::protocol. Anything other than Usb or Rs232 means "no link chosen".
enum class LinkProtocol : std::int32_t { None = 0, Usb = 1, Rs232 = 2 };

// "usb", "rs232", or "none" for no link chosen.
constexpr std::string_view linkProtocolName(LinkProtocol protocol) {
  switch (protocol) {
    case LinkProtocol::Usb:
      return "usb";
    case LinkProtocol::Rs232:
      return "rs232";
    case LinkProtocol::None:
      break;
  }
  return "none";
}

// The link named "usb" or "rs232", in any letter case; none for anything else.
constexpr std::optional<LinkProtocol> parseLinkProtocol(std::string_view name) {
  const auto lower = [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  };
  for (const LinkProtocol protocol : {LinkProtocol::Usb, LinkProtocol::Rs232}) {
    const std::string_view candidate = linkProtocolName(protocol);
    bool same = candidate.size() == name.size();
    for (std::size_t i = 0; same && i < name.size(); ++i) {
      same = lower(name[i]) == candidate[i];
    }
    if (same) {
      return protocol;
    }
  }
  return std::nullopt;
}

}  // namespace orbelle
