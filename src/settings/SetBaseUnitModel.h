#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/ReportFrame.h"
#include "settings/BaseSettings.h"
#include "settings/SettingsChange.h"
#include "settings/SettingsChannel.h"
#include "settings/SettingsMessages.h"

namespace orbelle {

// The window's radio groups; each button stands for a code from 1 up.
enum class RadioGroup { Baud, DataBits, StopBits, Parity, Flow, NumericKey };
inline constexpr std::size_t kRadioGroupCount = 6;
// How many buttons (codes) each group has, in RadioGroup order.
inline constexpr std::array<std::uint8_t, kRadioGroupCount> kRadioGroupSizes{6, 2, 2, 3, 3, 2};

// What the model tells its view: the window, or vkr.
class SetBaseUnitView {
 public:
  virtual ~SetBaseUnitView() = default;
  // Something the view shows changed: read the model again.
  virtual void changed() {}
  virtual void showMessage(SettingsMessage message) = 0;
};

// Everything the Set Base Unit window holds and decides, without any widget: the settings
// exchange with the base unit, what each control shows, and what each user action does to it.
// Replies are not matched to requests: each received frame is judged by itself, by the unset
// test and then by its code. One model lives for the whole run of the program, so its values
// survive a closing and reopening of the window.
class SetBaseUnitModel {
 public:
  // Entries of the channel list before the first refresh of the program's run.
  static constexpr int kInitialChannelEntries = 48;

  SetBaseUnitModel(SettingsChannel& link, SetBaseUnitView& view);

  // --- what the user does ---
  // The window opens: controls back to their opening state, and the line to 9600,n,8,1, so
  // that the whole exchange over RS232 runs at that rate whatever the preferences name; then
  // the current settings are asked for.
  void open();
  void repaint();
  void clickDisplayCurrentSettings();
  // Loads the defaults for a later upload; the nation is the one last reported.
  void clickReturnDefaultSettings();
  // Does nothing while the Upload button is disabled.
  void clickUpload();
  void clickIdBox(int id, bool checked);
  void clickRadio(RadioGroup group, std::uint8_t code);
  // The power or channel drop-down closed with `position` selected (changed or not).
  void closePowerList(int position);
  void closeChannelList(int position);
  void toggleHopping(bool checked);
  // A change given as values (vkr's): shows what `change` names (hopping first, since it
  // narrows the channel list) and enables Upload. Returns what the window's rules changed
  // beside it, from the settings the change starts from: those last reported, or the defaults
  // once loaded. Throws std::invalid_argument, naming the allowed range, for a channel the list
  // does not offer, or when the list shows no channel and `change` names none.
  std::vector<FieldAdjustment> applyChange(const SettingsChange& change);

  // --- what the link does ---
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
  const std::string& bootloaderText() const { return bootloaderText_; }
  const std::string& applicationText() const { return applicationText_; }
  const std::string& summaryText() const { return summary_; }

  // The record as shown: normalised, with the user's list choices in it.
  const BaseSettings& record() const { return record_; }
  // The last current settings as the unit reported them, before normalisation.
  const BaseSettings& reported() const { return reported_; }
  // What an upload would send now: the record's power, channel and hopping, the ID boxes and
  // the group codes. The nation is left to the encoder, which sends none.
  BaseSettings uploadValues() const;

 private:
  void requestCurrentSettings();
  // The record changed: every control shows it again.
  void refresh();
  void setUploadEnabled(bool enabled);
  void selectChannel(int position);
  void selectPower(int position);
  std::string channelRange() const;
  std::uint16_t idMask() const;

  SettingsChannel& link_;
  SetBaseUnitView& view_;
  BaseSettings record_;
  BaseSettings reported_;
  // What a change starts from: the settings last reported, or the defaults once loaded.
  BaseSettings baseline_;
  std::string bootloaderText_;
  std::string applicationText_;
  // The nation byte of the last frame received, whatever it was (replies to other windows,
  // such as an upgrade's acknowledgements, never reach the model); 0 before the first.
  std::uint8_t lastNation_ = 0;
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
