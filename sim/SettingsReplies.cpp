#include "SettingsReplies.h"

#include "protocol/ByteOrder.h"
#include "settings/SettingsCodec.h"
#include "settings/SettingsTables.h"

namespace orbelle::sim {

namespace {

// CurrentSettings positions; the upload layout is SettingsCodec's.
namespace pos {
constexpr std::size_t kPower = 2;
constexpr std::size_t kChannel = 3;
constexpr std::size_t kIds = 4;
constexpr std::size_t kBaud = 6;
constexpr std::size_t kNation = 7;
constexpr std::size_t kHopping = 8;
constexpr std::size_t kBootloaderFourth = 9;
constexpr std::size_t kApplicationFourth = 13;
constexpr std::size_t kSerialCodes = 17;  // data, stop, parity, flow, numeric key
constexpr std::size_t kSerialCodeCount = 5;
constexpr std::size_t kUploadNation = 7;
}  // namespace pos

void writeVersion(ReportFrame& reply, std::size_t fourthPos, const VersionChars& version) {
  for (std::size_t i = 0; i < version.size(); ++i) {
    reply.at(fourthPos + 3 - i) = static_cast<std::uint8_t>(version[i]);
  }
}

}  // namespace

void encodeCurrentSettings(ReportFrame& reply, const BaseSettings& s, bool unset) {
  writeVersion(reply, pos::kBootloaderFourth, s.bootloaderVersion);
  writeVersion(reply, pos::kApplicationFourth, s.applicationVersion);
  if (unset) {
    for (std::size_t i = pos::kPower; i <= pos::kHopping; ++i) {
      reply[i] = 0xFF;
    }
    for (std::size_t i = 0; i < pos::kSerialCodeCount; ++i) {
      reply[pos::kSerialCodes + i] = 0xFF;
    }
    return;
  }
  reply[pos::kPower] = static_cast<std::uint8_t>(s.powerDbm);
  reply[pos::kChannel] = s.channel;
  writeLe16(reply, pos::kIds, s.associatedIds);
  reply[pos::kBaud] = s.baudCode;
  reply[pos::kNation] = s.nation;
  reply[pos::kHopping] = s.hopping ? 1 : 0;
  const std::array<std::uint8_t, pos::kSerialCodeCount> codes{
      s.dataBitsCode, s.stopBitsCode, s.parityCode, s.flowControlCode, s.numericKeyMode};
  for (std::size_t i = 0; i < codes.size(); ++i) {
    reply[pos::kSerialCodes + i] = codes[i];
  }
}

BaseSettings applyUpload(const ReportFrame& upload, const BaseSettings& current) {
  BaseSettings applied = decodeSettingsUploaded(upload, current);
  if (upload[pos::kUploadNation] == kNoNation) {
    applied.nation = current.nation;
  }
  return applied;
}

void encodeSettingsUploaded(ReportFrame& reply, const BaseSettings& applied) {
  encodeUploadSettings(reply, applied, /*nationListEnabled=*/true);
}

}  // namespace orbelle::sim
