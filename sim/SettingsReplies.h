#pragma once

#include "protocol/ReportFrame.h"
#include "settings/BaseSettings.h"

namespace orbelle::sim {

// Payload of a CurrentSettings reply: the record, the versions fourth character first and
// the serial codes after them. An unset unit sends 0xFF where the settings would be (erased
// memory) but still reports its versions.
void encodeCurrentSettings(ReportFrame& reply, const BaseSettings& settings, bool unset);

// The record after an UploadSettings frame: every setting from the frame, the nation only
// when one is given, the versions untouched.
BaseSettings applyUpload(const ReportFrame& upload, const BaseSettings& current);

// Payload of a SettingsUploaded reply: the upload layout filled from what the unit now
// holds, so the nation byte names the nation kept rather than echoing "no nation".
void encodeSettingsUploaded(ReportFrame& reply, const BaseSettings& applied);

}  // namespace orbelle::sim
