#include <QCoreApplication>
#include <clocale>
#include <functional>
#include <iostream>

#include <CLI/CLI.hpp>

#include "CliError.h"
#include "CommandMistake.h"
#include "GlobalOptions.h"
#include "HistoryCommand.h"
#include "Output.h"
#include "PrefsCommand.h"
#include "SettingsCommand.h"
#include "UpgradeCommand.h"
#include "l10n/Translations.h"
#include "protocol/LinkError.h"
#include "version/ProgramVersion.h"

using namespace orbelle::cli;

namespace {

constexpr const char* kExitCodesHelp =
    "Exit codes:\n"
    "  0  success\n"
    "  1  the operation failed\n"
    "  2  bad option or value: nothing was uploaded or written (a channel that only the base\n"
    "     unit's nation and hopping rule out is refused after its settings were read)\n"
    "  3  the link is not usable\n"
    "  4  no reply within the time-out (--timeout, default 3 s)\n"
    "  5  the base unit has never been set (settings read)\n"
    "  6  the image file cannot be used\n"
    "  130, 143  interrupted by SIGINT (Ctrl-C) or SIGTERM: the run stopped sending, let go of\n"
    "     the unit and said how far it had come";

// Sub-command help shows the global options too: they may be given after the command.
void addGlobalOptionsFooter(CLI::App& app, const std::string& footer) {
  for (CLI::App* command : app.get_subcommands({})) {
    command->footer(footer);
    addGlobalOptionsFooter(*command, footer);
  }
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  // QCoreApplication takes the environment's locale, and CLI11 reads fractions with strtold:
  // --timeout 0.5 must not want a decimal comma.
  std::setlocale(LC_NUMERIC, "C");
  // What vkr tells a person is in the desktop's language; its help stays English.
  const orbelle::l10n::Translations language(orbelle::l10n::Translations::desktopChoice());
  CLI::App app{
      "vkr - read and change the settings of a cordless barcode base unit, and "
      "upgrade its firmware or that of a handheld unit"};
  app.set_version_flag("--version", std::string("vkr ") + orbelle::programVersion());
  app.fallthrough();
  app.require_subcommand(1);

  GlobalOptions options;
  addGlobalOptions(app, options);

  std::function<int()> run;
  addPrefsCommands(app, options, run);
  addSettingsCommands(app, options, run);
  addUpgradeCommands(app, options, run);
  addDevicesCommand(app, options, run);
  addHistoryCommand(app, options, run);
  app.footer(kExitCodesHelp);
  addGlobalOptionsFooter(app, globalOptionsHelp(app));

  // Options are parsed in order: a refused one may come before --json.
  options.json = jsonRequested(argc, argv);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& help) {
    return app.exit(help);
  } catch (const CLI::CallForAllHelp& help) {
    return app.exit(help);
  } catch (const CLI::Success& done) {
    return app.exit(done);
  } catch (const CLI::ParseError& error) {
    // A command left without one of its own is told in words that name what was typed.
    const auto mistake = dynamic_cast<const CLI::RequiredError*>(&error) != nullptr
                             ? describeCommandMistake(app)
                             : std::nullopt;
    Output(options.json).error(kBadUsage, mistake.value_or(error.what()));
    if (!options.json) {
      std::cerr << "Run with --help for more information.\n";
    }
    return kBadUsage;
  }

  const Output out(options.json);
  try {
    checkGlobalOptions(options);
    return run ? run() : static_cast<int>(kBadUsage);
  } catch (const CliError& error) {
    out.error(error.code(), error.what(), error.details());
    return error.code();
  } catch (const orbelle::LinkError& error) {
    out.error(kLinkUnusable, error.what());
    return kLinkUnusable;
  } catch (const std::exception& error) {
    out.error(kFailed, error.what());
    return kFailed;
  }
}
