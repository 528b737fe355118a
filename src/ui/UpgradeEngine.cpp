#include "ui/UpgradeEngine.h"

#include "link/LinkSession.h"
#include "link/LinkUpgradeHost.h"
#include "upgrade/UpgradeTransfer.h"

namespace orbelle::ui {

class UpgradeEngine::Host : public LinkUpgradeHost {
 public:
  Host(Unit unit, LinkSession& session, RunFlags& runFlags, PauseDurations pauses, Window window)
      : LinkUpgradeHost(session, pauses, [this](std::exception_ptr failure) { failed(failure); }),
        window_(std::move(window)),
        transfer_(unit == Unit::Base ? kBaseUpgradeTable : kHandheldUpgradeTable, session.state(),
                  *this, runFlags) {
    attach(transfer_);
  }

  UpgradeTransfer& transfer() { return transfer_; }
  bool paused() const { return paused_; }

  void setUpgradeEnabled(bool enabled) override { window_.setUpgradeEnabled(enabled); }
  void setProgress(int percent) override { window_.setProgress(percent); }
  void showMessage(std::string_view text, std::string_view title, MessageIcon icon) override {
    window_.showMessage(text, title, icon);
  }

  void endPause() {
    cancelPause();
    setPaused(false);
  }

 private:
  void pauseArmed(PauseKind /*kind*/, int /*count*/,
                  std::chrono::milliseconds /*duration*/) override {
    setPaused(true);
  }
  void pauseOver() override { setPaused(false); }

  void setPaused(bool paused) {
    if (paused != paused_) {
      paused_ = paused;
      window_.setPaused(paused);
    }
  }

  // Only the end of a pause runs outside a window's own call; what it throws abandons the
  // transfer rather than leave the window waiting for nothing.
  void failed(std::exception_ptr failure) {
    reportUnhandledFailure(failure);
    transfer_.closeImage();
    setPaused(false);
    window_.setUpgradeEnabled(true);
  }

  Window window_;
  UpgradeTransfer transfer_;
  bool paused_ = false;
};

UpgradeEngine::UpgradeEngine(Unit unit, LinkSession& session, RunFlags& runFlags,
                             PauseDurations pauses, Window window)
    : unit_(unit),
      session_(session),
      host_(std::make_unique<Host>(unit, session, runFlags, pauses, std::move(window))) {}

UpgradeEngine::~UpgradeEngine() {
  session_.dispatcher().detach(feature());
  host_->cancelPause();
}

Feature UpgradeEngine::feature() const {
  return unit_ == Unit::Base ? Feature::UpgradeBaseUnit : Feature::UpgradeHandheldUnit;
}

void UpgradeEngine::attach() { session_.dispatcher().attach(feature(), &host_->transfer()); }

void UpgradeEngine::start(const std::filesystem::path& image) {
  host_->transfer().StartUpgrade(image);
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

}  // namespace orbelle::ui
