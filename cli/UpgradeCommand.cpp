#include "UpgradeCommand.h"

#include <cmath>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include "CliError.h"
#include "CliLink.h"
#include "ExitCode.h"
#include "GlobalOptions.h"
#include "InterruptWatch.h"
#include "Output.h"
#include "ProgressReport.h"
#include "desktop/SleepInhibitor.h"
#include "protocol/LinkError.h"
#include "session/ReplyTimer.h"
#include "session/SessionUpgradeChannel.h"
#include "upgrade/FinishNotice.h"
#include "upgrade/UpgradeFrames.h"
#include "upgrade/UpgradeImage.h"
#include "upgrade/UpgradeTransfer.h"
#include "upgrade/UpgradeView.h"

namespace orbelle::cli {

namespace {

using Clock = std::chrono::steady_clock;

struct UpgradeArguments {
  std::string image;
  double pauseScale = 1.0;
};

struct UnitKind {
  const UpgradeCodeTable& table;
  FeatureWindow feature;
  const char* name;
};

const UnitKind kBaseUnit{kBaseUpgradeTable, FeatureWindow::UpgradeBaseUnit, "base unit"};
const UnitKind kHandheldUnit{kHandheldUpgradeTable, FeatureWindow::UpgradeHandheldUnit,
                             "handheld unit"};

// 2000 as "2,000": a count an operator reads at a glance.
std::string grouped(std::uint64_t count) {
  const std::string digits = std::to_string(count);
  std::string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) {
      text += ',';
    }
    text += digits[i];
  }
  return text;
}

std::uint64_t blocksOf(std::uint64_t bytes) { return (bytes + kBlockSize - 1) / kBlockSize; }

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

// One upgrade from start frame to completion, on the event loop of the link. The time-out is
// per reply: it runs whenever a reply is due and stops while a pause runs. vkr has no Upgrade
// button, and its progress report follows the transfer's offset, which is finer than a
// percentage.
class UpgradeRun : private UpgradeView {
 public:
  UpgradeRun(CliLink& link, const UnitKind& unit, PauseDurations pauses, ProgressReport& progress);
  ~UpgradeRun() override;
  UpgradeRun(const UpgradeRun&) = delete;
  UpgradeRun& operator=(const UpgradeRun&) = delete;

  // Returns once a completion has been reached; throws CliError otherwise.
  void run(const std::filesystem::path& image);

  nlohmann::json summary() const;
  std::string summaryText() const;

 private:
  enum class Ending { Completed, Failed, NoReply, LinkBroke, Interrupted };

  void setUpgradeEnabled(bool /*enabled*/) override {}
  void setProgress(int /*percent*/) override {}
  void transferFinished(UpgradeOutcome outcome, std::string_view text, std::string_view title,
                        MessageIcon icon) override;
  void replyReceived() override;
  void pauseStarted(bool restart, std::chrono::milliseconds duration) override;
  void pauseEnded() override;
  void transferEvent(UpgradeEvent event) override;

  // Says once, during the transfer, what a slow adapter costs and how to mend it.
  void adviseOnTurnaround(Clock::time_point now);
  nlohmann::json turnaroundSummary() const;
  void end(Ending ending);
  void throwUnlessCompleted(const std::filesystem::path& image);
  std::string whereItStopped() const;
  // How far a run stopped by SIGINT or SIGTERM had come, and what the unit makes of it.
  CliError interruptedError() const;
  double blockPhaseSeconds() const;

  CliLink& link_;
  const UnitKind& unit_;
  ProgressReport& progress_;
  Output out_;
  // The whole vkr run is one program run, so its one handheld start is the first.
  RunFlags runFlags_;
  SessionUpgradeChannel linkSide_;
  UpgradeTransfer transfer_;
  ReplyTimer watchdog_;
  bool paused_ = false;

