#pragma once

#include <string>

#include "protocol/FramePayload.h"
#include "protocol/ReportFrame.h"
#include "settings/BaseSettings.h"

namespace orbelle {

// Writes bytes 2..13 of an UploadSettings frame; bytes 14..36 are left as they were.
// The nation byte is 0xFF unless the nation list is enabled.
void encodeUploadSettings(ReportFrame& txFrame, const BaseSettings& settings,
                          bool nationListEnabled);
// The same as the payload the channel sends: bytes 2..13, and no more.
FramePayload uploadSettingsPayload(const BaseSettings& settings, bool nationListEnabled);

// Writes bytes 2..21 of a CurrentSettings reply, as a base unit answers a read.
void encodeCurrentSettings(ReportFrame& frame, const BaseSettings& settings);

// A base unit that was never set answers with bytes 2..7 all 0xFF, whatever the code.
bool isUnsetReply(const ReportFrame& frame);

BaseSettings decodeCurrentSettings(const ReportFrame& frame);

// The upload echo carries no versions: they come from the previous record.
BaseSettings decodeSettingsUploaded(const ReportFrame& frame, const BaseSettings& previous);

// The nation byte of a settings reply, whichever its kind (an unset unit's included).
std::uint8_t nationOf(const ReportFrame& frame);

VersionChars bootloaderVersionOf(const ReportFrame& frame);
VersionChars applicationVersionOf(const ReportFrame& frame);

// "1.0.3", or "1.0.3b" when the fourth character is not zero.
std::string versionText(const VersionChars& version);

// Defaults for a later upload: no baud rate given, the nation as last reported, the
// versions as they were.
BaseSettings defaultSettings(const BaseSettings& previous, std::uint8_t lastReportedNation);

// What the window shows: an unknown nation becomes Europe, an unknown power 10 dBm.
BaseSettings normalised(BaseSettings settings);

}  // namespace orbelle
