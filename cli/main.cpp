#include <QCoreApplication>
#include <functional>
#include <iostream>

#include <CLI/CLI.hpp>

#include "CliError.h"
#include "GlobalOptions.h"
#include "Output.h"
#include "PrefsCommand.h"
#include "SettingsCommand.h"
#include "UpgradeCommand.h"
#include "protocol/LinkError.h"

using namespace orbelle::cli;

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  CLI::App app{
      "vkr - read and change the settings of a cordless barcode base unit, and "
      "upgrade its firmware or that of a handheld unit"};
  app.set_version_flag("--version", std::string("vkr ") + ORBELLE_VERSION);
  app.fallthrough();
  app.require_subcommand(1);

  GlobalOptions options;
  addGlobalOptions(app, options);

  std::function<int()> run;
  addPrefsCommands(app, options, run);
  addSettingsCommands(app, options, run);
  addUpgradeCommands(app, options, run);
  addDevicesCommand(app, options, run);

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& help) {
    return app.exit(help);
  } catch (const CLI::CallForAllHelp& help) {
    return app.exit(help);
  } catch (const CLI::Success& done) {
    return app.exit(done);
  } catch (const CLI::ParseError& error) {
    Output(options.json).error(kBadUsage, error.what());
    if (!options.json) {
      std::cerr << "Run with --help for more information.\n";
    }
    return kBadUsage;
  }

  const Output out(options.json);
  try {
    return run ? run() : static_cast<int>(kBadUsage);
  } catch (const CliError& error) {
    out.error(error.code(), error.what());
    return error.code();
  } catch (const orbelle::LinkError& error) {
    out.error(kLinkUnusable, error.what());
    return kLinkUnusable;
  } catch (const std::exception& error) {
    out.error(kFailed, error.what());
    return kFailed;
  }
}