  std::optional<Ending> ending_;
  std::string failure_;
  ExitCode failureCode_ = kFailed;
  std::optional<Clock::time_point> firstBlockAt_;
  std::optional<Clock::time_point> lastAckAt_;
  std::optional<Clock::time_point> startedAt_;
  bool turnaroundAdvised_ = false;
  // Held from the start frame to the end of the run: a laptop must not sleep mid-transfer.
  SleepInhibitor sleep_;
};

UpgradeRun::UpgradeRun(CliLink& link, const UnitKind& unit, PauseDurations pauses,
                       ProgressReport& progress)
    : link_(link),
      unit_(unit),
      progress_(progress),
      out_(link.options().json),
      linkSide_(link.session(), pauses, link.failureSink()),
      transfer_(unit.table, link.choice(), linkSide_, *this, runFlags_),
      watchdog_(
          link.timeout(), [this] { end(Ending::NoReply); }, link.failureSink()),
      sleep_([this](const std::string& line) {
        link_.session().channel().trace({.kind = TraceKind::Note, .text = line});
      }) {
  linkSide_.attach(transfer_);
  link_.session().dispatcher().attach(unit_.feature, &transfer_);
}

UpgradeRun::~UpgradeRun() {
  link_.session().dispatcher().detach(unit_.feature);
  linkSide_.cancelPause();
}

void UpgradeRun::run(const std::filesystem::path& image) {
  // Armed before the start, so that a start frame that never leaves the port ends the run too.
  watchdog_.start();
  // Nothing goes out once the operator has asked to stop.
  link_.noticeInterruption();
  if (link_.interruptedBy() == 0) {
    transfer_.startUpgrade(image);
  }
  // A run can end inside startUpgrade; waiting then would wait for nothing.
  if (!ending_) {
    try {
      link_.waitForFinishWithoutLimit();
    } catch (const LinkError& error) {
      failure_ = error.what() + link_.remedyFor(error.refusal());
      failureCode_ = kLinkUnusable;
      end(Ending::Failed);
    }
  }
  if (!ending_ && link_.interruptedBy() != 0) {
    end(Ending::Interrupted);
  }
  if (!ending_) {
    end(Ending::LinkBroke);
  }
  progress_.end();
  throwUnlessCompleted(image);
}

void UpgradeRun::replyReceived() {
  if (!paused_ && !ending_) {
    watchdog_.start();
  }
}

void UpgradeRun::transferEvent(UpgradeEvent event) {
  switch (event) {
    case UpgradeEvent::StartSent:
      startedAt_ = Clock::now();
      sleep_.acquire(QStringLiteral("Upgrading the %1").arg(QLatin1String(unit_.name)));
      link_.session().serial().clearTurnarounds();
      progress_.started();
      return;
    case UpgradeEvent::BlockSent: {
      const Clock::time_point now = Clock::now();
      if (!firstBlockAt_) {
        firstBlockAt_ = now;
      }
      progress_.blockSent(transfer_.offset(), now);
      adviseOnTurnaround(now);
      return;
    }
    case UpgradeEvent::AllBlocksAcknowledged:
      lastAckAt_ = Clock::now();
      return;
    case UpgradeEvent::BlockResent:
    case UpgradeEvent::HandshakeAnswered:
    case UpgradeEvent::Completed:
      return;
  }
}

void UpgradeRun::adviseOnTurnaround(Clock::time_point now) {
  if (turnaroundAdvised_ || link_.choice().protocol != LinkProtocol::Rs232 || !firstBlockAt_) {
    return;
  }
  const SerialLink& serial = link_.session().serial();
  if (const auto advice = adapterDelayAdvice(
          serial.turnarounds(), std::chrono::duration<double>(now - *firstBlockAt_).count(),
          transfer_.counters().blocksSent, transfer_.imageLength(), serial.devicePath())) {
    turnaroundAdvised_ = true;
    progress_.warn(*advice);
  }
}

void UpgradeRun::pauseStarted(bool restart, std::chrono::milliseconds duration) {
  paused_ = true;
  watchdog_.stop();
  if (restart) {
    progress_.waitingForRestart(duration);
  }
}

