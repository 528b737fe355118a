#include "settings/SettingsMessages.h"

#include "message/OperatorMessage.h"

namespace orbelle {

const char* settingsMessageText(SettingsMessage message) {
  switch (message) {
    case SettingsMessage::UnsetUnit:
      return "No settings can be read from the base unit.\nThe unit may have not been set.";
    case SettingsMessage::CurrentLoaded:
      return "The current settings of base unit have been loaded.";
    case SettingsMessage::UploadConfirmed:
      return "The new settings of base unit have been uploaded.";
    case SettingsMessage::NoReply:
      return "Cannot communicate with the base unit.";
    case SettingsMessage::ChannelReset:
      return "The setting of channel number is out of valid range.\nThe old setting will be "
             "replaced with the default setting.";
  }
  return "";
}

const char* settingsMessageTitle(SettingsMessage message) {
  switch (message) {
    case SettingsMessage::NoReply:
      return kHardwareCommunicationTitle.data();
    case SettingsMessage::ChannelReset:
      return "VKR - Software Problem/Channel Number Setting Message";
    default:
      return "VKR - Software Problem/Settings Message";
  }
}

MessageIcon settingsMessageIcon(SettingsMessage message) {
  return message == SettingsMessage::NoReply ? MessageIcon::Error : MessageIcon::Information;
}

}  // namespace orbelle
