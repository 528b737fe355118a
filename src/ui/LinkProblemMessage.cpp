#include "ui/LinkProblemMessage.h"

#include "link/LinkMessages.h"

namespace orbelle::ui {

namespace {

// Boxes of the receive thread carry the program's name as their title.
constexpr const char* kProgramTitle = "Orbelle";

}  // namespace

OperatorMessage hidProblemMessage(HidLink::Problem problem, const std::string& text) {
  switch (problem) {
    case HidLink::Problem::ThreadNotStarted:
      return {kThreadNotStartedTitle, kThreadNotStartedText, MessageIcon::Error};
    case HidLink::Problem::ShortRead:
      return {kProgramTitle, text, MessageIcon::Error};
    case HidLink::Problem::ReadFailed:
      return {kProgramTitle, kReadFailedText, MessageIcon::Error};
    case HidLink::Problem::DeviceLost:
      // Said, not left silent: the window would otherwise wait for a reply that cannot come.
      break;
  }
  return {std::string(kHardwareCommunicationTitle),
          std::string(kCannotCommunicateText) + " The base unit was unplugged (" + text + ").",
          MessageIcon::Error};
}

OperatorMessage serialProblemMessage(SerialLink::Problem /*problem*/, const std::string& text) {
  return {std::string(kHardwareCommunicationTitle),
          std::string(kCannotCommunicateText) + " " + text, MessageIcon::Error};
}

}  // namespace orbelle::ui