void UpgradeRun::pauseEnded() {
  paused_ = false;
  if (!ending_) {
    watchdog_.start();
  }
}

void UpgradeRun::transferFinished(UpgradeOutcome outcome, std::string_view text,
                                  std::string_view /*title*/, MessageIcon /*icon*/) {
  if (ending_) {
    return;  // a done reply after the last acknowledgement repeats the completion
  }
  if (isSuccess(outcome)) {
    if (!lastAckAt_) {
      lastAckAt_ = Clock::now();  // the done reply ended the block phase
    }
    progress_.end();
    out_.note(std::string(text));
    end(Ending::Completed);
    return;
  }
  failure_ = std::string(text);
  if (outcome == UpgradeOutcome::LinkFailed && linkSide_.lastRefusal()) {
    failure_ += link_.remedyFor(*linkSide_.lastRefusal());
  }
  failureCode_ = exitCodeFor(outcome);
  end(Ending::Failed);
}

void UpgradeRun::end(Ending ending) {
  if (ending_) {
    return;
  }
  ending_ = ending;
  watchdog_.stop();
  linkSide_.cancelPause();
  sleep_.release();
  // Whoever left a long transfer to run hears that it ended, well or not; whoever stopped it
  // is there.
  if (startedAt_ && ending != Ending::Interrupted &&
      ProgressReport::styleFor(false) == ProgressReport::Style::Bar &&
      shouldNotifyFinish(Clock::now() - *startedAt_, false, notifyAfterFromEnvironment())) {
    std::cerr << '\a' << std::flush;
  }
  link_.finish();
}

void UpgradeRun::throwUnlessCompleted(const std::filesystem::path& image) {
  if (*ending_ == Ending::Completed) {
    return;
  }
  // Both read the transfer's state, which closing the image ends.
  const std::string where = whereItStopped();
  const std::optional<CliError> interrupted =
      *ending_ == Ending::Interrupted ? std::optional(interruptedError()) : std::nullopt;
  transfer_.closeImage();
  switch (*ending_) {
    case Ending::Completed:
      return;
    case Ending::Interrupted:
      throw *interrupted;
    case Ending::Failed:
      throw CliError(failureCode_, failureCode_ == kImageProblem
                                       ? failure_ + inParentheses(image, "")
                                       : failure_);
    case Ending::NoReply: {
      std::ostringstream text;
      text << "Cannot communicate with the base unit: no reply within " << std::setprecision(3)
           << link_.options().timeoutSeconds << " s in the " << unit_.name << " upgrade " << where
           << ".";
      throw CliError(kNoReply, text.str());
    }
    case Ending::LinkBroke:
      throw CliError(kLinkUnusable,
                     std::string("Cannot communicate with the base unit. The link broke ") + where +
                         ": " + link_.linkProblem());
  }
}

CliError UpgradeRun::interruptedError() const {
  const std::uint64_t total = blocksOf(transfer_.imageLength());
  const std::uint64_t sent = blocksOf(transfer_.offset());
  const std::string unit = std::string("the ") + unit_.name;
  std::string text;
  if (!startedAt_) {
    text = "interrupted before anything was sent to " + unit;
  } else if (transfer_.state() == UpgradeState::CompletionPause) {
    text = "interrupted while " + unit + " restarted after acknowledging all " + grouped(total) +
           " blocks: the end of the upgrade was not seen";
  } else if (sent == 0) {
    text = "interrupted after the start frame, before the first of " + grouped(total) +
           " blocks; " + unit + " is waiting for them: run the upgrade again";
  } else if (sent == total) {
    text = "interrupted after all " + grouped(total) + " blocks, before " + unit +
           " acknowledged the last: run the upgrade again to be sure";
  } else {
    text = "interrupted after " + grouped(sent) + " of " + grouped(total) + " blocks; " + unit +
           " is waiting for the rest: run the upgrade again";
  }
  const int signal = link_.interruptedBy();
  return {exitCodeForSignal(signal),
          text,
          {{"outcome", "interrupted"},
           {"signal", signalName(signal)},
           {"blocks_sent", sent},
           {"blocks_total", total},
           {"bytes_sent", transfer_.counters().imageBytesSent}}};
}

