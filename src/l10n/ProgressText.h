#pragma once

#include <QString>

#include "upgrade/TransferFigures.h"

namespace orbelle::l10n {

// A transfer's figures as the operator reads them, in the program's language:
// "26.9 KiB of 64.0 KiB, 4.4 KiB/s, 0:08 left" in English, byte for byte ProgressFigures::text().
QString progressText(const ProgressFigures& figures);

}  // namespace orbelle::l10n
