#include "HistoryCommand.h"

#include <iostream>
#include <memory>

#include <CLI/CLI.hpp>

#include "CliError.h"
#include "DecimalNumbers.h"
#include "GlobalOptions.h"
#include "HumanText.h"
#include "Output.h"
#include "TextColumns.h"
#include "upgrade/UpgradeHistory.h"
#include "upgrade/UpgradeRecord.h"

namespace orbelle::cli {

namespace {

struct HistoryArguments {
  std::optional<long long> limit;
};

// The versions column: "2.1.0 -> 2.1.1", a "?" for a side that was not read.
std::string versionsCell(const UpgradeRecord& record) {
  if (!record.versionsChecked) {
    return "";
  }
  const auto application = [](const std::optional<UnitVersions>& versions) {
    return versions ? versions->application : std::string("?");
  };
  return application(record.versionsBefore) + " -> " + application(record.versionsAfter);
}

std::vector<std::string> row(const UpgradeRecord& record) {
  const std::string image = std::filesystem::path(record.imagePath).filename().string();
  // Enough of the checksum to tell images apart at a glance; JSON has all of it.
  const std::string sha = record.imageSha256 ? record.imageSha256->substr(0, 12) : "-";
  return {record.time,
          record.program,
          record.unit,
          record.serialNumber.empty() ? record.device : record.serialNumber,
          record.outcome,
          image,
          sha,
          versionsCell(record)};
}

int historyCommand(const GlobalOptions& options, const HistoryArguments& arguments) {
  const std::filesystem::path file = upgradeHistoryPath();
  UpgradeHistory history;
  try {
    history = readUpgradeHistory(file);
  } catch (const std::runtime_error& error) {
    throw CliError(kFailed, error.what());
  }
  const Output out(options.json);
  for (const std::string& warning : history.warnings) {
    // Said on standard error with --json too: standard output holds the records alone.
    std::cerr << "vkr: "
              << (options.json ? "warning: " + warning : humanText("warning: " + warning)) << '\n';
  }
  const std::size_t count = arguments.limit
                                ? std::min<std::size_t>(static_cast<std::size_t>(*arguments.limit),
                                                        history.entries.size())
                                : history.entries.size();
  if (options.json) {
    for (std::size_t i = 0; i < count; ++i) {
      std::cout << history.entries[history.entries.size() - 1 - i].json.dump(
                       -1, ' ', false, nlohmann::json::error_handler_t::replace)
                << '\n';
    }
    std::cout << std::flush;
    return kOk;
  }
  if (history.entries.empty()) {
    out.note("no upgrade has been recorded in " + file.string());
    return kOk;
  }
  std::vector<std::vector<std::string>> rows{
      {tableWord("time"), tableWord("program"), tableWord("upgrade"), tableWord("device"),
       tableWord("result"), tableWord("image"), "SHA-256", tableWord("application")}};
  for (std::size_t i = 0; i < count; ++i) {
    rows.push_back(row(history.entries[history.entries.size() - 1 - i].record));
  }
  std::cout << tableText(rows) << std::flush;
  return kOk;
}

}  // namespace

void addHistoryCommand(CLI::App& app, const GlobalOptions& options, std::function<int()>& run) {
  auto arguments = std::make_shared<HistoryArguments>();
  CLI::App* history = app.add_subcommand(
      "history",
      "Show the upgrades that vkr and orbelle recorded, newest first (with --json: "
      "one record a line)");
  history->add_option("--limit", arguments->limit, "Show the newest N only (default: all)")
      ->type_name("N")
      ->transform(decimalInteger())
      ->check(CLI::PositiveNumber);
  history->callback([&options, &run, arguments] {
    run = [&options, arguments] { return historyCommand(options, *arguments); };
  });
}

}  // namespace orbelle::cli
