#pragma once

#include <stdexcept>
#include <string>

namespace orbelle {

// A link operation the port or device refused; the message is the port's own description,
// worded for the operator. It ends the operation that called the link.
class LinkError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace orbelle
