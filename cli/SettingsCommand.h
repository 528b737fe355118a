#pragma once

#include <functional>

namespace CLI {
class App;
}

namespace orbelle::cli {

struct GlobalOptions;

// "vkr settings read|set|defaults" and "vkr devices".
void addSettingsCommands(CLI::App& app, const GlobalOptions& options, std::function<int()>& run);
void addDevicesCommand(CLI::App& app, const GlobalOptions& options, std::function<int()>& run);

}  // namespace orbelle::cli
