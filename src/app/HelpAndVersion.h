#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orbelle {

// For --help or --version among orbelle's arguments, the text it prints instead of starting:
// asked before any window or display is touched, so that it works without one.
std::optional<std::string> helpOrVersionText(const std::vector<std::string>& arguments);

// For arguments orbelle does not take, what it prints on standard error before it ends with 2:
// which one, then the usage. It takes --plain and the one word "handheld", exactly so written;
// anything else would start the main window as if nothing had been asked.
std::optional<std::string> argumentRefusal(const std::vector<std::string>& arguments);

}  // namespace orbelle
