#pragma once

#include <functional>
#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "UnitJob.h"
#include "session/SettingsExchange.h"

namespace orbelle::cli {

// The record as vkr settings read prints it in JSON, summary included. The version texts are
// those the window's fields show (an unset unit's versions included).
nlohmann::json settingsResult(const BaseSettings& settings, const SettingsRecord& record);
// The same, as text; `nationNote` follows the nation.
std::string settingsText(const BaseSettings& raw, const SettingsRecord& record,
                         const std::string& nationNote = "");
// What the base unit echoed of an upload.
void reportUpload(const Output& out, const SettingsRecord& record);

// What is said before an upload goes out: what the window's rules changed besides the change
// asked for (not for a settings file, whose differences say it all).
struct UploadNotes {
  bool adjustments = true;
  bool channelAsked = false;
};

// One unit's settings job: its exchange runs on the application's event loop from `begin` to
// its end; the link breaking, SIGINT and SIGTERM end it too, and nothing is uploaded once a
// signal has come.
class SettingsJob : public UnitJob {
 public:
  using Begin = std::function<void(SettingsExchange&)>;
  // `report` prints what the exchange leaves.
  using Report = std::function<void(const Output&, const SettingsRecord&)>;

  SettingsJob(const GlobalOptions& options, const CliSession::Unit* unit, Begin begin,
              Report report, UploadNotes notes = {})
      : UnitJob(options, FeatureWindow::SetBaseUnit, unit),
        begin_(std::move(begin)),
        report_(std::move(report)),
        notes_(notes) {}
  // The exchange goes before the session.
  ~SettingsJob() override { cli().endWith({}); }
  SettingsJob(const SettingsJob&) = delete;
  SettingsJob& operator=(const SettingsJob&) = delete;

  void start() override;
  bool ended() const override { return exchange_ && exchange_->hasEnded(); }
  void conclude() override;

 private:
  Begin begin_;
  Report report_;
  UploadNotes notes_;
  std::unique_ptr<SettingsExchange> exchange_;
};

}  // namespace orbelle::cli
