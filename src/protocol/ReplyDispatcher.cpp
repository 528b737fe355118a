#include "protocol/ReplyDispatcher.h"

namespace orbelle {

namespace {

// Only the three windows that talk to the base unit ever receive replies.
bool hasSlot(FeatureWindow feature) {
  const auto index = static_cast<std::int32_t>(feature);
  return index >= 0 && index < 3;
}

}  // namespace

void ReplyDispatcher::attach(FeatureWindow feature, ReplyReceiver* receiver) {
  if (hasSlot(feature)) {
    receivers_[static_cast<std::size_t>(feature)] = receiver;
  }
}

void ReplyDispatcher::detach(FeatureWindow feature) { attach(feature, nullptr); }

ReplyReceiver* ReplyDispatcher::activeReceiver() const {
  return hasSlot(activeFeature_) ? receivers_[static_cast<std::size_t>(activeFeature_)] : nullptr;
}

void ReplyDispatcher::dispatch(const Reply& reply) {
  if (ReplyReceiver* receiver = activeReceiver()) {
    receiver->onLinkReply(reply);
  }
}

void ReplyDispatcher::dispatchStaleReply() {
  if (ReplyReceiver* receiver = activeReceiver()) {
    receiver->onStaleReply();
  }
}

void ReplyDispatcher::dispatchDroppedBytes(std::size_t count) {
  if (ReplyReceiver* receiver = activeReceiver()) {
    receiver->onBytesDropped(count);
  }
}

}  // namespace orbelle
