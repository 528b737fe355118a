#include "SettingsJob.h"

#include <iomanip>
#include <sstream>

#include "CliError.h"
#include "ExitCode.h"
#include "InterruptWatch.h"
#include "settings/SettingsCodec.h"
#include "settings/SettingsJson.h"
#include "settings/SettingsMessages.h"
#include "settings/SettingsSummary.h"
#include "settings/SettingsTables.h"

namespace orbelle::cli {

namespace {

std::string withLineFeeds(std::string text) {
  std::string out;
  for (char c : text) {
    if (c != '\r') {
      out += c;
    }
  }
  return out;
}

std::string orNone(const std::optional<std::string>& text) { return text.value_or("(none)"); }

}  // namespace

nlohmann::json settingsResult(const BaseSettings& settings, const SettingsRecord& record) {
  nlohmann::json json = settingsToJson(settings);
  json["bootloader_version"] = record.bootloaderVersion;
  json["application_version"] = record.applicationVersion;
  json["summary"] = buildSettingsSummary(normalised(settings));
  return json;
}

std::string settingsText(const BaseSettings& raw, const SettingsRecord& record,
                         const std::string& nationNote) {
  const BaseSettings s = normalised(raw);
  std::string ids;
  for (int id = 1; id <= 16; ++id) {
    if (isIdRegistered(s.associatedIds, id)) {
      ids += (ids.empty() ? "" : ",") + std::to_string(id);
    }
  }
  const auto field = [](SettingsField field, int value) {
    return orNone(fieldValueText(field, value));
  };
  std::ostringstream text;
  text << "nation               " << kNationNames.at(s.nation) << nationNote << "\n"
       << "frequency hopping    " << (s.hopping ? "on" : "off") << "\n"
       << "channel              " << static_cast<int>(s.channel) << "\n"
       << "power                " << static_cast<int>(s.powerDbm) << " dBm\n"
       << "handheld IDs         " << (ids.empty() ? "(none)" : ids) << "\n"
       << "RS232 baud rate      " << field(SettingsField::Baud, s.baudCode) << "\n"
       << "RS232 data bits      " << field(SettingsField::DataBits, s.dataBitsCode) << "\n"
       << "RS232 stop bits      " << field(SettingsField::StopBits, s.stopBitsCode) << "\n"
       << "RS232 parity         " << field(SettingsField::Parity, s.parityCode) << "\n"
       << "RS232 flow control   " << field(SettingsField::Flow, s.flowControlCode) << "\n"
       << "numeric key          " << field(SettingsField::NumericKey, s.numericKeyMode) << "\n"
       << "bootloader version   " << record.bootloaderVersion << "\n"
       << "application version  " << record.applicationVersion << "\n\n"
       << withLineFeeds(buildSettingsSummary(s)) << "\n";
  return text.str();
}

namespace {

std::string whyAdjusted(SettingsField field) {
  switch (field) {
    case SettingsField::Power:
      return "not a power the settings window offers";
    case SettingsField::Channel:
      return "outside the range with hopping";
    default:
      return "a code the settings window has no button for";
  }
}

std::string valueText(SettingsField field, int value) {
  return fieldValueText(field, value).value_or("code " + std::to_string(value));
}

// What the exchange is about to upload beyond what was asked, told before it goes out.
void noteBeforeUpload(const Output& out, const SettingsRecord& record, bool channelAsked) {
  if (record.startedFromDefaults) {
    out.note("The base unit has never been set: starting from the default settings.");
  }
  for (const FieldAdjustment& a : record.adjusted) {
    out.note(std::string("Also changed ") + settingsFieldKey(a.field) + " from " +
             valueText(a.field, a.from) + " to " + valueText(a.field, a.to) + " (" +
             whyAdjusted(a.field) + ").");
  }
  // A channel named after hopping went on replaces the one the window put in its place.
  if (record.channelReset && !channelAsked) {
    out.note(withLineFeeds(settingsMessageText(SettingsMessage::ChannelReset)));
  }
}

// SIGINT or SIGTERM ended the exchange: whether anything may have been uploaded.
CliError interruptedError(const CliSession& cli, const SettingsExchange& exchange) {
  const int signal = cli.interruptedBy();
  const bool sent = exchange.uploadSent();
  return {exitCodeForSignal(signal),
          sent ? "interrupted before the base unit confirmed the upload: whether it took the "
                 "new settings is unknown (vkr settings read shows what it has)"
               : "interrupted: nothing was uploaded",
          {{"outcome", "interrupted"},
           {"signal", signalName(signal)},
           {"upload", sent ? "unknown" : "none"}}};
}

// Throws what the operator is told unless the exchange read or uploaded the settings.
void throwUnlessDone(const CliSession& cli, const SettingsExchange& exchange) {
  const SettingsRecord& record = exchange.record();
  switch (exchange.ending()) {
    case SettingsEnding::Read:
    case SettingsEnding::Uploaded:
    case SettingsEnding::Unchanged:
      return;
    case SettingsEnding::Unset:
      throw CliError(exitCodeFor(SettingsMessage::UnsetUnit),
                     std::string(settingsMessageText(SettingsMessage::UnsetUnit)) +
                         " (bootloader " + record.bootloaderVersion + ", application " +
                         record.applicationVersion + ")");
    case SettingsEnding::NoReply: {
      std::ostringstream text;
      text << settingsMessageText(SettingsMessage::NoReply) << " No reply to "
           << exchange.waitingFor() << " within " << std::setprecision(3)
           << cli.options().timeoutSeconds << " s.";
      throw CliError(exitCodeFor(SettingsMessage::NoReply), text.str());
    }
    case SettingsEnding::ChangeRefused:
      throw CliError(kBadUsage, exchange.refusal());
    case SettingsEnding::UnexpectedAnswer:
      throw CliError(
          kFailed, std::string("unexpected answer: ") + settingsMessageText(exchange.unexpected()));
    case SettingsEnding::ReadBackDiffers: {
      std::string differences;
      for (const SettingsDifference& mismatch : record.mismatches) {
        differences += (differences.empty() ? "" : "; ") + differenceText(mismatch);
      }
      throw CliError(kFailed, "the settings read back after the upload are not those uploaded: " +
                                  differences);
    }
    case SettingsEnding::LinkBroke:
      throw CliError(kLinkUnusable,
                     "Cannot communicate with the base unit. The link broke: " + cli.linkProblem());
    case SettingsEnding::Interrupted:
      throw interruptedError(cli, exchange);
    case SettingsEnding::Failed:
      std::rethrow_exception(exchange.failure());
  }
}

}  // namespace

void SettingsJob::start() {
  CliSession& cli = this->cli();
  cli.open();
  exchange_ = std::make_unique<SettingsExchange>(cli.session(), cli.timeout());
  SettingsExchange& exchange = *exchange_;
  cli.endWith({.linkBroke = [&exchange] { exchange.linkBroke(); },
               .interrupted = [&exchange] { exchange.interrupt(); },
               .failed = [&exchange](std::exception_ptr failure) { exchange.fail(failure); }});
  QObject::connect(&exchange, &SettingsExchange::ended, &exchange, [&cli] { cli.finished(); });
  QObject::connect(&exchange, &SettingsExchange::aboutToUpload, &exchange,
                   [&cli, &exchange, notes = notes_] {
                     if (notes.adjustments) {
                       noteBeforeUpload(cli.out(), exchange.record(), notes.channelAsked);
                     }
                     cli.takeSignal();
                   });
  begin_(exchange);
}

void SettingsJob::conclude() {
  throwUnlessDone(cli(), *exchange_);
  report_(cli().out(), exchange_->record());
}

void reportUpload(const Output& out, const SettingsRecord& record) {
  // The upload carries no nation, so an echo may name none (or any): show the one read.
  BaseSettings echoed = record.settings;
  std::string nationNote;
  if (record.nationBefore) {
    echoed.nation = *record.nationBefore;
    nationNote = " (not changed: vkr uploads no nation)";
  }
  out.note(settingsMessageText(SettingsMessage::UploadConfirmed));
  nlohmann::json adjusted = nlohmann::json::array();
  for (const FieldAdjustment& a : record.adjusted) {
    adjusted.push_back({{"field", settingsFieldKey(a.field)},
                        {"from", settingsFieldValue(a.field, a.from)},
                        {"to", settingsFieldValue(a.field, a.to)}});
  }
  nlohmann::json result = settingsResult(echoed, record);
  result["started_from_defaults"] = record.startedFromDefaults;
  result["also_changed"] = adjusted;
  out.result(result, settingsText(echoed, record, nationNote));
}

}  // namespace orbelle::cli
