#pragma once

#include <QObject>
#include <memory>

#include "link/HidLink.h"
#include "link/QtBoundary.h"
#include "link/SerialLink.h"
#include "protocol/LinkSteps.h"

namespace orbelle {

// The process's link: its state, both links and the reply routing, wired together so
// that every received frame goes through DeliverReply on the UI thread.
class LinkSession : public QObject {
  Q_OBJECT

 public:
  explicit LinkSession(SerialLink::DeviceResolver resolver, QObject* parent = nullptr);

  LinkState& state() { return state_; }
  const LinkState& state() const { return state_; }
  ReplyDispatcher& dispatcher() { return dispatcher_; }
  const LinkEndpoints& endpoints() const { return endpoints_; }
  HidLink& hid() { return *hid_; }
  SerialLink& serial() { return *serial_; }

  void setTrace(TraceSink trace) { endpoints_.trace = std::move(trace); }
  void setProblemHandler(HidLink::ProblemCallback handler) { onProblem_ = std::move(handler); }
  // Takes what a reply's handler throws, which must not reach the event loop.
  void setFailureSink(FailureSink sink) { onFailure_ = std::move(sink); }
  void setSerialProblemHandler(SerialLink::ProblemCallback handler) {
    onSerialProblem_ = std::move(handler);
  }

  LinkOutcome openChosenLink(OpenMode mode = OpenMode::ResetFirst) {
    return OpenChosenLink(state_, endpoints_, mode);
  }
  void sendFrame(CommandCode code) { SendFrame(state_, endpoints_, code); }
  void closeLink() { CloseLink(state_, endpoints_); }
  void setSerialLineSettings(std::string_view settings) {
    SetSerialLineSettings(endpoints_, settings);
  }

 private:
  LinkState state_;
  ReplyDispatcher dispatcher_;
  LinkEndpoints endpoints_;
  HidLink::ProblemCallback onProblem_;
  FailureSink onFailure_;
  SerialLink::ProblemCallback onSerialProblem_;
  std::unique_ptr<HidLink> hid_;
  std::unique_ptr<SerialLink> serial_;
};

}  // namespace orbelle
