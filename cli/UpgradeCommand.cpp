#include "UpgradeCommand.h"

#include <QTimer>
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
#include "UnitJob.h"
#include "UnitsRun.h"
#include "UpgradeAccount.h"
#include "VersionRead.h"
#include "protocol/LinkError.h"
#include "session/UpgradeOperation.h"
#include "upgrade/FinishNotice.h"
#include "upgrade/UpgradeImage.h"
#include "upgrade/UpgradePause.h"

namespace orbelle::cli {

namespace {

struct UpgradeArguments {
  std::string image;
  double pauseScale = 1.0;
  bool noVerify = false;
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

// One unit's upgrade from start frame to completion, as its operation reports it: a progress
// report, the advice on a slow adapter, the summary, and the exit status with what went wrong.
// The time-out is per reply, pauses excluded; vkr has no Upgrade button, and its progress
// follows each block, which is finer than a percentage. A base unit's versions are read before
// the transfer and again after its restart, unless told not to.
class UpgradeJob : public UnitJob {
 public:
  // The unit restarts after its last block: six long pauses.
  static constexpr int kRestartPauses = 6;

  UpgradeJob(const GlobalOptions& options, const CliSession::Unit* unit, const UnitKind& kind,
             PauseDurations pauses, std::filesystem::path image, std::uint64_t length,
             bool checkVersions);
  ~UpgradeJob() override;
  UpgradeJob(const UpgradeJob&) = delete;
  UpgradeJob& operator=(const UpgradeJob&) = delete;

  void start() override;
  bool ended() const override { return over_; }
  // Once a completion has been reached, prints the summary; throws CliError otherwise.
  void conclude() override;

 private:
  static ProgressReport::Style progressStyle(const CliSession& cli);
  void connectOperation();
  void versionsReadBefore();
  void stopBefore(std::exception_ptr failure);
  void startTransfer();
  void ended(const UpgradeEnd& end);
  void readVersionsAgain();
  void versionsReadAfter();
  void versionsNotReadAfter(const std::string& why);
  void finish();
  void warn(const std::string& text);
  void keepAwake(bool awake);
  void throwUnlessCompleted() const;
  CliError transferFailure() const;
  nlohmann::json summary() const;
  std::string summaryText() const;

