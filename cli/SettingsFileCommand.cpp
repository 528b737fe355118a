#include "SettingsFileCommand.h"

#include <QSaveFile>
#include <array>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <system_error>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include "CliError.h"
#include "GlobalOptions.h"
#include "Output.h"
#include "SettingsJob.h"
#include "UnitsRun.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsJson.h"
#include "settings/SettingsMessages.h"

namespace orbelle::cli {

namespace {

// A settings file is a page of JSON; anything much larger is not one.
constexpr std::size_t kLargestSettingsFile = std::size_t{1} << 20;

struct FileArguments {
  std::string file;
  bool dryRun = false;
};

bool isStandardStream(const std::string& file) { return file == "-"; }

// The text of a settings file, or of standard input for "-".
std::string readSettingsText(const std::string& file) {
  const auto cannotRead = [&file](int error) {
    return CliError(kBadUsage, "the settings file " + file + " cannot be read (" +
                                   std::generic_category().message(error) + ")");
  };
  std::ifstream opened;
  std::istream* in = &std::cin;
  if (!isStandardStream(file)) {
    std::error_code error;
    if (std::filesystem::is_directory(file, error)) {
      throw cannotRead(EISDIR);
    }
    opened.open(file, std::ios::binary);
    if (!opened) {
      throw cannotRead(errno);
    }
    in = &opened;
  }
  std::string text;
  std::array<char, 65536> chunk{};
  while (text.size() <= kLargestSettingsFile) {
    in->read(chunk.data(), chunk.size());
    if (in->gcount() <= 0) {
      break;
    }
    text.append(chunk.data(), static_cast<std::size_t>(in->gcount()));
  }
  if (in->bad()) {
    throw cannotRead(EIO);
  }
  if (text.size() > kLargestSettingsFile) {
    throw CliError(kBadUsage,
                   "the settings file " + file + " cannot be used: it is larger than 1 MiB");
  }
  return text;
}

// What the file asks of each unit; every refusal names the key and exits 2 before any link is
// opened.
SettingsChange readSettingsFile(const std::string& file) {
  const std::string text = readSettingsText(file);
  const auto refuse = [&file](const std::string& why, nlohmann::json details = nullptr) {
    return CliError(kBadUsage, "the settings file " + file + " cannot be used: " + why,
                    std::move(details));
  };
  nlohmann::json json;
  try {
    json = nlohmann::json::parse(text);
  } catch (const nlohmann::json::parse_error& error) {
    throw refuse(std::string("it is not JSON (") + error.what() + ")");
  }
  try {
    return parseSettingsFile(json);
  } catch (const SettingsFileError& error) {
    throw refuse(error.what(), {{"key", error.key()}});
  }
}

// What an application found and did.
void reportApplication(const Output& out, const SettingsRecord& record, bool dryRun) {
  if (record.startedFromDefaults) {
    out.note("The base unit has never been set: starting from the default settings.");
  }
  nlohmann::json differences = nlohmann::json::array();
  std::string text;
  for (const SettingsDifference& difference : record.differences) {
    differences.push_back(
        {{"field", difference.key}, {"from", difference.from}, {"to", difference.to}});
    text += differenceText(difference) + "\n";
  }
  if (dryRun) {
    text += "dry run: nothing was uploaded\n";
  } else if (!record.uploaded) {
    text += "nothing to change\n";
  } else {
    out.note(settingsMessageText(SettingsMessage::UploadConfirmed));
    text += "the settings read back are those of the file\n";
  }
  out.result({{"differences", differences},
              {"uploaded", record.uploaded},
              {"dry_run", dryRun},
              {"started_from_defaults", record.startedFromDefaults},
              {"settings", settingsResult(record.settings, record)}},
             text);
}

int applyCommand(const GlobalOptions& options, const FileArguments& arguments) {
  const SettingsChange change = readSettingsFile(arguments.file);
  const bool dryRun = arguments.dryRun;
  return runOnUnits(options, [&options, &change, dryRun](const CliSession::Unit* unit) {
    return std::make_unique<SettingsJob>(
        options, unit,
        [&change, dryRun](SettingsExchange& exchange) { exchange.apply(change, dryRun); },
        [dryRun](const Output& out, const SettingsRecord& record) {
          reportApplication(out, record, dryRun);
        },
        UploadNotes{.adjustments = false});
  });
}

int saveCommand(const GlobalOptions& options, const std::string& file) {
  if (options.allUnits || options.units.size() > 1) {
    throw CliError(kBadUsage, "settings save reads one unit: name it with --unit");
  }
  // Written whole or not at all: a file that is there is one that was read.
  std::unique_ptr<QSaveFile> saving;
  if (!isStandardStream(file)) {
    saving = std::make_unique<QSaveFile>(QString::fromStdString(file));
    if (!saving->open(QIODevice::WriteOnly)) {
      throw CliError(kFailed,
                     "cannot write " + file + " (" + saving->errorString().toStdString() + ")");
    }
  }
  return runOnUnits(options, [&](const CliSession::Unit* unit) {
    return std::make_unique<SettingsJob>(
        options, unit, [](SettingsExchange& exchange) { exchange.read(); },
        [&](const Output& out, const SettingsRecord& record) {
          const nlohmann::ordered_json contents =
              settingsFileJson(settingsResult(record.settings, record));
          // One object a line with --json; indented for a person otherwise.
          const std::string text = contents.dump(options.json ? -1 : 2, ' ', false,
                                                 nlohmann::json::error_handler_t::replace) +
                                   "\n";
          if (!saving) {
            std::cout << text << std::flush;
            return;
          }
          saving->write(text.data(), static_cast<qint64>(text.size()));
          if (!saving->commit()) {
            throw CliError(
                kFailed, "cannot write " + file + " (" + saving->errorString().toStdString() + ")");
          }
          out.result({{"saved", file}}, "saved the base unit's settings in " + file + "\n");
        });
  });
}

}  // namespace

void addSettingsFileCommands(CLI::App& settings, const GlobalOptions& options,
                             std::function<int()>& run) {
  auto save = std::make_shared<FileArguments>();
  CLI::App* saveCommandApp = settings.add_subcommand(
      "save", "Read the base unit's settings and write them to a settings file");
  saveCommandApp
      ->add_option("FILE", save->file, "The settings file to write, - for standard output")
      ->required();
  saveCommandApp->callback([&options, &run, save] {
    run = [&options, save] { return saveCommand(options, save->file); };
  });

  auto apply = std::make_shared<FileArguments>();
  CLI::App* applyCommandApp = settings.add_subcommand(
      "apply",
      "Put the settings of a settings file on the base unit: print what differs, upload "
      "only then, and read them back");
  applyCommandApp
      ->add_option("FILE", apply->file, "The settings file to read, - for standard input")
      ->required();
  applyCommandApp->add_flag("--dry-run", apply->dryRun, "Print what differs and upload nothing");
  applyCommandApp->callback([&options, &run, apply] {
    run = [&options, apply] { return applyCommand(options, *apply); };
  });
}

}  // namespace orbelle::cli
