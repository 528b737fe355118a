#pragma once

namespace orbelle {

// The operator-facing results of the settings conversation.
enum class SettingsMessage {
  UnsetUnit,      // "No settings can be read from the base unit.\nThe unit may have not been set."
  CurrentLoaded,  // "The current settings of base unit have been loaded."
  UploadConfirmed,  // "The new settings of base unit have been uploaded."
  NoReply,          // "Cannot communicate with the base unit."
};

const char* settingsMessageText(SettingsMessage message);
const char* settingsMessageTitle(SettingsMessage message);
bool isSettingsFailure(SettingsMessage message);

// Switching hopping on put the channel beyond the hopping range; it became 6.
inline constexpr const char* kChannelResetText =
    "The setting of channel number is out of valid range.\nThe old setting will be replaced "
    "with the default setting.";
inline constexpr const char* kChannelResetTitle =
    "VKR - Software Problem/Channel Number Setting Message";

}  // namespace orbelle
