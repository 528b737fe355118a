#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orbelle {

// UTF-16LE file text to UTF-8 and back, without loss: an unpaired surrogate, which UTF-16
// files may hold, becomes its own three-byte sequence (as WTF-8 does) and goes back as the
// same unit. None when `bytes` is not whole 16-bit units.
std::optional<std::string> utf16LeToUtf8(std::string_view bytes);
std::string utf8ToUtf16Le(std::string_view text);

// Whether `text` is UTF-8 proper: no invalid sequence and no surrogate.
bool isUtf8(std::string_view text);

}  // namespace orbelle
