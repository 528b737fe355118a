#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orbelle {

// A serial port on a network serial server, named where a device is: "rfc2217://HOST:PORT"
// (Telnet with RFC 2217's COM-PORT-OPTION: the line settings reach the far port) or
// "socket://HOST:PORT" (raw TCP: the far port keeps the settings the server gave it).
struct RemotePort {
  enum class Kind { Rfc2217, Raw };
  Kind kind = Kind::Rfc2217;
  std::string host;  // a name, an IPv4 address, or an IPv6 address without its brackets
  std::uint16_t port = 0;

  bool operator==(const RemotePort&) const = default;
};

// Whether `text` names a remote port at all (begins with one of the two schemes).
bool isRemotePortText(std::string_view text);

// The port `text` names; none when it is not a well-formed rfc2217:// or socket:// URL: a host
// of letters, digits, '-' and '.' (or an IPv6 address in brackets), a port from 1 to 65535 in
// decimal, and nothing after it.
std::optional<RemotePort> parseRemotePort(std::string_view text);

}  // namespace orbelle
