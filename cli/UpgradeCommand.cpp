#include "UpgradeCommand.h"

#include <filesystem>
#include <iomanip>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include "CliError.h"
#include "CliSession.h"
#include "ExitCode.h"
#include "GlobalOptions.h"
#include "HumanText.h"
#include "Output.h"
#include "ProgressReport.h"
#include "UpgradeAccount.h"
#include "desktop/SleepInhibitor.h"
#include "protocol/LinkError.h"
#include "session/UpgradeOperation.h"
#include "upgrade/FinishNotice.h"
#include "upgrade/UpgradeImage.h"

namespace orbelle::cli {

namespace {

struct UpgradeArguments {
  std::string image;
  double pauseScale = 1.0;
};

struct UnitKind {
  const UpgradeCodeTable& table;
  UpgradeOperation::Unit unit;
  FeatureWindow feature;
  const char* name;
};

const UnitKind kBaseUnit{kBaseUpgradeTable, UpgradeOperation::Unit::Base,
                         FeatureWindow::UpgradeBaseUnit, "base unit"};
const UnitKind kHandheldUnit{kHandheldUpgradeTable, UpgradeOperation::Unit::Handheld,
                             FeatureWindow::UpgradeHandheldUnit, "handheld unit"};

std::string inParentheses(const std::filesystem::path& path, const std::string& detail) {
  std::string text(" (");
  text.append(path.string()).append(detail).append(")");
  return text;
}

// The checks the transfer makes at its start, made before the link is touched, so that a bad
// file costs no device time and the message can say why the file is unusable.
std::uint64_t checkedImageLength(const std::filesystem::path& path, const UpgradeCodeTable& table) {
  const UpgradeImage image = openUpgradeImage(path);
  if (!image.refusal) {
    return image.length;
  }
  std::string detail;
  switch (*image.refusal) {
    case ImageRefusal::CannotOpen:
      detail = ": " + image.why;
      break;
    case ImageRefusal::Empty:
      detail = " is empty";
      break;
    case ImageRefusal::TooLarge:
      break;
  }
  throw CliError(exitCodeFor(UpgradeOutcome::FileRefused),
                 imageRefusalMessage(image, table) + inParentheses(path, detail));
}

// One upgrade from start frame to completion, as its operation reports it: a progress report,
// the advice on a slow adapter, the summary, and the exit status with what went wrong. The
// time-out is per reply, pauses excluded; vkr has no Upgrade button, and its progress follows
// each block, which is finer than a percentage.
class UpgradeRun {
 public:
  UpgradeRun(CliSession& cli, const UnitKind& unit, PauseDurations pauses,
             ProgressReport& progress);
  ~UpgradeRun() { cli_.endWith({}); }
  UpgradeRun(const UpgradeRun&) = delete;
  UpgradeRun& operator=(const UpgradeRun&) = delete;

  // Returns once a completion has been reached; throws CliError otherwise.
  void run(const std::filesystem::path& image);

  const UpgradeOperation& operation() const { return operation_; }

 private:
  void connectOperation();
  void ended(const UpgradeEnd& end);
  void throwUnlessCompleted(const std::filesystem::path& image) const;
  CliError transferFailure(const std::filesystem::path& image) const;

