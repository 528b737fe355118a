#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>

#include "message/OperatorMessage.h"
#include "opening/LinkedFeature.h"
#include "protocol/TurnaroundStats.h"
#include "session/SessionUpgradeChannel.h"
#include "upgrade/TransferFigures.h"
#include "upgrade/UpgradeRecord.h"
#include "upgrade/UpgradeTransfer.h"
#include "upgrade/UpgradeView.h"

namespace orbelle {

class Session;

// How an upgrade operation ended.
enum class UpgradeEnding {
  Transfer,     // the transfer told its outcome: completed, or refused or stopped with a message
  LinkRefused,  // the link, released after a break, could not be opened again
  NoReply,      // the unit stayed silent past the limit, and the operation was told to give up
  LinkBroke,    // the device went away or the port hung up under the transfer
  Interrupted,  // the program was told to stop
  Failed,       // something of ours failed inside the event loop
};

struct UpgradeEnd {
  UpgradeEnding ending = UpgradeEnding::Transfer;
  // Where the transfer stood when it ended; its counts and lengths stay readable afterwards.
  UpgradeState stateAtEnd = UpgradeState::Idle;
  // Transfer: the outcome and what the operator is told.
  UpgradeOutcome outcome = UpgradeOutcome::Running;
  OperatorMessage message;
  // Transfer with LinkFailed: why the serial port refused the step, for a remedy.
  std::optional<LinkRefusal> refusal;
  // LinkRefused: the opening's result.
  std::optional<LinkedFeatureResult> opening;
  // Failed: what failed.
  std::exception_ptr failure;
};

// One upgrade of the base unit or of a handheld unit, from the Upgrade command to its end: the
// engine, its side of the channel with the pauses, the reopening of a released link, the clock
// of the blocks, the figures, the advice on a slow adapter and the watch on a silent unit. The
// upgrade window and vkr observe it through its signals and only present; like a
// QNetworkReply, it reports progress and ends with a typed outcome. One per upgrade window,
// for the whole run, so that the transfer survives the window's closing. Each upgrade it
// starts, whatever its ending, is recorded in the upgrade history here, for both programs.
class UpgradeOperation : public QObject, private UpgradeView {
  Q_OBJECT

 public:
  enum class Unit { Base, Handheld };
  using Clock = std::chrono::steady_clock;

  struct Options {
    PauseDurations pauses;
    // How long the unit may stay silent, pauses excluded, before it is said.
    std::chrono::milliseconds silenceLimit{10000};
    // Ends the operation with NoReply there, rather than saying it every second until a reply.
    bool endWhenSilent = false;
    // The program that records each upgrade in the history ("orbelle", "vkr"); none: no record.
    std::string program;
    // The record of an upgrade that ended waits for recordVersions(): vkr reads the base unit's
    // versions around the transfer.
    bool versionsFollow = false;
  };

  // What was read of the base unit's versions around a transfer, for its record.
  struct VersionCheck {
    std::optional<UnitVersions> before;
    std::optional<UnitVersions> after;
    std::string warning;  // what could not be read, and what to check
  };

  UpgradeOperation(Session& session, Unit unit, RunHistory& runHistory, Options options,
                   QObject* parent = nullptr);
  ~UpgradeOperation() override;
  UpgradeOperation(const UpgradeOperation&) = delete;
  UpgradeOperation& operator=(const UpgradeOperation&) = delete;

  FeatureWindow feature() const;
  const UpgradeCodeTable& table() const { return transfer_.table(); }

  // Replies reach the transfer from here on: its window opens, or vkr's run begins.
  void listen();
  // The Upgrade command: opens the link again when a break released it, then sends the image
  // from its first byte.
  void start(const std::filesystem::path& image);
  // Every way out of the window: no pause ends, the transfer is abandoned, replies reach no one
  // and the link is released.
  void close();
  // The link broke under the transfer: it is released at once, and Upgrade may try again.
  void linkBroke();
  // The program was told to stop.
  void interrupt();
  // What our code threw inside the event loop: the transfer is abandoned rather than left
  // waiting for nothing.
  void fail(std::exception_ptr failure);
  // Completes and writes the record of the upgrade that ended last (with versionsFollow).
  void recordVersions(const VersionCheck& check);

  const UpgradeTransfer& transfer() const { return transfer_; }
  bool running() const { return transfer_.state() != UpgradeState::Idle; }
  bool paused() const { return paused_; }
  // When the start frame went out; none before it.
  std::optional<Clock::time_point> startedAt() const { return startedAt_; }
  // How far the transfer has come now, timed from its first block; none before it.
  std::optional<ProgressFigures> figures() const;
  // From the first block to the last acknowledgement (or the done reply), and the image bytes
  // per second over it; 0 until both are known.
  double blockPhaseSeconds() const;
  double effectiveRate() const;
  // The unit's turnarounds over RS232; none over USB or before any was measured.
  const TurnaroundStats* turnarounds() const;

 signals:
  void startSent();
  void progressed(int percent);
  void blockSent();
  void upgradeAllowed(bool allowed);
  // No reply is due, and no input is taken, until pauseOver. `restart`: the unit restarts
  // after its last block; otherwise it takes the start frame.
  void pauseBegan(bool restart, std::chrono::milliseconds duration);
  void pauseOver();
  // No reply for this many seconds; told again each second until one comes (unitAnswered).
  void unitSilent(long long seconds);
  void unitAnswered();
  // What a slow serial adapter costs this transfer and what mends it; once per transfer.
  void advised(const std::string& text);
  // The end, whichever it was. A done reply after a completion tells the completion again.
  void ended(const UpgradeEnd& end);
  // The upgrade could not be recorded: a warning to show, never a failed upgrade.
  void recordFailed(const std::string& warning);

 private:
  // What the transfer tells its view.
  void setUpgradeEnabled(bool enabled) override;
  void setProgress(int percent) override { emit progressed(percent); }
  void transferFinished(UpgradeOutcome outcome, std::string_view text, std::string_view title,
                        MessageIcon icon) override;
  void replyReceived() override;
  void pauseStarted(bool restart, std::chrono::milliseconds duration) override;
  void pauseEnded() override;
  void transferEvent(UpgradeEvent event) override;

  void adviseOnAdapterDelay();
  double secondsSinceFirstBlock(Clock::time_point now) const;
  void watchSilence();
  void silenceDue();
  // No pause ends, no silence is watched, the image is closed; then `end` is told.
  void finish(UpgradeEnd end, bool releaseLink);
  void endPause();
  // Tells the end, with the record it closes.
  void announce(const UpgradeEnd& end);
  void closeRecord(const std::string& outcome, const std::string& message);
  void writeRecord();

  Session& session_;
  Options options_;
  FeatureWindow feature_;
  SessionUpgradeChannel channel_;
  UpgradeTransfer transfer_;
  bool paused_ = false;
  QTimer silence_;
  Clock::time_point lastHeard_{};
  bool silenceTold_ = false;
  std::optional<Clock::time_point> startedAt_;
  std::optional<Clock::time_point> firstBlockAt_;
  std::optional<Clock::time_point> lastAckAt_;
  bool advised_ = false;
  // The record of the upgrade under way, from its start to its writing; held once it ended
  // while versions are to follow.
  std::optional<UpgradeRecord> record_;
  bool recordEnded_ = false;
  Clock::time_point recordStartedAt_{};
};

}  // namespace orbelle
