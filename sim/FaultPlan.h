#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orbelle::sim {

// Misbehaviour the simulated base unit is asked to show. Each field is off when empty or
// false; counts are at least 1.
struct FaultPlan {
  std::optional<int> dropReplyEvery;  // drop-reply=N: every Nth reply is not sent
  bool corruptFcs = false;            // corrupt-fcs: every reply carries a wrong FCS
  std::optional<int> retryEvery;      // retry-every=K: block K, 2K... first gets a retry
  std::optional<int> handshakeEvery;  // handshake-every=K: block K, 2K... needs a handshake
  bool finishWithDone = false;        // finish-with-done: done instead of the last ack
  std::optional<int> vanishAfter;     // vanish-after=N: gone after answering N frames
  bool splitReplies = false;          // split-replies: one byte per write or packet
  bool doubleReplies = false;         // double-replies: every reply goes out twice

  bool operator==(const FaultPlan&) const = default;
};

// Reads the --fault values ("drop-reply=3", "corrupt-fcs", ...). A later value for the
// same fault replaces an earlier one. Throws std::invalid_argument naming the bad value.
FaultPlan parseFaults(const std::vector<std::string>& values);

// The names accepted by parseFaults, for the help text.
std::string faultNamesHelp();

}  // namespace orbelle::sim
