#include "upgrade/UpgradeTransfer.h"

#include <algorithm>
#include <array>

#include "protocol/LineSettings.h"
#include "protocol/LinkError.h"
#include "upgrade/CompletionDoubt.h"
#include "upgrade/UpgradeFrames.h"
#include "upgrade/UpgradeImage.h"
#include "upgrade/UpgradeMessages.h"

namespace orbelle {

namespace {

// The unit restarts after its last block; the port is reopened only after this many long
// pauses.
constexpr int kRestartLongPauses = 6;

}  // namespace

UpgradeTransfer::UpgradeTransfer(const UpgradeCodeTable& table, const LinkChoice& link,
                                 UpgradeChannel& channel, UpgradeView& view, RunHistory& runHistory)
    : table_(table), link_(link), channel_(channel), view_(view), runHistory_(runHistory) {}

void UpgradeTransfer::startUpgrade(const std::filesystem::path& imagePath) {
  // A restart drops the previous image and anything its replies left queued.
  pending_.clear();
  image_.reset();
  state_ = UpgradeState::Idle;
  counters_ = {};
  outcome_ = UpgradeOutcome::Running;

  if (table_.discardBeforeStartOnRs232 && link_.protocol == LinkProtocol::Rs232 &&
      !linkStep([this] { channel_.discardInput(); })) {
    return;
  }
  view_.setUpgradeEnabled(false);
  if (openImage(imagePath)) {
    sendStart();
  }
}

bool UpgradeTransfer::openImage(const std::filesystem::path& imagePath) {
  UpgradeImage image = openUpgradeImage(imagePath);
  if (image.refusal) {
    // After a file that did not open the button stays off until Browse picks another file.
    // One that opened but cannot be sent leaves the length at 0: no start frame, and the
    // replies that come later are ignored.
    const bool opened = *image.refusal != ImageRefusal::CannotOpen;
    if (opened) {
      imageLength_ = 0;
      offset_ = 0;
    }
    refuseStart(imageRefusalMessage(image, table_), opened);
    return false;
  }
  imageLength_ = static_cast<std::uint32_t>(image.length);
  offset_ = 0;
  image_ = std::move(image.file);
  return true;
}

void UpgradeTransfer::sendStart() {
  if (takeStartLineSettings() &&
      !linkStep([this] { channel_.setLineSettings(kStartFrameLineSettings); })) {
    return;
  }
  state_ = UpgradeState::StartPause;
  sendFrame(table_.start, startPayload(imageLength_, link_.baudrate));
  report(UpgradeEvent::StartSent);
  channel_.startPause(table_.pauseAfterStart, 1);
}

void UpgradeTransfer::handleReply(const Reply& reply) {
  view_.replyReceived();
  const std::optional<UpgradeInput> input = classifyReply(table_, reply.frame[frame_pos::kCode]);
  if (!input) {
    return;
  }
  if (!reply.fcsGood) {
    ++counters_.badFcsReplies;
  }
  pending_.push_back(*input);
  pump();
}

void UpgradeTransfer::pauseArmed(std::chrono::milliseconds duration) {
  view_.pauseStarted(state_ == UpgradeState::CompletionPause, duration);
}

void UpgradeTransfer::pauseElapsed() {
  view_.pauseEnded();
  if (!isPause(state_)) {
    return;  // a timer from a pause that a restart or close-down has already ended
  }
  transition(UpgradeInput::PauseElapsed);
  pump();
}

void UpgradeTransfer::closeImage() {
  pending_.clear();
  image_.reset();
  state_ = UpgradeState::Idle;
}

void UpgradeTransfer::pump() {
  if (pumping_) {
    return;
  }
  pumping_ = true;
  try {
    while (!isPause(state_) && !pending_.empty()) {
      const UpgradeInput input = pending_.front();
      pending_.pop_front();
      transition(input);
    }
  } catch (...) {
    // A call that throws must not leave every later reply queued for ever.
    pumping_ = false;
    throw;
  }
  pumping_ = false;
}

void UpgradeTransfer::transition(UpgradeInput input) {
  switch (input) {
    case UpgradeInput::PauseElapsed:
      if (state_ == UpgradeState::StartPause) {
        finishStart();
      } else if (state_ == UpgradeState::CompletionPause) {
        finishLastAckCompletion();
      }
      return;
    case UpgradeInput::StartAck:
      // A repeated start acknowledgement once everything has gone out has nothing to send.
      if (imageOpen() && remaining() > 0) {
        sendNextBlock();
      }
      return;
    case UpgradeInput::BlockAck:
      if (!imageOpen()) {
        return;
      }
      if (remaining() > 0) {
        sendNextBlock();
        view_.setProgress(percentSent());
      } else {
        completeOnLastAck();
      }
      return;
    case UpgradeInput::BlockRetry:
      // Only a block of this transfer can be sent again.
      if (state_ == UpgradeState::BlockOutstanding) {
        resendLastBlock();
      }
      return;
    case UpgradeInput::Handshake:
      if (imageOpen()) {
        answerHandshake();
      }
      return;
    case UpgradeInput::Done:
      // Reads no file, so it is honoured after a completion too: the message shows again. Not
      // after a failure, though: that would announce an upgrade that did not happen.
      if (imageOpen() || (state_ == UpgradeState::Idle && isSuccess(outcome_))) {
        completeOnDone();
      }
      return;
  }
}

bool UpgradeTransfer::imageOpen() const {
  return state_ == UpgradeState::AwaitingStartAck || state_ == UpgradeState::BlockOutstanding;
}

int UpgradeTransfer::percentSent() const {
  return static_cast<int>(std::uint64_t{offset_} * 100 / imageLength_);
}

bool UpgradeTransfer::takeStartLineSettings() {
  if (table_.startLineRule == StartLineRule::EveryStart) {
    return true;
  }
  const bool first = runHistory_.firstHandheldStart;
  runHistory_.firstHandheldStart = false;
  return first;
}

void UpgradeTransfer::refuseStart(std::string_view text, bool reenableUpgrade) {
  outcome_ = UpgradeOutcome::FileRefused;
  view_.transferFinished(outcome_, text, kUpgradeMessageTitle, MessageIcon::Error);
  if (reenableUpgrade) {
    view_.setUpgradeEnabled(true);
  }
}

void UpgradeTransfer::finishStart() {
  state_ = UpgradeState::AwaitingStartAck;
  if (const auto settings = lineSettingsForBaudrate(link_.baudrate)) {
    linkStep([this, &settings] { channel_.setLineSettings(*settings); });
  }
}

void UpgradeTransfer::sendNextBlock() {
  if (sendBlockAtOffset(false)) {
    report(UpgradeEvent::BlockSent);
  }
}

void UpgradeTransfer::resendLastBlock() {
  offset_ -= lastBlockLength_;
  ++counters_.retries;
  if (sendBlockAtOffset(true)) {
    report(UpgradeEvent::BlockResent);
  }
}

bool UpgradeTransfer::sendBlockAtOffset(bool resend) {
  const auto n = static_cast<std::uint32_t>(std::min<std::uint64_t>(kBlockSize, remaining()));
  std::array<std::uint8_t, kBlockSize> data{};
  const std::span<std::uint8_t> block = std::span(data).first(n);
  if (image_->readAt(offset_, block) != n) {
    abandonUnreadableImage();
    return false;
  }
  const FramePayload payload = blockPayload(offset_, block);
  // Bookkeeping first: the channel side may hand over the next reply from inside sendFrame.
  offset_ += n;
  lastBlockLength_ = n;
  state_ = UpgradeState::BlockOutstanding;
  ++counters_.blocksSent;
  (resend ? counters_.resentBytes : counters_.imageBytesSent) += n;
  sendFrame(table_.block, payload);
  return true;
}

void UpgradeTransfer::sendFrame(CommandCode code, const FramePayload& payload) {
  // Lock-step: replies still queued arrived before this frame, so none of them answers it.
  // A repeated reply handled later would send the next block early and leave every
  // acknowledgement one block behind.
  counters_.staleReplies += static_cast<std::uint32_t>(pending_.size());
  pending_.clear();
  channel_.sendFrame(code, payload);
}

void UpgradeTransfer::abandonUnreadableImage() {
  // Zeros in place of missing bytes would be flashed as firmware; stop instead.
  if (!image_->unchanged()) {
    stop(UpgradeOutcome::ImageChanged, kImageChangedMessage, kUpgradeMessageTitle);
    return;
  }
  stop(UpgradeOutcome::ImageUnreadable, imageReadFailedMessage(offset_, imageLength_),
       kUpgradeMessageTitle);
}

bool UpgradeTransfer::imageStillUnchanged() {
  if (image_->unchanged()) {
    return true;
  }
  stop(UpgradeOutcome::ImageChanged, kImageChangedMessage, kUpgradeMessageTitle);
  return false;
}

void UpgradeTransfer::stop(UpgradeOutcome outcome, std::string_view text, std::string_view title) {
  pending_.clear();
  image_.reset();
  state_ = UpgradeState::Idle;
  view_.setUpgradeEnabled(true);
  outcome_ = outcome;
  view_.transferFinished(outcome_, text, title, MessageIcon::Error);
}

void UpgradeTransfer::answerHandshake() {
  ++counters_.handshakes;
  sendFrame(*table_.handshakeReply, {});
  report(UpgradeEvent::HandshakeAnswered);
}

void UpgradeTransfer::completeOnLastAck() {
  report(UpgradeEvent::AllBlocksAcknowledged);
  if (!imageStillUnchanged()) {
    return;
  }
  // The restart wait and the reopen concern the serial port only; a USB user stays on USB.
  if (link_.protocol != LinkProtocol::Rs232) {
    closeFor(UpgradeCompletion::LastAck);
    announceCompletion(UpgradeOutcome::CompletedByLastAck);
    return;
  }
  view_.setProgress(percentSent());
  // A repeat of this acknowledgement right behind it is no sign of trouble; anything later is.
  channel_.dropRepeats();
  droppedDuringRestart_ = 0;
  state_ = UpgradeState::CompletionPause;
  channel_.startPause(PauseKind::Long, kRestartLongPauses);
}

void UpgradeTransfer::onBytesDropped(std::size_t count) {
  if (state_ == UpgradeState::CompletionPause) {
    droppedDuringRestart_ += count;
  }
}

bool UpgradeTransfer::answerRetryAfterLastAck() {
  const bool onlyRetries =
      !pending_.empty() && std::all_of(pending_.begin(), pending_.end(), [](UpgradeInput input) {
        return input == UpgradeInput::BlockRetry;
      });
  if (!onlyRetries || droppedDuringRestart_ >= kWireFrameSize) {
    return false;
  }
  // The acknowledgement taken for the last block's was not its answer: the unit still wants it.
  pending_.clear();
  state_ = UpgradeState::BlockOutstanding;
  resendLastBlock();
  return true;
}

bool UpgradeTransfer::restartWasQuiet() const {
  return pending_.empty() && droppedDuringRestart_ < kWireFrameSize;
}

void UpgradeTransfer::finishLastAckCompletion() {
  if (answerRetryAfterLastAck()) {
    return;
  }
  // What came in while the unit restarted goes with the port's input; the drops still count.
  if (!linkStep([this] {
        channel_.discardInput();
        channel_.reopenSerial();
      })) {
    report(UpgradeEvent::Completed);
    return;
  }
  if (!restartWasQuiet()) {
    const std::string text = completionInDoubtMessage(table_, pending_, droppedDuringRestart_);
    stop(UpgradeOutcome::CompletionInDoubt, text, kUpgradeLinkMessageTitle);
    return;
  }
  closeFor(UpgradeCompletion::LastAck);
  announceCompletion(UpgradeOutcome::CompletedByLastAck);
}

void UpgradeTransfer::completeOnDone() {
  // After a completion the image is closed and nothing more was read.
  if (image_ && !imageStillUnchanged()) {
    return;
  }
  closeFor(UpgradeCompletion::Done);
  announceCompletion(UpgradeOutcome::CompletedByDone);
}

void UpgradeTransfer::closeFor(UpgradeCompletion completion) {
  view_.setUpgradeEnabled(true);
  view_.setProgress(percentSent());
  image_.reset();
  state_ = UpgradeState::Idle;
  ++counters_.completions;
  if (counters_.completion == UpgradeCompletion::None) {
    counters_.completion = completion;
  }
}

void UpgradeTransfer::announceCompletion(UpgradeOutcome outcome) {
  outcome_ = outcome;
  view_.transferFinished(outcome_, table_.completionMessage, kUpgradeMessageTitle,
                         MessageIcon::Information);
  view_.setProgress(0);
  report(UpgradeEvent::Completed);
}

bool UpgradeTransfer::linkStep(const std::function<void()>& step) {
  try {
    step();
    return true;
  } catch (const LinkError& error) {
    // The port's own words say what went wrong; the transfer cannot go on without it.
    stop(UpgradeOutcome::LinkFailed, error.what(), kUpgradeLinkMessageTitle);
    return false;
  }
}

void UpgradeTransfer::report(UpgradeEvent event) { view_.transferEvent(event); }

}  // namespace orbelle
