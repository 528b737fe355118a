#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orbelle {

// For --help or --version among orbelle's arguments, the text it prints instead of starting:
// asked before any window or display is touched, so that it works without one.
std::optional<std::string> helpOrVersionText(const std::vector<std::string>& arguments);

}  // namespace orbelle
