#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

#include "upgrade/UpgradeCodeTable.h"

namespace orbelle {

// How messages name a reply of either table.
std::string_view inputName(UpgradeInput input);

// What the operator is told when the unit spoke while it should have been restarting after its
// last block: the replies it sent, and the bytes dropped that made no reply.
std::string completionInDoubtMessage(const UpgradeCodeTable& table,
                                     const std::deque<UpgradeInput>& heard,
                                     std::size_t droppedBytes);

}  // namespace orbelle