  CliSession& cli_;
  const UnitKind& unit_;
  ProgressReport& progress_;
  Output out_;
  // The whole vkr run is one program run, so its one handheld start is the first.
  RunHistory runHistory_;
  UpgradeOperation operation_;
  std::optional<UpgradeEnd> end_;
  // Held from the start frame to the end of the run: a laptop must not sleep mid-transfer.
  SleepInhibitor sleep_;
};

UpgradeRun::UpgradeRun(CliSession& cli, const UnitKind& unit, PauseDurations pauses,
                       ProgressReport& progress)
    : cli_(cli),
      unit_(unit),
      progress_(progress),
      out_(cli.options().json),
      operation_(cli.session(), unit.unit, runHistory_,
                 {.pauses = pauses, .silenceLimit = cli.timeout(), .endWhenSilent = true}),
      sleep_([this](const std::string& line) {
        cli_.session().channel().trace({.kind = TraceKind::Note, .text = line});
      }) {
  connectOperation();
  cli_.endWith({.linkBroke = [this] { operation_.linkBroke(); },
                .interrupted = [this] { operation_.interrupt(); },
                .failed = [this](std::exception_ptr failure) { operation_.fail(failure); }});
}

void UpgradeRun::connectOperation() {
  UpgradeOperation* operation = &operation_;
  QObject::connect(operation, &UpgradeOperation::startSent, operation, [this] {
    sleep_.acquire(QString::fromStdString(humanText("Upgrading the " + std::string(unit_.name))));
    progress_.started();
  });
  QObject::connect(operation, &UpgradeOperation::blockSent, operation, [this] {
    progress_.blockSent(*operation_.figures(), ProgressReport::Clock::now());
  });
  QObject::connect(operation, &UpgradeOperation::pauseBegan, operation,
                   [this](bool restart, std::chrono::milliseconds duration) {
                     if (restart) {
                       progress_.waitingForRestart(duration);
                     }
                   });
  QObject::connect(operation, &UpgradeOperation::advised, operation,
                   [this](const std::string& advice) { progress_.warn(advice); });
  QObject::connect(operation, &UpgradeOperation::ended, operation,
                   [this](const UpgradeEnd& end) { ended(end); });
}

void UpgradeRun::run(const std::filesystem::path& image) {
  operation_.listen();
  // Nothing goes out once the operator has asked to stop.
  cli_.takeSignal();
  if (!end_) {
    operation_.start(image);
  }
  cli_.runUntil([this] { return end_.has_value(); });
  progress_.end();
  throwUnlessCompleted(image);
}

void UpgradeRun::ended(const UpgradeEnd& end) {
  if (end_) {
    return;  // a done reply after the last acknowledgement repeats the completion
  }
  end_ = end;
  if (end.ending == UpgradeEnding::Transfer && isSuccess(end.outcome)) {
    progress_.end();
    out_.note(end.message.text);
  }
  sleep_.release();
  // Whoever left a long transfer to run hears that it ended, well or not; whoever stopped it
  // is there.
  const auto startedAt = operation_.startedAt();
  if (startedAt && end.ending != UpgradeEnding::Interrupted &&
      ProgressReport::styleFor(false) == ProgressReport::Style::Bar &&
      shouldNotifyFinish(UpgradeOperation::Clock::now() - *startedAt, false,
                         notifyAfterFromEnvironment())) {
    std::cerr << '\a' << std::flush;
  }
  cli_.finished();
}

void UpgradeRun::throwUnlessCompleted(const std::filesystem::path& image) const {
  switch (end_->ending) {
    case UpgradeEnding::Transfer:
      if (isSuccess(end_->outcome)) {
        return;
      }
      throw transferFailure(image);
    case UpgradeEnding::Interrupted:
      throw interruptedUpgrade(operation_, end_->stateAtEnd, unit_.name, cli_.interruptedBy());
    case UpgradeEnding::NoReply: {
      std::ostringstream text;
      text << "Cannot communicate with the base unit: no reply within " << std::setprecision(3)
           << cli_.options().timeoutSeconds << " s in the " << unit_.name << " upgrade "
           << whereItStopped(operation_, end_->stateAtEnd) << ".";
      throw CliError(kNoReply, text.str());
    }
    case UpgradeEnding::LinkBroke:
      throw CliError(kLinkUnusable,
                     std::string("Cannot communicate with the base unit. The link broke ") +
                         whereItStopped(operation_, end_->stateAtEnd) + ": " + cli_.linkProblem());
    case UpgradeEnding::LinkRefused:
      throw CliError(kLinkUnusable, end_->opening->portWords);
    case UpgradeEnding::Failed:
      try {
        std::rethrow_exception(end_->failure);
      } catch (const LinkError& error) {
        throw CliError(kLinkUnusable, error.what() + cli_.remedyFor(error.refusal()));
      }
  }
}

CliError UpgradeRun::transferFailure(const std::filesystem::path& image) const {
  std::string text = end_->message.text;
  if (end_->outcome == UpgradeOutcome::LinkFailed && end_->refusal) {
    text += cli_.remedyFor(*end_->refusal);
  }
  const ExitCode code = exitCodeFor(end_->outcome);
  return {code, code == kImageProblem ? text + inParentheses(image, "") : text};
}

int upgradeCommand(const GlobalOptions& options, const UnitKind& unit,
                   const UpgradeArguments& arguments) {
  const std::filesystem::path image(arguments.image);
  const std::uint64_t length = checkedImageLength(image, unit.table);
  CliSession cli(options, unit.feature);
  cli.open();
  ProgressReport progress(ProgressReport::styleFor(options.json),
                          options.json ? std::cout : std::cerr, unit.name, length);
  UpgradeRun run(cli, unit, PauseDurations{}.scaledBy(arguments.pauseScale), progress);
  run.run(image);
  Output(options.json).result(upgradeSummary(run.operation()), upgradeSummaryText(run.operation()));
  return kOk;
}

void addUnitCommand(CLI::App& upgrade, const GlobalOptions& options, std::function<int()>& run,
                    const UnitKind& unit, const char* name, const char* description) {
  auto arguments = std::make_shared<UpgradeArguments>();
  CLI::App* command = upgrade.add_subcommand(name, description);
  // Not checked as an existing file here: an unusable image has its own exit code.
  command->add_option("FILE", arguments->image, "Raw firmware image, 1 byte to 16 MiB")->required();
  command
      ->add_option("--pause-scale", arguments->pauseScale,
                   "Scale the waits after the start frame and for the unit's restart (0.01: a "
                   "hundredth), for tests and benchmarks")
      ->check(FiniteRange(0.0, 100.0));
  command->callback([&options, &run, &unit, arguments] {
    run = [&options, &unit, arguments] { return upgradeCommand(options, unit, *arguments); };
  });
}

}  // namespace

void addUpgradeCommands(CLI::App& app, const GlobalOptions& options, std::function<int()>& run) {
  CLI::App* upgrade =
      app.add_subcommand("upgrade", "Send a firmware image to the base unit or a handheld unit");
  upgrade->require_subcommand(1);
  addUnitCommand(*upgrade, options, run, kBaseUnit, "base", "Upgrade the base unit's firmware");
  addUnitCommand(*upgrade, options, run, kHandheldUnit, "handheld",
                 "Upgrade a handheld unit's firmware through the base unit");
}

}  // namespace orbelle::cli
