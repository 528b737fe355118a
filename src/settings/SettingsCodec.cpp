#include "settings/SettingsCodec.h"

#include "protocol/ByteOrder.h"
#include "settings/SettingsTables.h"

namespace orbelle {

namespace {

// Byte positions of the settings frames. The upload and its echo share bytes 2..13; the
// current-settings reply puts the versions at 9..16 and the serial codes at 17..21.
namespace pos {
constexpr std::size_t kPower = 2;
constexpr std::size_t kChannel = 3;
constexpr std::size_t kIds = 4;  // 16-bit, low byte first
constexpr std::size_t kBaud = 6;
constexpr std::size_t kNation = 7;
constexpr std::size_t kHopping = 8;
constexpr std::size_t kUploadSerialCodes = 9;  // data, stop, parity, flow, numeric key
constexpr std::size_t kCurrentSerialCodes = 17;
constexpr std::size_t kBootloaderVersion = 9;    // fourth character first
constexpr std::size_t kApplicationVersion = 13;  // fourth character first
constexpr std::size_t kUnsetFirst = 2;
constexpr std::size_t kUnsetLast = 7;
}  // namespace pos

void decodeRadio(const ReportFrame& frame, BaseSettings& settings) {
  settings.powerDbm = static_cast<std::int8_t>(frame[pos::kPower]);
  settings.channel = frame[pos::kChannel];
  settings.associatedIds = readLe16(frame, pos::kIds);
  settings.baudCode = frame[pos::kBaud];
  settings.nation = frame[pos::kNation];
  settings.hopping = frame[pos::kHopping] != 0;
}

void decodeSerialCodes(const ReportFrame& frame, std::size_t first, BaseSettings& settings) {
  settings.dataBitsCode = frame.at(first);
  settings.stopBitsCode = frame.at(first + 1);
  settings.parityCode = frame.at(first + 2);
  settings.flowControlCode = frame.at(first + 3);
  settings.numericKeyMode = frame.at(first + 4);
}

// The reply stores the fourth character first; display order is first to fourth.
VersionChars decodeVersion(const ReportFrame& frame, std::size_t fourthCharPos) {
  VersionChars version{};
  for (std::size_t i = 0; i < version.size(); ++i) {
    version[i] = static_cast<char>(frame.at(fourthCharPos + 3 - i));
  }
  return version;
}

void encodeVersion(ReportFrame& frame, std::size_t fourthCharPos, const VersionChars& version) {
  for (std::size_t i = 0; i < version.size(); ++i) {
    frame.at(fourthCharPos + 3 - i) = static_cast<std::uint8_t>(version[i]);
  }
}

void encodeRadio(ReportFrame& frame, const BaseSettings& settings, std::uint8_t nationByte) {
  frame[pos::kPower] = static_cast<std::uint8_t>(settings.powerDbm);
  frame[pos::kChannel] = settings.channel;
  writeLe16(frame, pos::kIds, settings.associatedIds);
  frame[pos::kBaud] = settings.baudCode;
  frame[pos::kNation] = nationByte;
  frame[pos::kHopping] = settings.hopping ? 1 : 0;
}

void encodeSerialCodes(ReportFrame& frame, std::size_t first, const BaseSettings& settings) {
  frame.at(first) = settings.dataBitsCode;
  frame.at(first + 1) = settings.stopBitsCode;
  frame.at(first + 2) = settings.parityCode;
  frame.at(first + 3) = settings.flowControlCode;
  frame.at(first + 4) = settings.numericKeyMode;
}

}  // namespace

void encodeCurrentSettings(ReportFrame& frame, const BaseSettings& settings) {
  encodeRadio(frame, settings, settings.nation);
  encodeVersion(frame, pos::kBootloaderVersion, settings.bootloaderVersion);
  encodeVersion(frame, pos::kApplicationVersion, settings.applicationVersion);
  encodeSerialCodes(frame, pos::kCurrentSerialCodes, settings);
}

void encodeUploadSettings(ReportFrame& txFrame, const BaseSettings& settings,
                          bool nationListEnabled) {
  encodeRadio(txFrame, settings, nationListEnabled ? settings.nation : kNoNation);
  encodeSerialCodes(txFrame, pos::kUploadSerialCodes, settings);
}

FramePayload uploadSettingsPayload(const BaseSettings& settings, bool nationListEnabled) {
  FramePayload payload;
  encodeUploadSettings(payload.bytes, settings, nationListEnabled);
  payload.end = pos::kUploadSerialCodes + 5;
  return payload;
}

bool isUnsetReply(const ReportFrame& frame) {
  for (std::size_t i = pos::kUnsetFirst; i <= pos::kUnsetLast; ++i) {
    if (frame[i] != 0xFF) {
      return false;
    }
  }
  return true;
}

std::uint8_t nationOf(const ReportFrame& frame) { return frame[pos::kNation]; }

VersionChars bootloaderVersionOf(const ReportFrame& frame) {
  return decodeVersion(frame, pos::kBootloaderVersion);
}

VersionChars applicationVersionOf(const ReportFrame& frame) {
  return decodeVersion(frame, pos::kApplicationVersion);
}

BaseSettings decodeCurrentSettings(const ReportFrame& frame) {
  BaseSettings settings;
  decodeRadio(frame, settings);
  decodeSerialCodes(frame, pos::kCurrentSerialCodes, settings);
  settings.bootloaderVersion = bootloaderVersionOf(frame);
  settings.applicationVersion = applicationVersionOf(frame);
  return settings;
}

BaseSettings decodeSettingsUploaded(const ReportFrame& frame, const BaseSettings& previous) {
  BaseSettings settings;
  decodeRadio(frame, settings);
  decodeSerialCodes(frame, pos::kUploadSerialCodes, settings);
  settings.bootloaderVersion = previous.bootloaderVersion;
  settings.applicationVersion = previous.applicationVersion;
  return settings;
}

std::string versionText(const VersionChars& version) {
  std::string text{version[0], '.', version[1], '.', version[2]};
  if (version[3] != '\0') {
    text += version[3];
  }
  return text;
}

BaseSettings defaultSettings(const BaseSettings& previous, std::uint8_t lastReportedNation) {
  BaseSettings settings;
  settings.powerDbm = 10;
  settings.channel = 6;
  settings.associatedIds = 0x0001;
  settings.baudCode = 0;
  settings.nation = lastReportedNation;
  settings.hopping = false;
  settings.dataBitsCode = 2;
  settings.stopBitsCode = 1;
  settings.parityCode = 1;
  settings.flowControlCode = 1;
  settings.numericKeyMode = 1;
  settings.bootloaderVersion = previous.bootloaderVersion;
  settings.applicationVersion = previous.applicationVersion;
  return settings;
}

BaseSettings normalised(BaseSettings settings) {
  if (settings.nation > static_cast<std::uint8_t>(Nation::Turkey)) {
    settings.nation = static_cast<std::uint8_t>(Nation::Europe);
  }
  if (!powerIndex(settings.powerDbm)) {
    settings.powerDbm = kPowerLevelList[0];
  }
  return settings;
}

}  // namespace orbelle
