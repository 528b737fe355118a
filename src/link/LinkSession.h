#pragma once

#include <QObject>
#include <memory>

#include "link/HidLink.h"
#include "link/QtBoundary.h"
#include "link/SerialLink.h"
#include "protocol/LinkChannel.h"

namespace orbelle {

// The process's link channel and the Qt transports under it, wired together so that every
// received frame is delivered on the UI thread.
class LinkSession : public QObject {
  Q_OBJECT

 public:
  explicit LinkSession(SerialLink::DeviceResolver resolver, QObject* parent = nullptr);

  LinkChannel& link() { return link_; }
  const LinkChannel& link() const { return link_; }
  LinkState& state() { return link_.state(); }
  const LinkState& state() const { return link_.state(); }
  ReplyDispatcher& dispatcher() { return link_.dispatcher(); }
  HidLink& hid() { return *hid_; }
  SerialLink& serial() { return *serial_; }

  void setTrace(TraceSink trace) { link_.setTrace(std::move(trace)); }
  void setProblemHandler(HidLink::ProblemCallback handler) { onProblem_ = std::move(handler); }
  // Takes what a reply's handler throws, which must not reach the event loop.
  void setFailureSink(FailureSink sink) { onFailure_ = std::move(sink); }
  void setSerialProblemHandler(SerialLink::ProblemCallback handler) {
    onSerialProblem_ = std::move(handler);
  }

  void sendFrame(CommandCode code) { link_.send(code); }
  void closeLink() { link_.close(); }
  void setSerialLineSettings(std::string_view settings) { link_.setSerialLineSettings(settings); }

 private:
  LinkChannel link_;
  HidLink::ProblemCallback onProblem_;
  FailureSink onFailure_;
  SerialLink::ProblemCallback onSerialProblem_;
  std::unique_ptr<HidLink> hid_;
  std::unique_ptr<SerialLink> serial_;
};

}  // namespace orbelle
