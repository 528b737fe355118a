#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/CommandCode.h"
#include "protocol/LinkProtocol.h"
#include "protocol/MessageIcon.h"
#include "protocol/ReportFrame.h"
#include "settings/BaseSettings.h"
#include "settings/SettingsExchange.h"
#include "settings/SettingsMessages.h"

namespace orbelle {

// The message boxes of the Set Base Unit window.
enum class SetBaseUnitMessage { UnsetUnit, CurrentLoaded, UploadConfirmed, NoReply, ChannelReset };

const char* messageText(SetBaseUnitMessage message);
const char* messageTitle(SetBaseUnitMessage message);
MessageIcon messageIcon(SetBaseUnitMessage message);
// The exchange's outcome behind a message; none for the channel message.
std::optional<SettingsMessage> exchangeMessage(SetBaseUnitMessage message);

// The window's radio groups; each button stands for a code from 1 up.
enum class RadioGroup { Baud, DataBits, StopBits, Parity, Flow, NumericKey };
inline constexpr std::size_t kRadioGroupCount = 6;
// How many buttons (codes) each group has, in RadioGroup order.
inline constexpr std::array<std::uint8_t, kRadioGroupCount> kRadioGroupSizes{6, 2, 2, 3, 3, 2};

// What the model needs from its view and its link.
class SetBaseUnitHost : public SettingsLinkHost {
 public:
  // Something the view shows changed: read the model again.
  virtual void changed() {}
  virtual void showMessage(SetBaseUnitMessage message) = 0;
};

// Everything the Set Base Unit window holds and decides, without any widget: what each control
// shows, and what each user action does to it. One model lives for the whole run of the
// program, so its values survive a closing and reopening of the window.
class SetBaseUnitModel : private SettingsExchangeHost {
 public:
  // Entries of the channel list before the first refresh of the program's run.
  static constexpr int kInitialChannelEntries = 48;

  explicit SetBaseUnitModel(SetBaseUnitHost& host);

  // --- what the user (or vkr) does ---
  // The window opens: controls back to their opening state, 9600,n,8,1, the current settings
  // asked for.
  void open();
  void repaint();
  void clickDisplayCurrentSettings();
  void clickReturnDefaultSettings();
  // Does nothing while the Upload button is disabled.
  void clickUpload();
  void clickIdBox(int id, bool checked);
  void clickRadio(RadioGroup group, std::uint8_t code);
  // The power or channel drop-down closed with `position` selected (changed or not).
  void closePowerList(int position);
  void closeChannelList(int position);
  void toggleHopping(bool checked);
  // The link's reply and the reply timer.
  void frameReceived(const ReportFrame& rxFrame);
  void replyTimerFired();

  // --- what the view shows ---
  static const std::array<std::string_view, 3>& nationEntries();
  std::optional<int> nationSelection() const { return nationSelection_; }
  static bool nationListEnabled() { return false; }
  static std::vector<std::string> powerEntries();
  int powerSelection() const { return powerIndex_; }
  std::vector<std::string> channelEntries() const;
  // None while the record's channel is not in the list.
  std::optional<int> channelSelection() const;
  bool hoppingChecked() const { return hoppingCheck_; }
  bool idChecked(int id) const;
  // The code of the group's selected button; 0 when none is selected.
  std::uint8_t radioSelection(RadioGroup group) const {
    return groupCodes_.at(static_cast<std::size_t>(group));
  }
  bool uploadEnabled() const;
  const std::string& bootloaderText() const { return exchange_.bootloaderText(); }
  const std::string& applicationText() const { return exchange_.applicationText(); }
  const std::string& summaryText() const { return summary_; }

  const BaseSettings& record() const { return exchange_.record(); }
  // The last frame this window received (replies to other windows, such as an upgrade's
  // acknowledgements, never reach it); all zero before the first. Return Default Settings
  // takes the nation from it.
  const ReportFrame& lastFrame() const { return rxFrame_; }
  // What an upload would send now: the record's power, channel and hopping, the ID boxes and
  // the group codes. The nation is left to the encoder, which sends none.
  BaseSettings uploadValues() const;

 private:
  // SettingsExchangeHost
  ReportFrame& txFrame() override { return host_.txFrame(); }
  void sendFrame(CommandCode code) override { host_.sendFrame(code); }
  LinkProtocol protocol() const override { return host_.protocol(); }
  void setSerialLineSettings(std::string_view settings) override {
    host_.setSerialLineSettings(settings);
  }
  void startReplyTimer() override { host_.startReplyTimer(); }
  void stopReplyTimer() override { host_.stopReplyTimer(); }
  void refresh(bool withVersions) override;
  void showVersionTexts() override { host_.changed(); }
  void setUploadEnabled(bool enabled) override;
  void showMessage(SettingsMessage message) override;

  void selectChannel(int position);
  std::uint16_t idMask() const;

  SetBaseUnitHost& host_;
  SettingsExchange exchange_;
  ReportFrame rxFrame_{};
  int channelEntries_ = kInitialChannelEntries;
  std::optional<int> nationSelection_;
  int nationIndex_ = 0;
  int powerIndex_ = 0;
  int channelIndex_ = 0;
  bool hoppingCheck_ = false;
  std::array<bool, 16> idChecks_{};
  std::array<std::uint8_t, kRadioGroupCount> groupCodes_{};
  bool uploadEnabled_ = false;
  std::string summary_;
};

}  // namespace orbelle
