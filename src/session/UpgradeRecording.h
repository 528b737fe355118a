#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "upgrade/UpgradeRecord.h"

namespace orbelle {

class Session;
struct UpgradeEnd;

// The record of an upgrade as it begins: the time, the program, the unit, the link the session
// has open and the unit on it, and the image as it is now (its size and SHA-256, read once).
UpgradeRecord beginUpgradeRecord(const Session& session, const std::string& program, bool baseUnit,
                                 const std::filesystem::path& image);

// The record's name for an ending: "completed", "no-reply", "link-broke", ...
std::string upgradeOutcomeName(const UpgradeEnd& end);
// What the operator was told of an ending that is not a completion; "" for one.
std::string upgradeEndMessage(const UpgradeEnd& end);

// Appends the record to the upgrade history; none when it was written, else the warning that
// says why not.
std::optional<std::string> writeUpgradeRecord(const UpgradeRecord& record);

}  // namespace orbelle
