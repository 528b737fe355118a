#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

#include "protocol/LinkChoice.h"
#include "protocol/ReplyDispatcher.h"
#include "upgrade/ImageFile.h"
#include "upgrade/RunHistory.h"
#include "upgrade/UpgradeChannel.h"
#include "upgrade/UpgradeCodeTable.h"
#include "upgrade/UpgradeReport.h"
#include "upgrade/UpgradeView.h"

namespace orbelle {

enum class UpgradeState {
  Idle,              // no image open: nothing started yet, or a completion or close-down closed it
  StartPause,        // start frame sent; the line keeps the start-frame settings until it ends
  AwaitingStartAck,  // the start has been sent, no block yet
  BlockOutstanding,  // a block has been sent and waits for its acknowledgement
  // Every block acknowledged over RS232; the unit restarts before the reopen. The image stays
  // open until the unit has kept quiet through it: a retry request then is still answered.
  CompletionPause,
};

constexpr bool isPause(UpgradeState state) {
  return state == UpgradeState::StartPause || state == UpgradeState::CompletionPause;
}

// Sends a firmware image to the base unit or, through it, to a handheld unit, one 32-byte
// block per reply. Nothing is timed here: every step follows a reply or the end of a pause
// the channel side was asked for. One instance per upgrade window; it outlives the window's
// openings.
class UpgradeTransfer : public ReplyReceiver {
 public:
  // `link` is the operator's choice, read at each start.
  UpgradeTransfer(const UpgradeCodeTable& table, const LinkChoice& link, UpgradeChannel& channel,
                  UpgradeView& view, RunHistory& runHistory);

  // The Upgrade command: restarts from the first byte whatever state the transfer is in.
  void startUpgrade(const std::filesystem::path& imagePath);

  // One reply; only its code byte is read (and its FCS verdict counted). Replies that come
  // during a pause wait for its end.
  void handleReply(const Reply& reply);
  void onLinkReply(const Reply& reply) override { handleReply(reply); }
  void onStaleReply() override { ++counters_.staleReplies; }
  void onBytesDropped(std::size_t count) override;

  // The pause the channel side was asked for runs now, for `duration` (a serial line's counts from
  // when the start frame has left the port).
  void pauseArmed(std::chrono::milliseconds duration);
  // The channel side's timer for the pause it was asked to start has fired.
  void pauseElapsed();

  // The window's close-down: the image is closed, the counts and lengths are kept. Replies
  // that come later find no image and send nothing.
  void closeImage();

  const UpgradeCodeTable& table() const { return table_; }
  UpgradeState state() const { return state_; }
  std::uint32_t imageLength() const { return imageLength_; }
  std::uint32_t offset() const { return offset_; }
  std::uint32_t lastBlockLength() const { return lastBlockLength_; }
  const UpgradeCounters& counters() const { return counters_; }
  std::size_t pendingReplies() const { return pending_.size(); }

 private:
  // The one transition function: every reply and every end of a pause goes through it.
  void transition(UpgradeInput input);
  // Runs queued inputs unless a pause is running or a transition is already under way.
  void pump();

  bool imageOpen() const;
  std::uint32_t remaining() const { return imageLength_ - offset_; }
  int percentSent() const;
  bool takeStartLineSettings();

  bool openImage(const std::filesystem::path& imagePath);
  void refuseStart(std::string_view text, bool reenableUpgrade);
  void sendStart();
  void sendFrame(CommandCode code, const FramePayload& payload);
  void finishStart();
  void sendNextBlock();
  void resendLastBlock();
  bool sendBlockAtOffset(bool resend);
  void abandonUnreadableImage();
  bool imageStillUnchanged();
  // Ends the transfer without success: the image closes, queued replies go, the operator is
  // told why.
  void stop(UpgradeOutcome outcome, std::string_view text, std::string_view title);
  // Runs a serial-port step; a refusal stops the transfer with the port's words.
  bool linkStep(const std::function<void()>& step);
  void answerHandshake();
  void completeOnLastAck();
  void finishLastAckCompletion();
  // What the unit said while it should have been restarting; none when it kept quiet.
  bool answerRetryAfterLastAck();
  bool restartWasQuiet() const;
  void completeOnDone();
  void closeFor(UpgradeCompletion completion);
  void announceCompletion(UpgradeOutcome outcome);
  void report(UpgradeEvent event);

  const UpgradeCodeTable& table_;
  const LinkChoice& link_;
  UpgradeChannel& channel_;
  UpgradeView& view_;
  RunHistory& runHistory_;

  UpgradeState state_ = UpgradeState::Idle;
  std::optional<ImageFile> image_;
  std::uint32_t imageLength_ = 0;
  std::uint32_t offset_ = 0;
  std::uint32_t lastBlockLength_ = 0;
  UpgradeCounters counters_;
  UpgradeOutcome outcome_ = UpgradeOutcome::Running;

  std::deque<UpgradeInput> pending_;
  // Bytes the link dropped between the last acknowledgement and the end of the reopening: a
  // unit that restarts sends nothing, so a whole frame's worth puts the completion in doubt.
  std::size_t droppedDuringRestart_ = 0;
  // Re-entrancy guard, not transfer state: a reply handed over from inside a channel side call
  // waits until the transition that made that call has finished.
  bool pumping_ = false;
};

}  // namespace orbelle