std::string UpgradeRun::whereItStopped() const {
  const std::string blocks = std::to_string(transfer_.counters().blocksSent);
  switch (transfer_.state()) {
    case UpgradeState::StartPause:
      return "(in the pause after the start frame)";
    case UpgradeState::AwaitingStartAck:
      return "(waiting for the answer to the start frame)";
    case UpgradeState::BlockOutstanding: {
      const std::uint32_t at = transfer_.offset() - transfer_.lastBlockLength();
      return std::string("(waiting for the answer to the block at byte ") + std::to_string(at) +
             " of " + std::to_string(transfer_.imageLength()) + ", " + blocks + " blocks sent)";
    }
    case UpgradeState::Idle:
    case UpgradeState::CompletionPause:
      break;
  }
  return std::string("(after ") + blocks + " blocks)";
}

double UpgradeRun::blockPhaseSeconds() const {
  if (!firstBlockAt_ || !lastAckAt_) {
    return 0.0;
  }
  return std::chrono::duration<double>(*lastAckAt_ - *firstBlockAt_).count();
}

nlohmann::json UpgradeRun::summary() const {
  const UpgradeCounters& counters = transfer_.counters();
  const double seconds = blockPhaseSeconds();
  // The effective rate: resent blocks took wire time but brought no new image bytes.
  const double rate = seconds > 0.0 ? static_cast<double>(counters.imageBytesSent) / seconds : 0.0;
  return {{"bytes", counters.imageBytesSent},
          {"blocks", counters.blocksSent},
          {"retries", counters.retries},
          {"resent_bytes", counters.resentBytes},
          {"handshakes", counters.handshakes},
          {"bad_fcs_replies", counters.badFcsReplies},
          {"stale_replies", counters.staleReplies},
          {"seconds", seconds},
          {"bytes_per_second", rate},
          {"completion", std::string(completionName(counters.completion))},
          {"turnaround_ms", turnaroundSummary()}};
}

nlohmann::json UpgradeRun::turnaroundSummary() const {
  const TurnaroundStats& turnarounds = link_.session().serial().turnarounds();
  if (link_.choice().protocol != LinkProtocol::Rs232 || turnarounds.count() == 0) {
    return nullptr;  // measured on a serial line only
  }
  const auto ms = [](TurnaroundStats::Duration d) { return static_cast<double>(d.count()) / 1000; };
  return {{"median", ms(turnarounds.median())}, {"p95", ms(turnarounds.percentile95())}};
}

std::string UpgradeRun::summaryText() const {
  const nlohmann::json s = summary();
  std::ostringstream text;
  text << "Sent " << s["bytes"] << " bytes in " << s["blocks"] << " blocks (" << s["retries"]
       << " retries, " << s["handshakes"] << " handshakes); block phase " << std::fixed
       << std::setprecision(3) << s["seconds"].get<double>() << " s, "
       << formatBytes(s["bytes_per_second"].get<double>()) << "/s; completion "
       << s["completion"].get<std::string>();
  if (s["bad_fcs_replies"] != 0) {
    text << "; " << s["bad_fcs_replies"] << " replies with a wrong FCS were taken by their code";
  }
  text << "\n";
  return text.str();
}

int upgradeCommand(const GlobalOptions& options, const UnitKind& unit,
                   const UpgradeArguments& arguments) {
  const std::filesystem::path image(arguments.image);
  const std::uint64_t length = checkedImageLength(image, unit.table);
  CliLink link(options, unit.feature);
  link.open();
  ProgressReport progress(ProgressReport::styleFor(options.json),
                          options.json ? std::cout : std::cerr, unit.name, length);
  UpgradeRun run(link, unit, PauseDurations{}.scaledBy(arguments.pauseScale), progress);
  run.run(image);
  Output(options.json).result(run.summary(), run.summaryText());
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
