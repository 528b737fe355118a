#include "settings/SettingsExchange.h"

#include "protocol/LineSettings.h"
#include "protocol/ReportFrame.h"
#include "settings/SettingsCodec.h"

namespace orbelle {

void SettingsExchange::open() {
  host_.setSerialLineSettings(kStartFrameLineSettings);
  requestCurrentSettings();
}

void SettingsExchange::requestCurrentSettings() {
  host_.sendFrame(CommandCode::ReadSettings);
  if (host_.protocol() == LinkProtocol::Rs232) {
    host_.startReplyTimer();
  }
}

void SettingsExchange::uploadSettings(const BaseSettings& shown) {
  record_.associatedIds = shown.associatedIds;
  record_.hopping = shown.hopping;
  encodeUploadSettings(host_.txFrame(), shown, false);
  host_.sendFrame(CommandCode::UploadSettings);
  host_.setUploadEnabled(false);
}

void SettingsExchange::onFrameReceived(const ReportFrame& rxFrame) {
  if (host_.protocol() == LinkProtocol::Rs232) {
    host_.stopReplyTimer();
  }
  if (isUnsetReply(rxFrame)) {
    // The versions are still valid; the record itself stays as it was.
    bootloaderText_ = versionText(bootloaderVersionOf(rxFrame));
    applicationText_ = versionText(applicationVersionOf(rxFrame));
    host_.showVersionTexts();
    host_.showMessage(SettingsMessage::UnsetUnit);
    return;
  }
  switch (static_cast<CommandCode>(rxFrame[frame_pos::kCode])) {
    case CommandCode::CurrentSettings:
      record_ = normalised(decodeCurrentSettings(rxFrame));
      bootloaderText_ = versionText(record_.bootloaderVersion);
      applicationText_ = versionText(record_.applicationVersion);
      host_.refresh(true);
      host_.showMessage(SettingsMessage::CurrentLoaded);
      break;
    case CommandCode::SettingsUploaded:
      record_ = normalised(decodeSettingsUploaded(rxFrame, record_));
      host_.refresh(false);
      host_.showMessage(SettingsMessage::UploadConfirmed);
      break;
    default:
      break;  // not a settings reply
  }
}

void SettingsExchange::onReplyTimer() {
  if (host_.protocol() == LinkProtocol::Rs232) {
    host_.stopReplyTimer();
  }
  host_.showMessage(SettingsMessage::NoReply);
}

void SettingsExchange::returnDefaultSettings(const ReportFrame& rxFrame) {
  record_ = normalised(defaultSettings(record_, nationOf(rxFrame)));
  host_.refresh(false);
  host_.setUploadEnabled(true);
}

}  // namespace orbelle
