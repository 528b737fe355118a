#pragma once

#include <optional>
#include <string>

namespace CLI {
class App;
}

namespace orbelle::cli {

// After CLI11 has found that a command was left without one of its own commands ("vkr
// settings", "vkr settings reed"): what the person is told instead of CLI11's "A subcommand is
// required", naming the word that is no command and the nearest one, or listing them all.
// None when `app` was parsed as far as a command that needs nothing more.
std::optional<std::string> describeCommandMistake(const CLI::App& app);

// The edit distance between two words: insertions, deletions and substitutions.
std::size_t editDistance(const std::string& from, const std::string& to);

}  // namespace orbelle::cli
