#include "settings/SetBaseUnitModel.h"

#include "protocol/LineSettings.h"
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

const char* messageText(SetBaseUnitMessage message) {
  if (const auto exchange = exchangeMessage(message)) {
    return settingsMessageText(*exchange);
  }
  return kChannelResetText;
}

const char* messageTitle(SetBaseUnitMessage message) {
  if (const auto exchange = exchangeMessage(message)) {
    return settingsMessageTitle(*exchange);
  }
  return kChannelResetTitle;
}

MessageIcon messageIcon(SetBaseUnitMessage message) {
  return message == SetBaseUnitMessage::NoReply ? MessageIcon::Error : MessageIcon::Information;
}

std::optional<SettingsMessage> exchangeMessage(SetBaseUnitMessage message) {
  switch (message) {
    case SetBaseUnitMessage::UnsetUnit:
      return SettingsMessage::UnsetUnit;
    case SetBaseUnitMessage::CurrentLoaded:
      return SettingsMessage::CurrentLoaded;
    case SetBaseUnitMessage::UploadConfirmed:
      return SettingsMessage::UploadConfirmed;
    case SetBaseUnitMessage::NoReply:
      return SettingsMessage::NoReply;
    case SetBaseUnitMessage::ChannelReset:
      break;
  }
  return std::nullopt;
}

SetBaseUnitModel::SetBaseUnitModel(SetBaseUnitHost& host) : host_(host), exchange_(*this) {}

void SetBaseUnitModel::open() {
  channelEntries_ = kInitialChannelEntries;
  nationSelection_.reset();
  uploadEnabled_ = false;
  host_.setSerialLineSettings(kStartFrameLineSettings);
  groupCodes_ = kOpeningCodes;
  host_.changed();
  exchange_.requestCurrentSettings();
}

void SetBaseUnitModel::repaint() {
  BaseSettings& record = exchange_.record();
  record.powerDbm = kPowerLevelList.at(static_cast<std::size_t>(powerIndex_));
  if (const auto channel = channelSelection()) {
    record.channel = static_cast<std::uint8_t>(*channel + 1);
  }
  nationSelection_ = nationIndex_;
  hoppingCheck_ = record.hopping;
  host_.changed();
}

void SetBaseUnitModel::clickDisplayCurrentSettings() { exchange_.requestCurrentSettings(); }

void SetBaseUnitModel::clickReturnDefaultSettings() { exchange_.returnDefaultSettings(rxFrame_); }

void SetBaseUnitModel::clickUpload() {
  if (!uploadEnabled()) {
    return;
  }
  exchange_.uploadSettings(uploadValues());
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
  if (position >= 0 && position < static_cast<int>(kPowerLevelList.size())) {
    powerIndex_ = position;
    exchange_.record().powerDbm = kPowerLevelList.at(static_cast<std::size_t>(position));
  }
  setUploadEnabled(true);
}

void SetBaseUnitModel::closeChannelList(int position) {
  selectChannel(position);
  setUploadEnabled(true);
}

void SetBaseUnitModel::selectChannel(int position) {
  if (position >= 0 && position < channelEntries_) {
    channelIndex_ = position;
    exchange_.record().channel = static_cast<std::uint8_t>(position + 1);
  }
}

void SetBaseUnitModel::toggleHopping(bool checked) {
  uploadEnabled_ = true;
  if (nationSelection_) {
    nationIndex_ = *nationSelection_;
  }
  const std::uint8_t nation = nationFromEntry(nationSelection_);
  BaseSettings& record = exchange_.record();
  hoppingCheck_ = checked;
  record.hopping = checked;
  // The list is rebuilt to exactly 1..N rather than trimmed or extended, so that a list still
  // holding its opening entries ends up as the nation's list too.
  channelEntries_ = channelCount(nation, checked);
  const bool outOfRange = checked && record.channel > channelEntries_;
  if (outOfRange) {
    selectChannel(kResetChannelPosition);
  }
  host_.changed();
  if (outOfRange) {
    host_.showMessage(SetBaseUnitMessage::ChannelReset);
  }
}

void SetBaseUnitModel::frameReceived(const ReportFrame& rxFrame) {
  rxFrame_ = rxFrame;
  exchange_.onFrameReceived(rxFrame_);
}

void SetBaseUnitModel::replyTimerFired() { exchange_.onReplyTimer(); }

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
  BaseSettings values = exchange_.record();
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

void SetBaseUnitModel::refresh(bool /*withVersions*/) {
  // The exchange has already put the version texts in place when they are to change.
  BaseSettings& record = exchange_.record();
  channelEntries_ = channelCount(record.nation, record.hopping);
  if (record.nation >= kNationListEntries.size()) {
    record.nation = static_cast<std::uint8_t>(Nation::Europe);
  }
  nationIndex_ = record.nation;
  nationSelection_ = nationIndex_;
  hoppingCheck_ = record.hopping;
  if (const auto index = powerIndex(record.powerDbm)) {
    powerIndex_ = static_cast<int>(*index);
  } else {
    powerIndex_ = 0;
    record.powerDbm = kPowerLevelList.front();
  }
  channelIndex_ = record.channel - 1;
  for (const RadioGroup group : kGroups) {
    const std::uint8_t code = groupField(record, group);
    if (isButtonCode(group, code)) {
      groupCodes_.at(static_cast<std::size_t>(group)) = code;
    }
  }
  summary_ = buildSettingsSummary(record);
  for (std::size_t i = 0; i < idChecks_.size(); ++i) {
    idChecks_.at(i) = (record.associatedIds & (1U << i)) != 0;
  }
  host_.changed();
}

void SetBaseUnitModel::setUploadEnabled(bool enabled) {
  uploadEnabled_ = enabled;
  host_.changed();
}

void SetBaseUnitModel::showMessage(SettingsMessage message) {
  switch (message) {
    case SettingsMessage::UnsetUnit:
      host_.showMessage(SetBaseUnitMessage::UnsetUnit);
      return;
    case SettingsMessage::CurrentLoaded:
      host_.showMessage(SetBaseUnitMessage::CurrentLoaded);
      return;
    case SettingsMessage::UploadConfirmed:
      host_.showMessage(SetBaseUnitMessage::UploadConfirmed);
      return;
    case SettingsMessage::NoReply:
      host_.showMessage(SetBaseUnitMessage::NoReply);
      return;
  }
}

}  // namespace orbelle
