#pragma once

#include <functional>
#include <memory>

#include "CliSession.h"

namespace orbelle::cli {

// One unit's part of a command that talks to base units: started, run on the event loop beside
// the other units' parts, then concluded. Each has its own session: link, device lock and
// operation.
class UnitJob {
 public:
  // `unit`: a unit named on the command line; none for the unit of the stored link choice.
  UnitJob(const GlobalOptions& options, FeatureWindow feature, const CliSession::Unit* unit)
      : cli_(unit != nullptr ? std::make_unique<CliSession>(options, feature, *unit)
                             : std::make_unique<CliSession>(options, feature)) {}
  virtual ~UnitJob() = default;
  UnitJob(const UnitJob&) = delete;
  UnitJob& operator=(const UnitJob&) = delete;

  // Opens the unit's link and sets its operation going; throws CliError (or LinkError) when
  // it cannot.
  virtual void start() = 0;
  virtual bool ended() const = 0;
  // Once it has ended: reports the unit's result, or throws what went wrong.
  virtual void conclude() = 0;

  CliSession& cli() { return *cli_; }

 private:
  std::unique_ptr<CliSession> cli_;
};

using UnitJobMaker = std::function<std::unique_ptr<UnitJob>(const CliSession::Unit* unit)>;

}  // namespace orbelle::cli
