#include "CommandMistake.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include <CLI/CLI.hpp>

namespace orbelle::cli {

namespace {

// The command the arguments reached: the last one parsed, the program itself if none.
const CLI::App& deepestCommand(const CLI::App& app) {
  for (const CLI::App* command : app.get_subcommands({})) {
    if (command->parsed()) {
      return deepestCommand(*command);
    }
  }
  return app;
}

std::string commandLine(const CLI::App& command) {
  const CLI::App* parent = command.get_parent();
  return parent == nullptr ? "vkr" : commandLine(*parent) + " " + command.get_name();
}

// The word the person typed where a command was wanted: the first argument left over, unless
// that was an option.
std::optional<std::string> strayWord(const CLI::App& app) {
  const std::vector<std::string> left = app.remaining(true);
  if (left.empty() || left.front().empty() || left.front().front() == '-') {
    return std::nullopt;
  }
  return left.front();
}

// The command `word` was most likely meant to be: one it begins, or one a slip or two away.
std::optional<std::string> nearest(const std::string& word, const std::vector<std::string>& names) {
  std::optional<std::string> best;
  std::size_t bestDistance = std::max<std::size_t>(2, word.size() / 3) + 1;
  for (const std::string& name : names) {
    const std::size_t distance = name.rfind(word, 0) == 0 ? 0 : editDistance(word, name);
    if (distance < bestDistance) {
      best = name;
      bestDistance = distance;
    }
  }
  return best;
}

std::string listed(const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    text += (i == 0 ? "" : i + 1 == names.size() ? " or " : ", ") + names[i];
  }
  return text;
}

}  // namespace

std::size_t editDistance(const std::string& from, const std::string& to) {
  std::vector<std::size_t> row(to.size() + 1);
  std::iota(row.begin(), row.end(), 0);
  for (std::size_t i = 1; i <= from.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= to.size(); ++j) {
      const std::size_t above = row[j];
      row[j] =
          std::min({row[j] + 1, row[j - 1] + 1, diagonal + (from[i - 1] == to[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[to.size()];
}

std::optional<std::string> describeCommandMistake(const CLI::App& app) {
  const CLI::App& reached = deepestCommand(app);
  std::vector<std::string> names;
  for (const CLI::App* command : reached.get_subcommands({})) {
    names.push_back(command->get_name());
  }
  if (names.empty()) {
    return std::nullopt;
  }
  const std::string line = "\"" + commandLine(reached) + "\"";
  const std::optional<std::string> word = strayWord(app);
  if (!word) {
    return line + " needs one of its commands: " + listed(names);
  }
  std::string text = "\"" + *word + "\" is not a command of " + line;
  if (const auto meant = nearest(*word, names)) {
    text += "; did you mean \"" + *meant + "\"?";
  }
  return text + "\nIts commands: " + listed(names);
}

}  // namespace orbelle::cli
