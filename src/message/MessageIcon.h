#pragma once

namespace orbelle {

// The icon of an operator message: the error icon marks failures, the information icon
// results. Shared by every area, so that one presenter shows them all.
enum class MessageIcon { Information, Error };

}  // namespace orbelle
