#pragma once

#include <array>
#include <cstdint>

#include "protocol/ReportFrame.h"

namespace orbelle {

// Index of the feature window that receives replies.
enum class Feature : std::int32_t {
  None = -1,
  SetBaseUnit = 0,
  UpgradeBaseUnit = 1,
  UpgradeHandheldUnit = 2,
  SetProtocol = 3,
};

class ReplyReceiver {
 public:
  virtual ~ReplyReceiver() = default;
  // Reads the reply while handling it and keeps no reference: the next reply overwrites it.
  virtual void onLinkReply(const ReportFrame& rxFrame) = 0;
  // The link dropped a reply that came too soon to answer the last frame sent.
  virtual void onStaleReply() {}
  // The link dropped `count` bytes without handing them over (stale, stray or discarded).
  virtual void onBytesDropped(std::size_t /*count*/) {}
};

// Routes each reply to the receiver that activeFeature names. A receiver is attached
// while its window is open; a reply for no attached receiver is dropped silently.
class ReplyDispatcher {
 public:
  void setActiveFeature(Feature feature) { activeFeature_ = feature; }
  Feature activeFeature() const { return activeFeature_; }

  void attach(Feature feature, ReplyReceiver* receiver);
  void detach(Feature feature);

  // Synchronous: returns once the receiver has handled the frame.
  void dispatch(const ReportFrame& rxFrame);
  void dispatchStaleReply();
  void dispatchDroppedBytes(std::size_t count);

 private:
  ReplyReceiver* activeReceiver() const;

  static constexpr std::size_t kReceiverSlots = 3;
  Feature activeFeature_ = Feature::None;
  std::array<ReplyReceiver*, kReceiverSlots> receivers_{};
};

}  // namespace orbelle
