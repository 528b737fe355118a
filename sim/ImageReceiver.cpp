#include "ImageReceiver.h"

#include <algorithm>

#include "protocol/CommandCode.h"

namespace orbelle::sim {

namespace {

const UpgradeReplyCodes kBaseCodes{
    codeByte(CommandCode::BaseUpgradeStartAck), codeByte(CommandCode::BaseUpgradeBlockAck),
    codeByte(CommandCode::BaseUpgradeBlockRetry), codeByte(CommandCode::BaseUpgradeDone),
    codeByte(CommandCode::BaseUpgradeHandshake)};

const UpgradeReplyCodes kHandheldCodes{codeByte(CommandCode::HandheldUpgradeStartAck),
                                       codeByte(CommandCode::HandheldUpgradeBlockAck),
                                       codeByte(CommandCode::HandheldUpgradeBlockRetry),
                                       codeByte(CommandCode::HandheldUpgradeDone), std::nullopt};

std::string describeBlock(std::uint32_t offset) {
  std::string text("offset ");
  text.append(std::to_string(offset))
      .append(" (page ")
      .append(std::to_string(offset / kPageSize))
      .append(", slot ")
      .append(std::to_string((offset % kPageSize) / kBlockSize))
      .append(")");
  return text;
}

ImageReceiver::Step refused(std::string why) { return {std::nullopt, false, std::move(why)}; }

}  // namespace

const char* imageKindName(ImageKind kind) { return kind == ImageKind::Base ? "base" : "handheld"; }

const UpgradeReplyCodes& replyCodesFor(ImageKind kind) {
  return kind == ImageKind::Base ? kBaseCodes : kHandheldCodes;
}

ImageReceiver::ImageReceiver(ImageKind kind, std::uint32_t length, Rules rules)
    : kind_(kind), codes_(replyCodesFor(kind)), length_(length), rules_(rules) {
  if (!codes_.handshake) {
    rules_.handshakeEvery.reset();
  }
  image_.resize(length_);
  if (length_ == 0) {
    state_ = State::Complete;
  }
}

ImageReceiver::Step ImageReceiver::onBlock(std::uint16_t page, std::uint8_t slot,
                                           std::span<const std::uint8_t> data,
                                           std::span<const std::uint8_t> payload) {
  if (slot >= kSlotsPerPage) {
    return refused("block slot " + std::to_string(slot) + " is outside 0..7");
  }
  const std::uint32_t offset = page * kPageSize + slot * kBlockSize;
  const bool resendOfLast = lastOffset_ == offset;
  switch (state_) {
    case State::AwaitingHandshakeReply:
      return refused("block at " + describeBlock(offset) + " while a handshake reply is awaited");
    case State::Complete:
      if (resendOfLast) {
        accept(offset, data, payload);
        return {finalReply(), false, {}};
      }
      return refused("block at " + describeBlock(offset) + " after the image was complete");
    case State::AwaitingResend:
      if (offset == expected_) {
        return accept(offset, data, payload);
      }
      return refused("block at " + describeBlock(offset) +
                     " instead of the resend of the block at " + describeBlock(expected_));
    case State::Receiving:
      break;
  }
  if (offset == expected_) {
    if (isEvery(rules_.retryEvery, offset / kBlockSize + 1)) {
      state_ = State::AwaitingResend;
      return {codes_.retry, false, {}};
    }
    return accept(offset, data, payload);
  }
  if (resendOfLast) {
    accept(offset, data, payload);
    return {codes_.blockAck, false, "block at " + describeBlock(offset) + " sent again"};
  }
  return refused("block at " + describeBlock(offset) + ", expected the block at " +
                 describeBlock(expected_));
}

ImageReceiver::Step ImageReceiver::onHandshakeReply(std::span<const std::uint8_t> payload) {
  if (state_ != State::AwaitingHandshakeReply) {
    return refused("handshake reply that was not asked for");
  }
  std::string note;
  if (!std::equal(payload.begin(), payload.end(), lastPayload_.begin(), lastPayload_.end())) {
    note = "handshake reply does not repeat the payload of the block before it";
  }
  Step step = afterAccepted(handshakeOnLast_);
  step.imageComplete = false;  // reported when the last block came in
  step.note = std::move(note);
  return step;
}

ImageReceiver::Step ImageReceiver::accept(std::uint32_t offset, std::span<const std::uint8_t> data,
                                          std::span<const std::uint8_t> payload) {
  const std::size_t count = std::min<std::size_t>(kBlockSize, length_ - offset);
  std::copy_n(data.begin(), std::min(count, data.size()), image_.begin() + offset);
  lastPayload_.assign(payload.begin(), payload.end());
  if (state_ == State::Complete) {
    return {};
  }
  lastOffset_ = offset;
  expected_ = offset + static_cast<std::uint32_t>(count);
  const bool last = expected_ == length_;
  if (isEvery(rules_.handshakeEvery, offset / kBlockSize + 1)) {
    state_ = State::AwaitingHandshakeReply;
    handshakeOnLast_ = last;
    return {codes_.handshake, last, {}};
  }
  Step step = afterAccepted(last);
  step.imageComplete = last;
  return step;
}

ImageReceiver::Step ImageReceiver::afterAccepted(bool last) {
  state_ = last ? State::Complete : State::Receiving;
  return {last ? finalReply() : codes_.blockAck, false, {}};
}

std::uint8_t ImageReceiver::finalReply() const {
  return rules_.finishWithDone ? codes_.done : codes_.blockAck;
}

bool ImageReceiver::isEvery(const std::optional<int>& every, std::uint32_t blockNumber) {
  return every && blockNumber % static_cast<std::uint32_t>(*every) == 0;
}

}  // namespace orbelle::sim
