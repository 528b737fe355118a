#include "ui/UpgradeEngine.h"

#include "link/LinkSession.h"
#include "link/LinkUpgradeHost.h"
#include "upgrade/TransferFigures.h"
#include "upgrade/UpgradeTransfer.h"

namespace orbelle::ui {

class UpgradeEngine::Host : public LinkUpgradeHost, public ReplyReceiver {
 public:
  Host(Unit unit, LinkSession& session, RunFlags& runFlags, PauseDurations pauses, Window window)
      : LinkUpgradeHost(session, pauses, [this](std::exception_ptr failure) { failed(failure); }),
        window_(std::move(window)),
        transfer_(unit == Unit::Base ? kBaseUpgradeTable : kHandheldUpgradeTable, session.state(),
                  *this, runFlags) {
    attach(transfer_);
    transfer_.setEventHook([this, &session](UpgradeEvent event) {
      if (event == UpgradeEvent::StartSent) {
        session.serial().clearTurnarounds();
      }
      window_.transferEvent(event);
    });
  }

  UpgradeTransfer& transfer() { return transfer_; }
  bool paused() const { return paused_ != Wait::None; }

  void onLinkReply(const ReportFrame& rxFrame) override {
    window_.replied();
    transfer_.onLinkReply(rxFrame);
  }

  void setUpgradeEnabled(bool enabled) override { window_.setUpgradeEnabled(enabled); }
  void setProgress(int percent) override { window_.setProgress(percent); }
  void showMessage(std::string_view text, std::string_view title, MessageIcon icon) override {
    window_.showMessage(text, title, icon);
  }

  void endPause() {
    cancelPause();
    setPaused(Wait::None);
  }

 private:
  void pauseArmed(PauseKind /*kind*/, int count, std::chrono::milliseconds /*duration*/) override {
    // One pause follows the start frame; the run of them follows the last block, while the
    // unit restarts.
    setPaused(count > 1 ? Wait::Restart : Wait::StartFrame);
  }
  void pauseOver() override { setPaused(Wait::None); }

  void setPaused(Wait wait) {
    if (wait != paused_) {
      paused_ = wait;
      window_.setPaused(wait);
    }
  }

  // Only the end of a pause runs outside a window's own call; what it throws abandons the
  // transfer rather than leave the window waiting for nothing.
  void failed(std::exception_ptr failure) {
    reportUnhandledFailure(failure);
    transfer_.closeImage();
    setPaused(Wait::None);
    window_.setUpgradeEnabled(true);
    window_.abandoned();
  }

  Window window_;
  UpgradeTransfer transfer_;
  Wait paused_ = Wait::None;
};

UpgradeEngine::UpgradeEngine(Unit unit, LinkSession& session, const LinkPreferences& preferences,
                             RunFlags& runFlags, PauseDurations pauses, Window window)
    : unit_(unit),
      session_(session),
      preferences_(preferences),
      host_(std::make_unique<Host>(unit, session, runFlags, pauses, std::move(window))) {}

UpgradeEngine::~UpgradeEngine() {
  session_.dispatcher().detach(feature());
  host_->cancelPause();
}

Feature UpgradeEngine::feature() const {
  return unit_ == Unit::Base ? Feature::UpgradeBaseUnit : Feature::UpgradeHandheldUnit;
}

void UpgradeEngine::attach() { session_.dispatcher().attach(feature(), host_.get()); }

std::optional<OperatorMessage> UpgradeEngine::start(const std::filesystem::path& image) {
  if (chosenLinkOutcome(session_.state(), session_.endpoints()) != LinkOutcome::Usable) {
    // Released after it broke: opened again as the main window's command would.
    const LinkedFeatureResult reopened = RunLinkedFeature(
        feature(), preferences_, session_.state(), session_.endpoints(), session_.dispatcher());
    if (auto message = reopened.message()) {
      return message;
    }
  }
  host_->transfer().startUpgrade(image);
  return std::nullopt;
}

void UpgradeEngine::linkBroken() {
  host_->endPause();
  host_->transfer().closeImage();
  session_.closeLink();
}

void UpgradeEngine::closeDown() {
  // Detached first: a reply already on its way finds no receiver rather than a closed image.
  session_.dispatcher().detach(feature());
  host_->endPause();
  host_->transfer().closeImage();
  session_.closeLink();
}

bool UpgradeEngine::paused() const { return host_->paused(); }

bool UpgradeEngine::running() const { return host_->transfer().state() != UpgradeState::Idle; }

std::uint64_t UpgradeEngine::bytesSent() const {
  return host_->transfer().counters().imageBytesSent;
}

std::uint64_t UpgradeEngine::imageLength() const { return host_->transfer().imageLength(); }

std::optional<std::string> UpgradeEngine::adapterAdvice(double secondsSinceFirstBlock) const {
  if (session_.state().protocol != LinkProtocol::Rs232) {
    return std::nullopt;
  }
  return adapterDelayAdvice(session_.serial().turnarounds(), secondsSinceFirstBlock,
                            host_->transfer().counters().blocksSent, imageLength(),
                            session_.serial().devicePath());
}

}  // namespace orbelle::ui
