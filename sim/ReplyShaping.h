#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "BaseUnitModel.h"
#include "FaultPlan.h"

namespace orbelle::sim {

enum class Delivery {
  Stream,   // serial: pieces are writes into one byte stream
  Packets,  // HID: pieces are separate input reports
};

// How a reply leaves: the pieces, each one write (stream) or one packet (HID), in order.
// split-replies cuts every copy into 1-byte pieces; double-replies sends each reply twice,
// in one write on a stream and as two reports on packets.
std::vector<std::vector<std::uint8_t>> piecesOf(const WireFrame& reply, const FaultPlan& faults,
                                                Delivery delivery);

}  // namespace orbelle::sim
