#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "CliSession.h"
#include "session/SettingsExchange.h"
#include "upgrade/UpgradeRecord.h"

namespace orbelle::cli {

// One read of the base unit's settings, for its versions, on the link that an upgrade holds:
// while it runs the replies go to its settings exchange, as they would to the settings window,
// and to the upgrade again once it has ended.
class VersionRead {
 public:
  // `done` is told once, from the event loop, when the read has ended, whichever way; it may
  // destroy the read.
  VersionRead(CliSession& cli, std::function<void()> done);
  ~VersionRead();
  VersionRead(const VersionRead&) = delete;
  VersionRead& operator=(const VersionRead&) = delete;

  void start();
  // What ends it early: the link breaking, SIGINT or SIGTERM, a failure of ours.
  void linkBroke() { exchange_.linkBroke(); }
  void interrupt() { exchange_.interrupt(); }
  void fail(std::exception_ptr failure) { exchange_.fail(std::move(failure)); }

  SettingsEnding ending() const { return exchange_.ending(); }
  std::exception_ptr failure() const { return exchange_.failure(); }
  // The versions read (an unset unit reports them too); none when no settings reply came.
  std::optional<UnitVersions> versions() const;
  // Why none came, in a few words: "no reply to the settings request within 3 s".
  std::string whyNone() const;

 private:
  CliSession& cli_;
  FeatureWindow upgrade_;
  SettingsExchange exchange_;
};

}  // namespace orbelle::cli
