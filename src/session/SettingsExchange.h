#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "session/SessionSettingsChannel.h"
#include "settings/SetBaseUnitModel.h"
#include "settings/SettingsChange.h"
#include "settings/SettingsFile.h"

namespace orbelle {

class Session;

// How a settings exchange ended.
enum class SettingsEnding {
  Read,              // the current settings were read
  Uploaded,          // the unit echoed the upload (and an application's read back matched it)
  Unchanged,         // an application compared and uploaded nothing: no difference, or a dry run
  Unset,             // the unit was never set: only its versions are known
  NoReply,           // no reply within the deadline: waitingFor() says to what
  ChangeRefused,     // the change does not fit the unit's nation and hopping: refusal() says why
  UnexpectedAnswer,  // a settings reply of another kind than the one asked for
  ReadBackDiffers,   // the settings read back after an upload are not those uploaded
  LinkBroke,         // the device went away or the port hung up
  Interrupted,       // the program was told to stop; uploadSent() says whether it had gone out
  Failed,            // something of ours failed inside the event loop: failure()
};

// What the exchange leaves for the operator, as the settings window would show it.
struct SettingsRecord {
  BaseSettings settings;  // read, or as the unit echoed the upload
  std::string bootloaderVersion;
  std::string applicationVersion;
  // An upload's story: the unit had never been set and the defaults were the start; the nation
  // it reported before (uploads carry none); what the window's rules changed beside the change
  // asked for; whether switching hopping on put the channel back to 6.
  bool startedFromDefaults = false;
  bool uploaded = false;  // the upload went out
  std::optional<std::uint8_t> nationBefore;
  std::vector<FieldAdjustment> adjusted;
  bool channelReset = false;
  // An application's: where the settings asked for differ from the unit's (what an upload
  // changes), and where those read back after the upload differ from those uploaded.
  std::vector<SettingsDifference> differences;
  std::vector<SettingsDifference> mismatches;
};

// One settings job of vkr, from the read to its end: the settings window's model and rules,
// driven without a window, with one deadline for each reply. Like a QNetworkReply it ends once,
// with a typed ending and the record.
class SettingsExchange : public QObject, private SetBaseUnitView {
  Q_OBJECT

 public:
  SettingsExchange(Session& session, std::chrono::milliseconds deadline, QObject* parent = nullptr);
  ~SettingsExchange() override;
  SettingsExchange(const SettingsExchange&) = delete;
  SettingsExchange& operator=(const SettingsExchange&) = delete;

  // Reads the current settings.
  void read();
  // Reads them, applies `change` by the window's rules and uploads the result; a unit that was
  // never set starts from the defaults.
  void change(const SettingsChange& change);
  // Reads them (for the nation) and uploads the default settings.
  void restoreDefaults();
  // Reads them, applies `change` as change() does and compares: uploads only what differs
  // (nothing for a dry run, always for a unit never set), then reads the settings back and
  // checks them. A change made for another nation is refused.
  void apply(const SettingsChange& change, bool dryRun);

  void linkBroke();
  void interrupt();
  void fail(std::exception_ptr failure);

  bool hasEnded() const { return ending_.has_value(); }
  SettingsEnding ending() const { return ending_.value_or(SettingsEnding::Failed); }
  const SettingsRecord& record() const { return record_; }
  // The request a missing reply was due to: "the settings request", "the upload" or "the
  // settings request after the upload".
  const char* waitingFor() const;
  bool uploadSent() const { return uploadSent_; }
  const std::string& refusal() const { return refusal_; }
  SettingsMessage unexpected() const { return unexpected_; }
  std::exception_ptr failure() const { return failure_; }

 signals:
  // The upload is about to go out: the last moment to stop without changing the unit.
  void aboutToUpload();
  void ended();

 private:
  enum class Job { Read, Change, Defaults, Apply };
  enum class Phase { Reading, Uploading, ReadingBack };

  void begin(Job job);
  void showMessage(SettingsMessage message) override;
  void settingsRead(SettingsMessage message);
  void uploadAnswered(SettingsMessage message);
  // An application after the read: what would change; false when it ended there.
  bool compare(bool unset);
  void readBack(SettingsMessage message);
  void upload();
  void keepRecord();
  void end(SettingsEnding ending);

  SessionSettingsChannel channel_;
  SetBaseUnitModel model_;
  QTimer deadline_;
  Job job_ = Job::Read;
  Phase phase_ = Phase::Reading;
  SettingsChange change_;
  bool dryRun_ = false;
  BaseSettings uploaded_;
  SettingsRecord record_;
  bool uploadSent_ = false;
  std::string refusal_;
  SettingsMessage unexpected_ = SettingsMessage::CurrentLoaded;
  std::exception_ptr failure_;
  std::optional<SettingsEnding> ending_;
};

}  // namespace orbelle
