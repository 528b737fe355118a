#include "SettingsReplies.h"

#include "settings/SettingsCodec.h"
#include "settings/SettingsTables.h"

namespace orbelle::sim {

namespace {

// Where an unset unit's erased memory shows: the radio settings and the serial codes.
constexpr std::size_t kRadioFirst = 2;
constexpr std::size_t kRadioLast = 8;
constexpr std::size_t kSerialCodesFirst = 17;
constexpr std::size_t kSerialCodesLast = 21;
constexpr std::size_t kUploadNation = 7;

}  // namespace

void encodeCurrentSettings(ReportFrame& reply, const BaseSettings& s, bool unset) {
  orbelle::encodeCurrentSettings(reply, s);
  if (!unset) {
    return;
  }
  for (std::size_t i = kRadioFirst; i <= kRadioLast; ++i) {
    reply[i] = 0xFF;
  }
  for (std::size_t i = kSerialCodesFirst; i <= kSerialCodesLast; ++i) {
    reply[i] = 0xFF;
  }
}

BaseSettings applyUpload(const ReportFrame& upload, const BaseSettings& current) {
  BaseSettings applied = decodeSettingsUploaded(upload, current);
  if (upload[kUploadNation] == kNoNation) {
    applied.nation = current.nation;
  }
  return applied;
}

void encodeSettingsUploaded(ReportFrame& reply, const BaseSettings& applied) {
  encodeUploadSettings(reply, applied, /*nationListEnabled=*/true);
}

}  // namespace orbelle::sim
