#pragma once

#include <array>
#include <cstdint>

#include "protocol/ReportFrame.h"

namespace orbelle {

// The feature window that receives replies (the active feature): vkr's runs stand in
// for the windows they do the work of.
enum class FeatureWindow : std::int32_t {
  None = -1,
  SetBaseUnit = 0,
  UpgradeBaseUnit = 1,
  UpgradeHandheldUnit = 2,
  SetProtocol = 3,
};

// A reply as the channel hands it over: the frame, valid only while it is handled (the next
// reply overwrites it), and whether its FCS checks out, found once as it came in. Replies are
// taken by their code whatever the verdict; it is counted and traced.
struct Reply {
  const ReportFrame& frame;
  bool fcsGood;
};

class ReplyReceiver {
 public:
  virtual ~ReplyReceiver() = default;
  // Reads the reply while handling it and keeps no reference: the next reply overwrites it.
  virtual void onLinkReply(const Reply& reply) = 0;
  // The link dropped a reply that came too soon to answer the last frame sent.
  virtual void onStaleReply() {}
  // The link dropped `count` bytes without handing them over (stale, stray or discarded).
  virtual void onBytesDropped(std::size_t /*count*/) {}
};

// Routes each reply to the receiver that activeFeature names. A receiver is attached
// while its window is open; a reply for no attached receiver is dropped silently.
class ReplyDispatcher {
 public:
  void setActiveFeature(FeatureWindow feature) { activeFeature_ = feature; }
  FeatureWindow activeFeature() const { return activeFeature_; }

  void attach(FeatureWindow feature, ReplyReceiver* receiver);
  void detach(FeatureWindow feature);

  // Synchronous: returns once the receiver has handled the frame.
  void dispatch(const Reply& reply);
  void dispatchStaleReply();
  void dispatchDroppedBytes(std::size_t count);

 private:
  ReplyReceiver* activeReceiver() const;

  static constexpr std::size_t kReceiverSlots = 3;
  FeatureWindow activeFeature_ = FeatureWindow::None;
  std::array<ReplyReceiver*, kReceiverSlots> receivers_{};
};

}  // namespace orbelle
