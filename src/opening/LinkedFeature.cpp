#include "opening/LinkedFeature.h"

#include "protocol/LinkError.h"

namespace orbelle {

OperatorMessage refusalMessage(const std::string& portWords) {
  return {std::string(kHardwareCommunicationTitle), portWords, MessageIcon::Error};
}

std::optional<OperatorMessage> LinkedFeatureResult::message() const {
  switch (outcome) {
    case LinkedFeatureOutcome::Open:
      return std::nullopt;
    case LinkedFeatureOutcome::NotUsable:
      return OperatorMessage{std::string(kSoftwareCommunicationTitle),
                             std::string(kCannotCommunicateText), MessageIcon::Error};
    case LinkedFeatureOutcome::Refused:
      return refusalMessage(portWords);
    case LinkedFeatureOutcome::NoProtocol:
      return OperatorMessage{std::string(kSoftwareCommunicationTitle), std::string(kNoProtocolText),
                             MessageIcon::Error};
  }
  return std::nullopt;
}

LinkedFeatureResult runLinkedFeature(FeatureWindow feature, FrameChannel& link) {
  // Named before the link opens, so that the first replies reach the right window.
  link.dispatcher().setActiveFeature(feature);
  try {
    switch (link.open(OpenMode::ResetFirst)) {
      case LinkOutcome::Usable:
        return {LinkedFeatureOutcome::Open, {}, {}};
      case LinkOutcome::Unusable:
        return {LinkedFeatureOutcome::NotUsable, {}, {}};
      case LinkOutcome::NotChosen:
        return {LinkedFeatureOutcome::NoProtocol, {}, {}};
    }
  } catch (const LinkError& refusal) {
    // Over USB the units found all refused: the box is the one for no unit, and the cause
    // travels with it for the line that follows.
    const bool usb = link.choice().protocol == LinkProtocol::Usb;
    return {usb ? LinkedFeatureOutcome::NotUsable : LinkedFeatureOutcome::Refused, refusal.what(),
            refusal.refusal()};
  }
  return {LinkedFeatureOutcome::NoProtocol, {}, {}};
}

std::vector<OperatorMessage> LinkCheckResult::messages() const {
  std::vector<OperatorMessage> shown;
  if (!portWords.empty()) {
    shown.push_back(refusalMessage(portWords));
  }
  if (outcome == LinkCheckOutcome::UsbNotFound) {
    shown.push_back({std::string(kHardwareCommunicationTitle), std::string(kUsbNotFoundText),
                     MessageIcon::Error});
  } else if (outcome == LinkCheckOutcome::ComNotOpen) {
    shown.push_back({std::string(kHardwareCommunicationTitle), std::string(kCannotOpenComText),
                     MessageIcon::Error});
  }
  return shown;
}

LinkCheckResult checkChosenLink(FrameChannel& link) {
  LinkCheckResult result;
  LinkOutcome opened = LinkOutcome::Unusable;
  try {
    opened = link.open(OpenMode::WithoutReset);
  } catch (const LinkError& refusal) {
    result.portWords = refusal.what();
  }
  switch (link.choice().protocol) {
    case LinkProtocol::Usb:
      if (opened != LinkOutcome::Usable) {
        result.outcome = LinkCheckOutcome::UsbNotFound;
      } else {
        // The device stays held; no window takes replies while the protocol is being set.
        link.stopHidReceiving();
      }
      break;
    case LinkProtocol::Rs232:
      if (opened != LinkOutcome::Usable) {
        result.outcome = LinkCheckOutcome::ComNotOpen;
      }
      break;
    default:
      result.outcome = LinkCheckOutcome::NoProtocol;
      break;
  }
  return result;
}

}  // namespace orbelle
