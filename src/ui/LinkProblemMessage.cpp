#include "ui/LinkProblemMessage.h"

#include "link/LinkMessages.h"

namespace orbelle::ui {

namespace {

// Boxes of the receive thread carry the program's name as their title.
constexpr const char* kProgramTitle = "Orbelle";

// A statement made to follow a semicolon, as a sentence of its own after `text`.
void appendSentence(std::string& text, std::string_view statement) {
  const std::size_t start = text.size();
  text.append(statement).append(".");
  if (text[start] >= 'a' && text[start] <= 'z') {
    text[start] = static_cast<char>(text[start] - 'a' + 'A');
  }
}

void appendUsbRemedy(std::string& text, LinkFailure reason) {
  switch (reason) {
    case LinkFailure::PermissionDenied:
      text.append(" ");
      appendSentence(text, hidrawAccessHint("orbelle"));
      break;
    case LinkFailure::Busy:
      text.append(" Wait until that program has finished, or close it.");
      break;
    case LinkFailure::DeviceNotFound:
      text.append(" Is it plugged in?");
      break;
    case LinkFailure::Other:
      break;
  }
}

// Why no base unit could be used over USB, and what the operator can do about it.
std::string usbCause(const std::optional<LinkRefusal>& refusal, const std::string& linkWords) {
  std::string text;
  if (!refusal) {
    appendSentence(text, noUsbBaseUnitText(kBaseUnitVendorId, kBaseUnitProductId));
    text.append(" Is it plugged in?");
    return text;
  }
  appendSentence(text, linkWords);
  appendUsbRemedy(text, refusal->reason);
  return text;
}

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

std::optional<OperatorMessage> linkedFeatureMessage(const LinkedFeatureResult& result,
                                                    LinkProtocol protocol) {
  std::optional<OperatorMessage> box = result.message();
  if (box && result.outcome == LinkedFeatureOutcome::NotUsable && protocol == LinkProtocol::Usb) {
    box->text.append("\n").append(usbCause(result.refusal, result.portWords));
  }
  return box;
}

}  // namespace orbelle::ui
