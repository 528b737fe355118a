#include "ReplyShaping.h"

namespace orbelle::sim {

std::vector<std::vector<std::uint8_t>> piecesOf(const WireFrame& reply, const FaultPlan& faults) {
  const int copies = faults.doubleReplies ? 2 : 1;
  std::vector<std::vector<std::uint8_t>> pieces;
  if (faults.splitReplies) {
    for (int copy = 0; copy < copies; ++copy) {
      for (const std::uint8_t b : reply) {
        pieces.push_back({b});
      }
    }
    return pieces;
  }
  std::vector<std::uint8_t> write;
  for (int copy = 0; copy < copies; ++copy) {
    write.insert(write.end(), reply.begin(), reply.end());
  }
  pieces.push_back(std::move(write));
  return pieces;
}

}  // namespace orbelle::sim
