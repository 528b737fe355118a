#pragma once

#include "prefs/LinkPreferences.h"
#include "session/Session.h"
#include "settings/SettingsChannel.h"
#include "upgrade/RunHistory.h"
#include "upgrade/UpgradePause.h"

namespace orbelle::ui {

class FileChooser;
class Look;
class MessagePresenter;
class ModalRunner;
class StoreTrouble;

// What the windows share for the whole run; the application owns it.
struct WindowServices {
  Session& session;
  PreferenceStore& store;
  LinkPreferences& prefs;
  MessagePresenter& messages;
  StoreTrouble& storeTrouble;
  ModalRunner& modal;
  FileChooser& files;
  RunHistory& runHistory;
  const Look& look;
  // The upgrade pauses; tests shorten them.
  PauseDurations pauses;
  // How long a unit may stay silent during a transfer before the window says so.
  std::chrono::milliseconds silenceHint{10000};
  // How long the settings window waits for a reply over RS232; tests shorten it.
  std::chrono::milliseconds settingsReplyTimeout = kSettingsReplyTimeout;
};

}  // namespace orbelle::ui
