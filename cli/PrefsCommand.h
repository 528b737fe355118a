#pragma once

#include <functional>

namespace CLI {
class App;
}

namespace orbelle::cli {

struct GlobalOptions;

// "vkr prefs show" and "vkr prefs set ...". The chosen command is left in `run`.
void addPrefsCommands(CLI::App& app, const GlobalOptions& options, std::function<int()>& run);

}  // namespace orbelle::cli
