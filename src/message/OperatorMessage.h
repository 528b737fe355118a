#pragma once

#include <string>
#include <string_view>

#include "message/MessageIcon.h"

namespace orbelle {

// The titles of the boxes that tell of trouble with the base unit or its link.
inline constexpr std::string_view kSoftwareCommunicationTitle =
    "VKR - Software Problem/Communication Message";
inline constexpr std::string_view kHardwareCommunicationTitle =
    "VKR - Hardware Problem/Communication Message";

// A message box as the operator sees it: title, text, icon and an OK button.
struct OperatorMessage {
  std::string title;
  std::string text;
  MessageIcon icon = MessageIcon::Error;

  bool operator==(const OperatorMessage&) const = default;
};

}  // namespace orbelle
