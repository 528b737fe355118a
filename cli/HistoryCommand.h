#pragma once

#include <functional>

namespace CLI {
class App;
}

namespace orbelle::cli {

struct GlobalOptions;

// "vkr history [--limit N]": the upgrades both programs recorded, newest first.
void addHistoryCommand(CLI::App& app, const GlobalOptions& options, std::function<int()>& run);

}  // namespace orbelle::cli
