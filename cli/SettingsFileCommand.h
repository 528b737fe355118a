#pragma once

#include <functional>

namespace CLI {
class App;
}

namespace orbelle::cli {

struct GlobalOptions;

// "vkr settings save FILE" and "vkr settings apply FILE [--dry-run]", under `settings`.
void addSettingsFileCommands(CLI::App& settings, const GlobalOptions& options,
                             std::function<int()>& run);

}  // namespace orbelle::cli
