#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace orbelle {

// Why a port or device refused. The program that shows the refusal picks its remedy by this;
// the link itself names none.
enum class LinkFailure { PermissionDenied, DeviceNotFound, Busy, Other };

struct LinkRefusal {
  LinkFailure reason = LinkFailure::Other;
  std::string device;    // the path of the port or device, when there is one
  std::string portText;  // the port's or the system's own words
};

// A link operation the port or device refused; the message states the cause in the port's
// own words. It ends the operation that called the link.
class LinkError : public std::runtime_error {
 public:
  explicit LinkError(const std::string& text, LinkRefusal refusal = {})
      : std::runtime_error(text), refusal_(std::move(refusal)) {}

  const LinkRefusal& refusal() const noexcept { return refusal_; }

 private:
  LinkRefusal refusal_;
};

}  // namespace orbelle
