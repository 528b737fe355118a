#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>

#include "protocol/MessageIcon.h"
#include "protocol/ReplyDispatcher.h"
#include "shell/LinkedFeature.h"
#include "upgrade/RunFlags.h"
#include "upgrade/UpgradePause.h"
#include "upgrade/UpgradeReport.h"

namespace orbelle {
class LinkSession;
}

namespace orbelle::ui {

// An upgrade window's transfer and its host on the program's link session, kept in a unit of
// its own so that the window's widgets see none of the engine's headers.
class UpgradeEngine {
 public:
  enum class Unit { Base, Handheld };
  // What a pause waits for, None when no pause runs.
  enum class Wait { None, StartFrame, Restart };

  // What the transfer asks of its window.
  struct Window {
    std::function<void(bool)> setUpgradeEnabled;
    std::function<void(int)> setProgress;
    // Returns once the operator has answered.
    std::function<void(std::string_view text, std::string_view title, MessageIcon icon)>
        showMessage;
    // A pause has started or is over (None): the window takes no input meanwhile.
    std::function<void(Wait)> setPaused;
    // A reply reached the transfer.
    std::function<void()> replied;
    // A step of the transfer (the start frame sent, a block sent, ...).
    std::function<void(UpgradeEvent)> transferEvent;
    // The transfer was abandoned without a message of its own (a failure at the end of a
    // pause, told elsewhere).
    std::function<void()> abandoned;
  };

  UpgradeEngine(Unit unit, LinkSession& session, const LinkPreferences& preferences,
                RunFlags& runFlags, PauseDurations pauses, Window window);
  ~UpgradeEngine();
  UpgradeEngine(const UpgradeEngine&) = delete;
  UpgradeEngine& operator=(const UpgradeEngine&) = delete;

  Feature feature() const;

  // Replies reach the transfer from here on.
  void attach();
  // Reopens the chosen link first when it was released; a link that cannot be opened is the
  // result's message, and nothing is started.
  std::optional<OperatorMessage> start(const std::filesystem::path& image);
  // The link broke: the transfer is abandoned and the link released at once, so that nothing
  // (a USB device above all) stays held until the window closes.
  void linkBroken();
  // The close-down: no pause ends and no reply reaches the transfer any more, the image is
  // closed, the link released. The transfer's counts are kept.
  void closeDown();

  bool paused() const;
  bool running() const;
  // Image bytes sent so far, each once, and the image's length.
  std::uint64_t bytesSent() const;
  std::uint64_t imageLength() const;
  // What a slow serial line costs this transfer and how to mend it, once the blocks sent since
  // the first, `secondsSinceFirstBlock` ago, show it; none over USB.
  std::optional<std::string> adapterAdvice(double secondsSinceFirstBlock) const;

 private:
  class Host;

  Unit unit_;
  LinkSession& session_;
  const LinkPreferences& preferences_;
  std::unique_ptr<Host> host_;
};

}  // namespace orbelle::ui
