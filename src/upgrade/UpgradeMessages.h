#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "message/OperatorMessage.h"

namespace orbelle {

inline constexpr std::string_view kUpgradeMessageTitle = "VKR - Software Problem/Settings Message";
// A serial port refused a step of an upgrade (its settings, its input, its reopening).
inline constexpr std::string_view kUpgradeLinkMessageTitle = kHardwareCommunicationTitle;

inline constexpr std::string_view kCannotOpenImageMessage = "Can not open the file!";

// Each unit's own empty-image and completion texts.
inline constexpr std::string_view kBaseEmptyImageMessage = "The file has no data!";
inline constexpr std::string_view kBaseCompletionMessage = "The base unit has been upgraded.";
inline constexpr std::string_view kHandheldEmptyImageMessage =
    "The handheld unit application file has no data!";
inline constexpr std::string_view kHandheldCompletionMessage =
    "The handheld unit has been upgraded";

// The page number of a block is 16 bits, so a larger image cannot be addressed.
inline std::string imageTooLargeMessage(std::uint64_t length, std::uint64_t largest) {
  std::string text = "The file is too large: ";
  text.append(std::to_string(length));
  text.append(" bytes, but an upgrade image can have at most ");
  text.append(std::to_string(largest));
  text.append(" bytes!");
  return text;
}

// The image shrank or became unreadable after the transfer had started.
inline std::string imageReadFailedMessage(std::uint64_t offset, std::uint64_t length) {
  std::string text = "Can not read the file at byte ";
  text.append(std::to_string(offset));
  text.append(" of ");
  text.append(std::to_string(length));
  text.append("; it may have changed since the upgrade started!");
  return text;
}

// The file was rewritten, replaced or cut while its blocks went out.
inline constexpr std::string_view kImageChangedMessage =
    "The file changed while it was being sent, so the unit may have received parts of two "
    "different images. The upgrade was stopped; please send the file again!";

}  // namespace orbelle
