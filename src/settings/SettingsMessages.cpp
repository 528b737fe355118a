#include "settings/SettingsMessages.h"

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
  }
  return "";
}

const char* settingsMessageTitle(SettingsMessage message) {
  return message == SettingsMessage::NoReply ? "VKR - Hardware Problem/Communication Message"
                                             : "VKR - Software Problem/Settings Message";
}

bool isSettingsFailure(SettingsMessage message) { return message == SettingsMessage::NoReply; }

}  // namespace orbelle
