#pragma once

#include <functional>

namespace CLI {
class App;
}

namespace orbelle::cli {

struct GlobalOptions;

// "vkr upgrade base FILE" and "vkr upgrade handheld FILE".
void addUpgradeCommands(CLI::App& app, const GlobalOptions& options, std::function<int()>& run);

}  // namespace orbelle::cli
