#include "settings/SetBaseUnitModel.h"

#include <stdexcept>

#include "protocol/LineSettings.h"
#include "settings/SettingsCodec.h"
#include "settings/SettingsSummary.h"
#include "settings/SettingsTables.h"

namespace orbelle {

namespace {

constexpr int kResetChannelPosition = 5;  // the entry "6"

// The nation list's entry text decides the channel range when hopping is toggled.
std::uint8_t nationFromEntry(std::optional<int> selection) {
  if (selection == static_cast<int>(Nation::Turkey)) {
    return static_cast<std::uint8_t>(Nation::Turkey);
  }
  if (selection == static_cast<int>(Nation::China)) {
    return static_cast<std::uint8_t>(Nation::China);
  }
  return static_cast<std::uint8_t>(Nation::Europe);
}

std::uint8_t& groupField(BaseSettings& s, RadioGroup group) {
  switch (group) {
    case RadioGroup::Baud:
      return s.baudCode;
    case RadioGroup::DataBits:
      return s.dataBitsCode;
    case RadioGroup::StopBits:
      return s.stopBitsCode;
    case RadioGroup::Parity:
      return s.parityCode;
    case RadioGroup::Flow:
      return s.flowControlCode;
    case RadioGroup::NumericKey:
      break;
  }
  return s.numericKeyMode;
}

bool isButtonCode(RadioGroup group, std::uint8_t code) {
  return code >= 1 && code <= kRadioGroupSizes.at(static_cast<std::size_t>(group));
}

constexpr std::array<RadioGroup, kRadioGroupCount> kGroups{
    RadioGroup::Baud,   RadioGroup::DataBits, RadioGroup::StopBits,
    RadioGroup::Parity, RadioGroup::Flow,     RadioGroup::NumericKey};

// The buttons selected at each opening: 9600, 8 bits, 1 bit, no parity, no flow control,
// alphabetic keys.
constexpr std::array<std::uint8_t, kRadioGroupCount> kOpeningCodes{2, 2, 1, 1, 1, 1};

}  // namespace

SetBaseUnitModel::SetBaseUnitModel(SettingsChannel& link, SetBaseUnitView& view)
    : link_(link), view_(view) {}

void SetBaseUnitModel::open() {
  channelEntries_ = kInitialChannelEntries;
  nationSelection_.reset();
  uploadEnabled_ = false;
  link_.setSerialLineSettings(kStartFrameLineSettings);
  groupCodes_ = kOpeningCodes;
  view_.changed();
  requestCurrentSettings();
}

void SetBaseUnitModel::requestCurrentSettings() {
  link_.sendFrame(CommandCode::ReadSettings, {});
  if (link_.protocol() == LinkProtocol::Rs232) {
    link_.startReplyTimer();
  }
}

void SetBaseUnitModel::repaint() {
  record_.powerDbm = kPowerLevelList.at(static_cast<std::size_t>(powerIndex_));
  if (const auto channel = channelSelection()) {
    record_.channel = static_cast<std::uint8_t>(*channel + 1);
  }
  nationSelection_ = nationIndex_;
  hoppingCheck_ = record_.hopping;
  view_.changed();
}

void SetBaseUnitModel::clickDisplayCurrentSettings() { requestCurrentSettings(); }

void SetBaseUnitModel::clickReturnDefaultSettings() {
  record_ = normalised(defaultSettings(record_, lastNation_));
  refresh();
  setUploadEnabled(true);
  baseline_ = uploadValues();
}

void SetBaseUnitModel::clickUpload() {
  if (!uploadEnabled()) {
    return;
  }
  const BaseSettings shown = uploadValues();
  record_.associatedIds = shown.associatedIds;
  record_.hopping = shown.hopping;
  link_.sendFrame(CommandCode::UploadSettings, uploadSettingsPayload(shown, false));
  setUploadEnabled(false);
}

void SetBaseUnitModel::clickIdBox(int id, bool checked) {
  if (id < 1 || id > static_cast<int>(idChecks_.size())) {
    return;
  }
  // The box is the window's ID value at once, so a repaint before the next read keeps it.
  idChecks_.at(static_cast<std::size_t>(id - 1)) = checked;
  setUploadEnabled(true);
}

void SetBaseUnitModel::clickRadio(RadioGroup group, std::uint8_t code) {
  if (!isButtonCode(group, code)) {
    return;
  }
  groupCodes_.at(static_cast<std::size_t>(group)) = code;
  setUploadEnabled(true);
}

void SetBaseUnitModel::closePowerList(int position) {
  selectPower(position);
  setUploadEnabled(true);
}

void SetBaseUnitModel::selectPower(int position) {
  if (position >= 0 && position < static_cast<int>(kPowerLevelList.size())) {
    powerIndex_ = position;
    record_.powerDbm = kPowerLevelList.at(static_cast<std::size_t>(position));
  }
}

void SetBaseUnitModel::closeChannelList(int position) {
  selectChannel(position);
  setUploadEnabled(true);
}

void SetBaseUnitModel::selectChannel(int position) {
  if (position >= 0 && position < channelEntries_) {
    channelIndex_ = position;
    record_.channel = static_cast<std::uint8_t>(position + 1);
  }
}

void SetBaseUnitModel::toggleHopping(bool checked) {
  uploadEnabled_ = true;
  if (nationSelection_) {
    nationIndex_ = *nationSelection_;
  }
  const std::uint8_t nation = nationFromEntry(nationSelection_);
  hoppingCheck_ = checked;
  record_.hopping = checked;
  // The list is rebuilt to exactly 1..N rather than trimmed or extended, so that a list still
  // holding its opening entries ends up as the nation's list too.
  channelEntries_ = channelCount(nation, checked);
  const bool outOfRange = checked && record_.channel > channelEntries_;
  if (outOfRange) {
    selectChannel(kResetChannelPosition);
  }
  view_.changed();
  if (outOfRange) {
    view_.showMessage(SettingsMessage::ChannelReset);
  }
}

std::vector<FieldAdjustment> SetBaseUnitModel::applyChange(const SettingsChange& change) {
  if (change.hopping && *change.hopping != hoppingCheck_) {
    toggleHopping(*change.hopping);
  }
  if (change.channel) {
    if (*change.channel < 1 || *change.channel > channelEntries_) {
      throw std::invalid_argument("channel " + std::to_string(*change.channel) + " is outside " +
                                  channelRange());
    }
    selectChannel(*change.channel - 1);
  } else if (!channelSelection()) {
    throw std::invalid_argument("the base unit reports channel " + std::to_string(record_.channel) +
                                ", outside " + channelRange() + "; choose a channel");
  }
  if (change.powerPosition) {
    selectPower(static_cast<int>(*change.powerPosition));
  }
  if (change.associatedIds) {
    for (std::size_t i = 0; i < idChecks_.size(); ++i) {
      idChecks_.at(i) = (*change.associatedIds & (1U << i)) != 0;
    }
  }
  const auto select = [this](RadioGroup group, std::optional<std::uint8_t> code) {
    if (code && isButtonCode(group, *code)) {
      groupCodes_.at(static_cast<std::size_t>(group)) = *code;
    }
  };
  select(RadioGroup::Baud, change.baudCode);
  select(RadioGroup::DataBits, change.dataBitsCode);
  select(RadioGroup::StopBits, change.stopBitsCode);
  select(RadioGroup::Parity, change.parityCode);
  select(RadioGroup::Flow, change.flowControlCode);
  select(RadioGroup::NumericKey, change.numericKeyMode);
  // What was named may be what is already shown: it is uploaded all the same.
  setUploadEnabled(true);
  return unaskedAdjustments(baseline_, uploadValues(), change);
}

std::string SetBaseUnitModel::channelRange() const {
  const std::size_t nation = record_.nation < kNationNames.size() ? record_.nation : 0;
  return "1 to " + std::to_string(channelEntries_) + " for " +
         std::string(kNationNames.at(nation)) +
         (record_.hopping ? " with hopping" : " without hopping");
}

void SetBaseUnitModel::frameReceived(const ReportFrame& rxFrame) {
  lastNation_ = nationOf(rxFrame);
  if (link_.protocol() == LinkProtocol::Rs232) {
    link_.stopReplyTimer();
  }
  if (isUnsetReply(rxFrame)) {
    // The versions are still valid; the record itself stays as it was, and so do the lists.
    bootloaderText_ = versionText(bootloaderVersionOf(rxFrame));
    applicationText_ = versionText(applicationVersionOf(rxFrame));
    view_.changed();
    view_.showMessage(SettingsMessage::UnsetUnit);
    return;
  }
  switch (static_cast<CommandCode>(rxFrame[frame_pos::kCode])) {
    case CommandCode::CurrentSettings:
      reported_ = decodeCurrentSettings(rxFrame);
      baseline_ = reported_;
      record_ = normalised(reported_);
      bootloaderText_ = versionText(record_.bootloaderVersion);
      applicationText_ = versionText(record_.applicationVersion);
      refresh();
      view_.showMessage(SettingsMessage::CurrentLoaded);
      break;
    case CommandCode::SettingsUploaded:
      record_ = normalised(decodeSettingsUploaded(rxFrame, record_));
      refresh();
      view_.showMessage(SettingsMessage::UploadConfirmed);
      break;
    default:
      break;  // not a settings reply
  }
}

void SetBaseUnitModel::replyTimerFired() {
  if (link_.protocol() == LinkProtocol::Rs232) {
    link_.stopReplyTimer();
  }
  view_.showMessage(SettingsMessage::NoReply);
}

const std::array<std::string_view, 3>& SetBaseUnitModel::nationEntries() {
  return kNationListEntries;
}

std::vector<std::string> SetBaseUnitModel::powerEntries() {
  std::vector<std::string> entries;
  entries.reserve(kPowerLevelList.size());
  for (const std::int8_t power : kPowerLevelList) {
    entries.push_back(std::to_string(power));
  }
  return entries;
}

std::vector<std::string> SetBaseUnitModel::channelEntries() const {
  std::vector<std::string> entries;
  entries.reserve(static_cast<std::size_t>(channelEntries_));
  for (int channel = 1; channel <= channelEntries_; ++channel) {
    entries.push_back(std::to_string(channel));
  }
  return entries;
}

std::optional<int> SetBaseUnitModel::channelSelection() const {
  if (channelIndex_ >= 0 && channelIndex_ < channelEntries_) {
    return channelIndex_;
  }
  return std::nullopt;
}

bool SetBaseUnitModel::idChecked(int id) const {
  return id >= 1 && id <= static_cast<int>(idChecks_.size()) &&
         idChecks_.at(static_cast<std::size_t>(id - 1));
}

bool SetBaseUnitModel::uploadEnabled() const {
  // A channel the list cannot show is not uploaded: the operator picks one first.
  return uploadEnabled_ && channelSelection().has_value();
}

BaseSettings SetBaseUnitModel::uploadValues() const {
  BaseSettings values = record_;
  values.associatedIds = idMask();
  values.hopping = hoppingCheck_;
  for (const RadioGroup group : kGroups) {
    groupField(values, group) = radioSelection(group);
  }
  return values;
}

std::uint16_t SetBaseUnitModel::idMask() const {
  std::uint16_t mask = 0;
  for (std::size_t i = 0; i < idChecks_.size(); ++i) {
    if (idChecks_.at(i)) {
      mask = static_cast<std::uint16_t>(mask | (1U << i));
    }
  }
  return mask;
}

void SetBaseUnitModel::refresh() {
  // The record is normalised: its nation has an entry and its power a position.
  channelEntries_ = channelCount(record_.nation, record_.hopping);
  nationIndex_ = record_.nation;
  nationSelection_ = nationIndex_;
  hoppingCheck_ = record_.hopping;
  powerIndex_ = static_cast<int>(powerIndex(record_.powerDbm).value_or(0));
  channelIndex_ = record_.channel - 1;
  for (const RadioGroup group : kGroups) {
    const std::uint8_t code = groupField(record_, group);
    if (isButtonCode(group, code)) {
      groupCodes_.at(static_cast<std::size_t>(group)) = code;
    }
  }
  summary_ = buildSettingsSummary(record_);
  for (std::size_t i = 0; i < idChecks_.size(); ++i) {
    idChecks_.at(i) = (record_.associatedIds & (1U << i)) != 0;
  }
  view_.changed();
}

void SetBaseUnitModel::setUploadEnabled(bool enabled) {
  uploadEnabled_ = enabled;
  view_.changed();
}

}  // namespace orbelle
