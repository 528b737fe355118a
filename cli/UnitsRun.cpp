#include "UnitsRun.h"

#include <chrono>
#include <exception>
#include <optional>

#include "CliError.h"
#include "GlobalOptions.h"
#include "UnitsSummary.h"
#include "protocol/LinkError.h"

namespace orbelle::cli {

namespace {

using Clock = std::chrono::steady_clock;

// One unit of the run: where its lines go, its job and how it came out.
struct UnitRun {
  UnitRun(const UnitTarget& target, bool several, bool json)
      : target(target),
        streams(several ? std::make_unique<UnitStreams>(target.name, json)
                        : std::make_unique<UnitStreams>()) {}

  UnitTarget target;
  std::unique_ptr<UnitStreams> streams;
  std::unique_ptr<UnitJob> job;
  Clock::time_point startedAt{};
  std::optional<Clock::time_point> endedAt;
  std::optional<int> exitCode;  // once known
};

// What `failure` tells the operator, as vkr reports a failure of a single run; its exit code.
int report(const Output& out, const std::exception_ptr& failure) {
  try {
    std::rethrow_exception(failure);
  } catch (const CliError& error) {
    out.error(error.code(), error.what(), error.details());
    return error.code();
  } catch (const LinkError& error) {
    out.error(kLinkUnusable, error.what());
    return kLinkUnusable;
  } catch (const std::exception& error) {
    out.error(kFailed, error.what());
    return kFailed;
  }
}

// Runs `step` of one unit; a failure ends that unit only.
template <typename Step>
void forUnit(UnitRun& unit, const Step& step) {
  try {
    step();
  } catch (...) {
    unit.exitCode = report(unit.job->cli().out(), std::current_exception());
    unit.endedAt = unit.endedAt.value_or(Clock::now());
  }
}

int runOnTargets(const GlobalOptions& options, const std::vector<UnitTarget>& targets,
                 const UnitJobMaker& make) {
  const bool several = targets.size() > 1;
  RunLoop loop;
  std::vector<std::unique_ptr<UnitRun>> units;
  for (const UnitTarget& target : targets) {
    auto unit = std::make_unique<UnitRun>(target, several, options.json);
    const CliSession::Unit context{loop, unit->target, *unit->streams};
    unit->job = make(&context);
    units.push_back(std::move(unit));
  }
  for (auto& unit : units) {
    unit->startedAt = Clock::now();
    forUnit(*unit, [&unit] { unit->job->start(); });
  }
  const auto ended = [&units] {
    bool all = true;
    for (auto& unit : units) {
      const bool over = unit->exitCode || unit->job->ended();
      if (over && !unit->endedAt) {
        unit->endedAt = Clock::now();
      }
      all = all && over;
    }
    return all;
  };
  loop.runUntil(ended);
  for (auto& unit : units) {
    if (!unit->exitCode) {
      forUnit(*unit, [&unit] {
        unit->job->conclude();
        unit->exitCode = kOk;
      });
    }
  }
  std::vector<UnitOutcome> outcomes;
  for (const auto& unit : units) {
    const auto endedAt = unit->endedAt.value_or(Clock::now());
    outcomes.push_back({unit->target.name, *unit->exitCode,
                        std::chrono::duration<double>(endedAt - unit->startedAt).count()});
  }
  // The jobs let go of their units first: the table comes last.
  units.clear();
  if (several) {
    printUnitsSummary(options.json, outcomes);
  }
  return worstExitCode(outcomes);
}

}  // namespace

int runOnUnits(const GlobalOptions& options, const UnitJobMaker& make) {
  const std::vector<UnitTarget> targets = chooseUnits(options);
  if (targets.empty() && options.allUnits) {
    throw CliError(kLinkUnusable,
                   "--all-units found no USB base unit (0471:0003); is one plugged in?");
  }
  if (!targets.empty()) {
    return runOnTargets(options, targets, make);
  }
  const std::unique_ptr<UnitJob> job = make(nullptr);
  job->start();
  job->cli().runUntil([&job] { return job->ended(); });
  job->conclude();
  return kOk;
}

}  // namespace orbelle::cli
