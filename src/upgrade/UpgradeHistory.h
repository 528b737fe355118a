#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbelle {

// Where both programs keep the record of every upgrade, one JSON line each:
// $XDG_STATE_HOME/orbelle/upgrades.jsonl, or ~/.local/state/orbelle/upgrades.jsonl when that
// is unset or not a full path.
std::filesystem::path upgradeHistoryPath();

// Appends `line` (given without its line feed) to the history in one write(2) with O_APPEND,
// under an exclusive flock(2) on the file, so that programs appending at once neither lose
// nor interleave lines. A last line left without its line feed (its writer was killed in
// mid-line) is ended first, so the new line stays whole. The folder (0700) and the file (0600)
// are made when missing; another holder of the lock is waited for `patience` at most. None
// when the line was written, else why not, in a few words.
std::optional<std::string> appendHistoryLine(
    const std::filesystem::path& file, std::string_view line,
    std::chrono::milliseconds patience = std::chrono::seconds(2));

// The lines of a history's text, oldest first, without their line feeds, and whether the last one
// lacked its line feed: a writer cut short, whose line is not among them.
struct HistoryLines {
  std::vector<std::string> lines;
  bool tornTail = false;
};
HistoryLines splitHistory(std::string_view text);

// The whole text of a history; none when there is no such file. Throws std::runtime_error
// saying why it cannot be read.
std::optional<std::string> readHistoryFile(const std::filesystem::path& file);

}  // namespace orbelle
