#pragma once

#include <QObject>
#include <memory>

#include "link/HidLink.h"
#include "link/SerialLink.h"
#include "opening/LinkedFeature.h"
#include "protocol/FrameChannel.h"
#include "session/GuardedCall.h"

namespace orbelle {

// The program's session with the base unit for the whole run: the frame channel and the two
// transports under it, wired so that every received frame is delivered on the UI thread. The
// one place a link is opened for a feature window, or checked for Set Protocol.
class Session : public QObject {
  Q_OBJECT

 public:
  // `choice` is where the program keeps the operator's link choice; it must outlive the session.
  Session(const LinkChoice& choice, SerialLink::DeviceResolver resolver, QObject* parent = nullptr);

  FrameChannel& channel() { return channel_; }
  const FrameChannel& channel() const { return channel_; }
  ReplyDispatcher& dispatcher() { return channel_.dispatcher(); }
  HidLink& hid() { return *hid_; }
  const HidLink& hid() const { return *hid_; }
  SerialLink& serial() { return *serial_; }
  const SerialLink& serial() const { return *serial_; }

  // Names `feature` as the receiver of replies, resets the link and opens the chosen one.
  LinkedFeatureResult openFor(FeatureWindow feature);
  // Opens the chosen link as it stands and says whether it can be used.
  LinkCheckResult checkChosenLink();
  void closeLink() { channel_.close(); }

  void setTrace(TraceSink trace) { channel_.setTrace(std::move(trace)); }
  void setProblemHandler(HidLink::ProblemCallback handler) { onProblem_ = std::move(handler); }
  // Takes what a reply's handler throws, which must not reach the event loop.
  void setFailureSink(FailureSink sink) { onFailure_ = std::move(sink); }
  void setSerialProblemHandler(SerialLink::ProblemCallback handler) {
    onSerialProblem_ = std::move(handler);
  }

 private:
  FrameChannel channel_;
  HidLink::ProblemCallback onProblem_;
  FailureSink onFailure_;
  SerialLink::ProblemCallback onSerialProblem_;
  std::unique_ptr<HidLink> hid_;
  std::unique_ptr<SerialLink> serial_;
};

}  // namespace orbelle