  CliSession& cli_;
  const UnitKind& unit_;
  std::filesystem::path image_;
  PauseDurations pauses_;
  bool checkVersions_;
  ProgressReport progress_;
  // Each unit's run is its own program run: its one handheld start is the first.
  RunHistory runHistory_;
  UpgradeOperation operation_;
  std::optional<UpgradeEnd> end_;
  // The reads of the versions around the transfer, and what they found.
  std::unique_ptr<VersionRead> versionRead_;
  UpgradeOperation::VersionCheck versions_;
  QTimer restartWait_;
  // What ended the run before the transfer began.
  std::exception_ptr stoppedBefore_;
  std::vector<std::string> warnings_;
  bool over_ = false;
  // From the start frame to the end: a laptop must not sleep mid-transfer.
  bool awake_ = false;
};

ProgressReport::Style UpgradeJob::progressStyle(const CliSession& cli) {
  // A bar redrawn in place cannot show several units.
  const ProgressReport::Style style = ProgressReport::styleFor(cli.options().json);
  return cli.amongSeveral() && style == ProgressReport::Style::Bar ? ProgressReport::Style::Lines
                                                                   : style;
}

UpgradeJob::UpgradeJob(const GlobalOptions& options, const CliSession::Unit* unit,
                       const UnitKind& kind, PauseDurations pauses, std::filesystem::path image,
                       std::uint64_t length, bool checkVersions)
    : UnitJob(options, kind.feature, unit),
      cli_(cli()),
      unit_(kind),
      image_(std::move(image)),
      pauses_(pauses),
      checkVersions_(checkVersions),
      progress_(progressStyle(cli_), options.json ? cli_.streams().out() : cli_.streams().err(),
                kind.name, length),
      operation_(cli_.session(), kind.unit, runHistory_,
                 {.pauses = pauses,
                  .silenceLimit = cli_.timeout(),
                  .endWhenSilent = true,
                  .program = "vkr",
                  .versionsFollow = checkVersions}) {
  if (unit != nullptr) {
    progress_.nameDevice(unit->target.name);
  }
  connectOperation();
  restartWait_.setSingleShot(true);
  QObject::connect(&restartWait_, &QTimer::timeout, &restartWait_, [this] { readVersionsAgain(); });
  // Whatever runs now hears of it: a read of the versions, or the transfer.
  cli_.endWith({.linkBroke =
                    [this] {
                      if (versionRead_) {
                        versionRead_->linkBroke();
                      } else if (restartWait_.isActive()) {
                        // The transfer has ended; the unit went away while it restarted.
                        restartWait_.stop();
                        versionsNotReadAfter("the link broke: " + cli_.linkProblem());
                      } else {
                        operation_.linkBroke();
                      }
                    },
                .interrupted =
                    [this] {
                      if (versionRead_) {
                        versionRead_->interrupt();
                      } else if (restartWait_.isActive()) {
                        restartWait_.stop();
                        versions_.warning =
                            "interrupted before the base unit's versions were read again";
                        warn(versions_.warning);
                        finish();
                      } else {
                        operation_.interrupt();
                      }
                    },
                .failed =
                    [this](std::exception_ptr failure) {
                      if (versionRead_) {
                        versionRead_->fail(failure);
                      } else {
                        operation_.fail(failure);
                      }
                    }});
}

UpgradeJob::~UpgradeJob() {
  keepAwake(false);
  cli_.endWith({});
}

void UpgradeJob::keepAwake(bool awake) {
  if (awake == awake_) {
    return;
  }
  awake_ = awake;
  if (awake) {
    cli_.loop().keepAwake(
        QString::fromStdString(humanText("Upgrading the " + std::string(unit_.name))),
        [this](const std::string& line) {
          cli_.session().channel().trace({.kind = TraceKind::Note, .text = line});
        });
  } else {
    cli_.loop().letSleep();
  }
}

void UpgradeJob::warn(const std::string& text) {
  warnings_.push_back(text);
  progress_.warn(cli_.options().json ? text : "warning: " + text);
}

void UpgradeJob::connectOperation() {
  UpgradeOperation* operation = &operation_;
  QObject::connect(operation, &UpgradeOperation::startSent, operation, [this] {
    keepAwake(true);
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
  QObject::connect(operation, &UpgradeOperation::recordFailed, operation,
                   [this](const std::string& warning) { warn(warning); });
}

void UpgradeJob::start() {
  cli_.open();
  if (!checkVersions_) {
    startTransfer();
    return;
  }
  versionRead_ = std::make_unique<VersionRead>(cli_, [this] { versionsReadBefore(); });
  versionRead_->start();
}

void UpgradeJob::versionsReadBefore() {
  const std::unique_ptr<VersionRead> read = std::move(versionRead_);
  versions_.before = read->versions();
  switch (read->ending()) {
    case SettingsEnding::Interrupted:
      stopBefore(std::make_exception_ptr(
          interruptedUpgrade(operation_, UpgradeState::Idle, unit_.name, cli_.interruptedBy())));
      return;
    case SettingsEnding::LinkBroke:
      stopBefore(std::make_exception_ptr(CliError(
          kLinkUnusable,
          "Cannot communicate with the base unit. The link broke: " + cli_.linkProblem())));
      return;
    case SettingsEnding::Failed:
      stopBefore(read->failure());
      return;
    default:
      break;
  }
  if (!versions_.before) {
    // A unit whose firmware is broken may still take a new one.
    versions_.warning =
        "the base unit's versions before the upgrade are not known (" + read->whyNone() + ")";
    warn(versions_.warning);
  }
  if (cli_.choice().protocol == LinkProtocol::Rs232) {
    // A repeat of the settings reply may still be arriving, and the frames that follow are
    // counted in bytes: the port is opened again, which waits for the line to fall quiet and
    // drops what came, keeping the hold on the unit.
    try {
      cli_.session().channel().reopenSerial();
    } catch (const LinkError& error) {
      stopBefore(std::make_exception_ptr(
          CliError(kLinkUnusable, error.what() + cli_.remedyFor(error.refusal()))));
      return;
    }
  }
  startTransfer();
}

void UpgradeJob::stopBefore(std::exception_ptr failure) {
  stoppedBefore_ = std::move(failure);
  finish();
}

void UpgradeJob::startTransfer() {
  operation_.listen();
  // Nothing goes out once the operator has asked to stop.
  cli_.takeSignal();
  if (!end_) {
    operation_.start(image_);
  }
}

void UpgradeJob::conclude() {
  progress_.end();
  if (stoppedBefore_) {
    std::rethrow_exception(stoppedBefore_);
  }
  throwUnlessCompleted();
  cli_.out().result(summary(), summaryText());
}

nlohmann::json UpgradeJob::summary() const {
  nlohmann::json json = upgradeSummary(operation_);
  if (checkVersions_) {
    json["versions"] = {{"before", versionsJson(versions_.before)},
                        {"after", versionsJson(versions_.after)}};
  }
  if (!warnings_.empty()) {
    json["warnings"] = warnings_;
  }
  return json;
}

std::string UpgradeJob::summaryText() const {
  std::string text = upgradeSummaryText(operation_);
  const auto& before = versions_.before;
  const auto& after = versions_.after;
  if (before && after) {
    text += "application version " + before->application + " before, " + after->application +
            " after\n";
  } else if (before) {
    text += "application version " + before->application + " before, not read after\n";
  } else if (after) {
    text += "application version " + after->application + " after, not read before\n";
  }
  return text;
}

void UpgradeJob::ended(const UpgradeEnd& end) {
  if (end_) {
    return;  // a done reply after the last acknowledgement repeats the completion
  }
  end_ = end;
  const bool completed = end.ending == UpgradeEnding::Transfer && isSuccess(end.outcome);
  if (completed) {
    progress_.end();
    cli_.out().note(end.message.text);
  }
  keepAwake(false);
  // Whoever left a long transfer to run hears that it ended, well or not; whoever stopped it
  // is there. Not for each of several units.
  const auto startedAt = operation_.startedAt();
  if (startedAt && end.ending != UpgradeEnding::Interrupted && !cli_.amongSeveral() &&
      ProgressReport::styleFor(false) == ProgressReport::Style::Bar &&
      shouldNotifyFinish(UpgradeOperation::Clock::now() - *startedAt, false,
                         notifyAfterFromEnvironment())) {
    std::cerr << '\a' << std::flush;
  }
  if (!completed || !checkVersions_) {
    finish();
  } else if (cli_.choice().protocol == LinkProtocol::Usb) {
    // Over RS232 the transfer has waited for the restart already.
    restartWait_.start(pauses_.of(PauseKind::Long, kRestartPauses));
  } else {
    readVersionsAgain();
  }
}

void UpgradeJob::readVersionsAgain() {
  versionRead_ = std::make_unique<VersionRead>(cli_, [this] { versionsReadAfter(); });
  versionRead_->start();
}

void UpgradeJob::versionsReadAfter() {
  const std::unique_ptr<VersionRead> read = std::move(versionRead_);
  versions_.after = read->versions();
  if (!versions_.after) {
    versionsNotReadAfter(read->whyNone());
    return;
  }
  finish();
}

void UpgradeJob::versionsNotReadAfter(const std::string& why) {
  versions_.warning = "the base unit's versions after the upgrade could not be read (" + why +
                      "): check that it restarted (its power, its cable, the link), then run vkr "
                      "settings read";
  warn(versions_.warning);
  finish();
}

void UpgradeJob::finish() {
  if (checkVersions_) {
    operation_.recordVersions(versions_);
  }
  over_ = true;
  cli_.finished();
}

void UpgradeJob::throwUnlessCompleted() const {
  switch (end_->ending) {
    case UpgradeEnding::Transfer:
      if (isSuccess(end_->outcome)) {
        return;
      }
      throw transferFailure();
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

CliError UpgradeJob::transferFailure() const {
  std::string text = end_->message.text;
  if (end_->outcome == UpgradeOutcome::LinkFailed && end_->refusal) {
    text += cli_.remedyFor(*end_->refusal);
  }
  const ExitCode code = exitCodeFor(end_->outcome);
  return {code, code == kImageProblem ? text + inParentheses(image_, "") : text};
}

int upgradeCommand(const GlobalOptions& options, const UnitKind& unit,
                   const UpgradeArguments& arguments) {
  const std::filesystem::path image(arguments.image);
  const std::uint64_t length = checkedImageLength(image, unit.table);
  const PauseDurations pauses = PauseDurations{}.scaledBy(arguments.pauseScale);
  // Only a base unit reports versions; a handheld unit's upgrade leaves them as they were.
  const bool checkVersions = unit.unit == UpgradeOperation::Unit::Base && !arguments.noVerify;
  return runOnUnits(options, [&](const CliSession::Unit* target) {
    return std::make_unique<UpgradeJob>(options, target, unit, pauses, image, length,
                                        checkVersions);
  });
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
                   "hundredth), for tests and benchmarks (default: 1)")
      ->check(FiniteRange(0.0, 100.0));
  if (unit.unit == UpgradeOperation::Unit::Base) {
    command->add_flag("--no-verify", arguments->noVerify,
                      "Do not read the base unit's versions before the transfer and after its "
                      "restart");
  }
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
