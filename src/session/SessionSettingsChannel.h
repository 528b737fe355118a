#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <optional>

#include "protocol/ReplyDispatcher.h"
#include "session/GuardedCall.h"
#include "session/Session.h"
#include "settings/SetBaseUnitModel.h"
#include "settings/SettingsChannel.h"

namespace orbelle {

// The settings exchange's side of the channel, for the settings window and vkr alike: frames
// go out through the session's channel, the Set Base Unit window's replies and the expiry of
// the reply timer (started over RS232 only) go to the attached model.
class SessionSettingsChannel : public QObject, public SettingsChannel, private ReplyReceiver {
  Q_OBJECT

 public:
  // What the model throws while handling a reply or the timer goes to `failed`. Without a
  // `replyTimeout` the model's timer never runs: the caller keeps a deadline of its own.
  SessionSettingsChannel(Session& session, std::optional<std::chrono::milliseconds> replyTimeout,
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
  void startReplyTimer() override {
    if (timed_) {
      replyTimer_.start();
    }
  }
  void stopReplyTimer() override { replyTimer_.stop(); }

 private:
  void onLinkReply(const Reply& reply) override;

  Session& session_;
  FailureSink failed_;
  SetBaseUnitModel* model_ = nullptr;
  bool timed_;
  QTimer replyTimer_;
};

}  // namespace orbelle
