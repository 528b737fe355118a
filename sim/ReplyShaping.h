#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "BaseUnitModel.h"
#include "FaultPlan.h"

namespace orbelle::sim {

// How a reply leaves: the pieces, each one write (serial) or one packet (HID), in order.
// split-replies cuts every copy into 1-byte pieces; double-replies sends each reply twice in
// one piece: a unit that repeats itself sends the copy right behind the original, so both are
// queued at the PC before anything can answer the first (the hidapi stand-in hands a packet
// of several reports over one report a read).
std::vector<std::vector<std::uint8_t>> piecesOf(const WireFrame& reply, const FaultPlan& faults);

}  // namespace orbelle::sim
