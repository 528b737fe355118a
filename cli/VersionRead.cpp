#include "VersionRead.h"

#include <iomanip>
#include <sstream>

namespace orbelle::cli {

VersionRead::VersionRead(CliSession& cli, std::function<void()> done)
    : cli_(cli),
      upgrade_(cli.session().dispatcher().activeFeature()),
      exchange_(cli.session(), cli.timeout()) {
  // Told from the event loop, so that `done` may let go of this read.
  QObject::connect(
      &exchange_, &SettingsExchange::ended, &exchange_,
      [this, done = std::move(done)] {
        cli_.session().dispatcher().setActiveFeature(upgrade_);
        done();
      },
      Qt::QueuedConnection);
}

VersionRead::~VersionRead() {
  if (!exchange_.hasEnded()) {
    cli_.session().dispatcher().setActiveFeature(upgrade_);
  }
}

void VersionRead::start() {
  cli_.session().dispatcher().setActiveFeature(FeatureWindow::SetBaseUnit);
  exchange_.read();
}

std::optional<UnitVersions> VersionRead::versions() const {
  switch (exchange_.ending()) {
    case SettingsEnding::Read:
    case SettingsEnding::Unset:
      return UnitVersions{exchange_.record().bootloaderVersion,
                          exchange_.record().applicationVersion};
    default:
      return std::nullopt;
  }
}

std::string VersionRead::whyNone() const {
  switch (exchange_.ending()) {
    case SettingsEnding::NoReply: {
      std::ostringstream text;
      text << "no reply to the settings request within " << std::setprecision(3)
           << cli_.options().timeoutSeconds << " s";
      return text.str();
    }
    case SettingsEnding::LinkBroke:
      return "the link broke: " + cli_.linkProblem();
    case SettingsEnding::Interrupted:
      return "interrupted";
    case SettingsEnding::UnexpectedAnswer:
      return "an unexpected answer";
    default:
      return "no settings reply";
  }
}

}  // namespace orbelle::cli
