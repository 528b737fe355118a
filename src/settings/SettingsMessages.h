#pragma once

#include "message/MessageIcon.h"

namespace orbelle {

// What the settings exchange and the Set Base Unit window tell the operator.
enum class SettingsMessage {
  UnsetUnit,        // the unit answered, but was never set: only its versions are valid
  CurrentLoaded,    // its current settings were read
  UploadConfirmed,  // it echoed an upload
  NoReply,          // nothing came back over RS232 within the reply time-out
  ChannelReset,     // switching hopping on put the channel beyond the hopping range; it became 6
};

const char* settingsMessageText(SettingsMessage message);
const char* settingsMessageTitle(SettingsMessage message);
MessageIcon settingsMessageIcon(SettingsMessage message);

}  // namespace orbelle
