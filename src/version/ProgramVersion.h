#pragma once

namespace orbelle {

// The version every program shows (--version, the About box): the project's version, with the
// git commit when built from a checkout, for example "1.2.6 (git b13721b)".
const char* programVersion();

}  // namespace orbelle
