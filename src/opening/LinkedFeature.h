#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "message/OperatorMessage.h"
#include "protocol/FrameChannel.h"
#include "protocol/LinkError.h"
#include "protocol/ReplyDispatcher.h"

namespace orbelle {

inline constexpr std::string_view kCannotCommunicateText = "Cannot communicate with the base unit!";
inline constexpr std::string_view kNoProtocolText =
    "Please set the communicate attribute before communication!";
// The two blanks at the end are part of the text.
inline constexpr std::string_view kUsbNotFoundText =
    "Please ensure the base unit is well connected to PC, and is in setting mode.  ";
inline constexpr std::string_view kCannotOpenComText = "Cannot open COM port!";

// The port's own refusal, shown as it is worded.
OperatorMessage refusalMessage(const std::string& portWords);

enum class LinkedFeatureOutcome {
  Open,  // the feature window may be shown
  // No base unit could be opened over USB (`refusal` says why when one was found), or the
  // COM port did not open
  NotUsable,
  Refused,     // the serial port refused to open; its own words are the message
  NoProtocol,  // no link chosen
};

struct LinkedFeatureResult {
  LinkedFeatureOutcome outcome = LinkedFeatureOutcome::Open;
  std::string portWords;  // the link's statement of the refusal, if there was one
  // The cause of a refusal (Refused, or NotUsable over USB), for a program that shows it and
  // suggests a remedy.
  std::optional<LinkRefusal> refusal;

  // The one message box to show, none when the feature window opens.
  std::optional<OperatorMessage> message() const;
};

// What a main-window command that talks to the base unit does before its window opens:
// names the feature window that receives replies, resets the link and opens the chosen one.
// With no link chosen every such command asks for one, Upgrade Base Unit included: silence
// would leave the operator guessing why nothing opened.
LinkedFeatureResult runLinkedFeature(FeatureWindow feature, FrameChannel& link);

enum class LinkCheckOutcome {
  Usable,       // the window may close; a USB receive thread has been told to stop
  UsbNotFound,  // kUsbNotFoundText
  ComNotOpen,   // kCannotOpenComText, after the port's own refusal if there was one
  NoProtocol,   // nothing to test: the window closes
};

struct LinkCheckResult {
  LinkCheckOutcome outcome = LinkCheckOutcome::Usable;
  std::string portWords;  // the serial port's refusal, if it refused

  // The message boxes to show, in order: the refusal first, then the check's own.
  std::vector<OperatorMessage> messages() const;
};

// The Set Protocol window's OK: opens the chosen link as it stands, without a reset, and
// says whether it can be used.
LinkCheckResult checkChosenLink(FrameChannel& link);

}  // namespace orbelle
