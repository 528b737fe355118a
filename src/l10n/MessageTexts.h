#pragma once

#include <QString>
#include <string_view>

#include "l10n/TextCatalogue.h"

namespace orbelle::l10n {

// What the windows and vkr tell the operator as the core, the links and the windows' own
// message boxes make it in English: titles, messages, their causes and remedies, the settings
// summary and the figures of a transfer. Context "Message".
const TextTable& messageTexts();

// A message as the operator reads it: in the program's language when it has the text.
QString operatorText(std::string_view english);

}  // namespace orbelle::l10n
