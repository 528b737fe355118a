#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>

#include "link/LinkSession.h"
#include "link/QtBoundary.h"
#include "protocol/ReplyDispatcher.h"
#include "settings/SetBaseUnitModel.h"
#include "settings/SettingsLink.h"

namespace orbelle {

// The settings exchange over the process's link, for the settings window and vkr alike:
// frames go out through the session, the Set Base Unit feature's replies and the expiry of the
// reply timer (started over RS232 only) go to the attached model.
class SessionSettingsLink : public QObject, public SettingsLink, private ReplyReceiver {
  Q_OBJECT

 public:
  // What the model throws while handling a reply or the timer goes to `failed`.
  SessionSettingsLink(LinkSession& session, std::chrono::milliseconds replyTimeout,
                      FailureSink failed, QObject* parent = nullptr);
  ~SessionSettingsLink() override;
  SessionSettingsLink(const SessionSettingsLink&) = delete;
  SessionSettingsLink& operator=(const SessionSettingsLink&) = delete;

  // Replies reach `model` from here on.
  void attach(SetBaseUnitModel& model);
  // No timer left to fire, and a late reply reaches no one.
  void detach();

  ReportFrame& txFrame() override { return session_.state().txFrame; }
  void sendFrame(CommandCode code) override { session_.sendFrame(code); }
  LinkProtocol protocol() const override { return session_.state().protocol; }
  void setSerialLineSettings(std::string_view settings) override {
    session_.setSerialLineSettings(settings);
  }
  void startReplyTimer() override { replyTimer_.start(); }
  void stopReplyTimer() override { replyTimer_.stop(); }

 private:
  void onLinkReply(const ReportFrame& rxFrame) override;

  LinkSession& session_;
  FailureSink failed_;
  SetBaseUnitModel* model_ = nullptr;
  QTimer replyTimer_;
};

}  // namespace orbelle
