#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>

#include "protocol/ReplyDispatcher.h"
#include "session/GuardedCall.h"
#include "session/Session.h"
#include "settings/SetBaseUnitModel.h"
#include "settings/SettingsChannel.h"

namespace orbelle {

// The settings exchange over the process's link, for the settings window and vkr alike:
// frames go out through the session, the Set Base Unit feature's replies and the expiry of the
// reply timer (started over RS232 only) go to the attached model.
class SessionSettingsChannel : public QObject, public SettingsChannel, private ReplyReceiver {
  Q_OBJECT

 public:
  // What the model throws while handling a reply or the timer goes to `failed`.
  SessionSettingsChannel(Session& session, std::chrono::milliseconds replyTimeout,
                         FailureSink failed, QObject* parent = nullptr);
  ~SessionSettingsChannel() override;
  SessionSettingsChannel(const SessionSettingsChannel&) = delete;
  SessionSettingsChannel& operator=(const SessionSettingsChannel&) = delete;

  // Replies reach `model` from here on.
  void attach(SetBaseUnitModel& model);
  // No timer left to fire, and a late reply reaches no one.
  void detach();

  void sendFrame(CommandCode code, const FramePayload& payload) override {
    session_.channel().send(code, payload);
  }
  LinkProtocol protocol() const override { return session_.channel().choice().protocol; }
  void setSerialLineSettings(std::string_view settings) override {
    session_.channel().setSerialLineSettings(settings);
  }
  void startReplyTimer() override { replyTimer_.start(); }
  void stopReplyTimer() override { replyTimer_.stop(); }

 private:
  void onLinkReply(const Reply& reply) override;

  Session& session_;
  FailureSink failed_;
  SetBaseUnitModel* model_ = nullptr;
  QTimer replyTimer_;
};

}  // namespace orbelle
