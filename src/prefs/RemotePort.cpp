#include "prefs/RemotePort.h"

#include <algorithm>
#include <charconv>

namespace orbelle {

namespace {

constexpr std::string_view kRfc2217Scheme = "rfc2217://";
constexpr std::string_view kRawScheme = "socket://";

bool isHostNameCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.';
}

bool isIpv6Character(char c) {
  return (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') || (c >= '0' && c <= '9') || c == ':' ||
         c == '.';
}

std::optional<std::uint16_t> portNumber(std::string_view digits) {
  if (digits.empty() || digits.size() > 5 ||
      !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  unsigned int number = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (number < 1 || number > 65535) {
    return std::nullopt;
  }
  return static_cast<std::uint16_t>(number);
}

}  // namespace

bool isRemotePortText(std::string_view text) {
  return text.starts_with(kRfc2217Scheme) || text.starts_with(kRawScheme);
}

std::optional<RemotePort> parseRemotePort(std::string_view text) {
  RemotePort port;
  if (text.starts_with(kRfc2217Scheme)) {
    text.remove_prefix(kRfc2217Scheme.size());
  } else if (text.starts_with(kRawScheme)) {
    port.kind = RemotePort::Kind::Raw;
    text.remove_prefix(kRawScheme.size());
  } else {
    return std::nullopt;
  }
  std::string_view host;
  std::string_view rest;
  if (text.starts_with('[')) {
    const std::size_t close = text.find(']');
    if (close == std::string_view::npos) {
      return std::nullopt;
    }
    host = text.substr(1, close - 1);
    rest = text.substr(close + 1);
    if (host.empty() || !std::all_of(host.begin(), host.end(), isIpv6Character)) {
      return std::nullopt;
    }
  } else {
    const std::size_t colon = text.rfind(':');
    if (colon == std::string_view::npos) {
      return std::nullopt;
    }
    host = text.substr(0, colon);
    rest = text.substr(colon);
    if (host.empty() || !std::all_of(host.begin(), host.end(), isHostNameCharacter)) {
      return std::nullopt;
    }
  }
  if (!rest.starts_with(':')) {
    return std::nullopt;
  }
  const auto number = portNumber(rest.substr(1));
  if (!number) {
    return std::nullopt;
  }
  port.host = std::string(host);
  port.port = *number;
  return port;
}

}  // namespace orbelle
