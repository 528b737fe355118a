#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "protocol/ReportFrame.h"

namespace orbelle::sim {

// The rate a real unit listens at, frame by frame: its link rate for settings frames, 9600 for
// a start frame, and for the blocks the rate the start frame announced. A frame that came
// while the port was set to another rate is noise to it, and goes unanswered: so a rate change
// that did not reach the unit's port fails the job, as it would with a unit on a wire.
class LineCheck {
 public:
  explicit LineCheck(int lineRate) : lineRate_(lineRate) {}

  // Whether the frame (bytes 1..38) is heard while the port is set to `portRate`; why not,
  // when it is not.
  std::optional<std::string> refusal(std::span<const std::uint8_t, kWireFrameSize> wire,
                                     int portRate);

  int lineRate() const { return lineRate_; }

 private:
  int lineRate_;
  std::optional<int> blockRate_;
};

// The rate of a start frame's baud code ('1' = 9600 ... '5' = 115200); none for another code.
std::optional<int> rateOfBaudCode(std::uint8_t code);

}  // namespace orbelle::sim
