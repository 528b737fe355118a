#pragma once

#include <QEventLoop>
#include <chrono>
#include <memory>
#include <string>

#include "GlobalOptions.h"
#include "app/LinkPreferences.h"
#include "app/PreferenceStore.h"
#include "link/LinkSession.h"

namespace orbelle::cli {

// The link of one vkr run: the stored preferences with the command line's overrides,
// opened as the program opens it before a feature, with tracing and device-loss reporting.
class CliLink {
 public:
  CliLink(const GlobalOptions& options, Feature feature);
  ~CliLink();

  LinkSession& session() { return session_; }
  LinkState& state() { return session_.state(); }
  const GlobalOptions& options() const { return options_; }
  std::chrono::milliseconds timeout() const;

  // Opens the chosen link or throws CliError with the reason and what to do about it.
  void open();
  void close() { session_.closeLink(); }

  // Runs the event loop until finish() or the time-out; false on time-out.
  bool waitForFinish(std::chrono::milliseconds limit);
  // Runs the event loop until finish(), with no limit (the caller arms its own timers).
  void waitForFinishWithoutLimit();
  void finish();
  // Set when the link broke while waiting (USB device lost, serial port hung up); the wait
  // then ends at once.
  const std::string& linkProblem() const { return linkProblem_; }

 private:
  std::string describeUnusable();

  const GlobalOptions& options_;
  Feature feature_;
  std::unique_ptr<PreferenceStore> store_;
  LinkPreferences prefs_;
  LinkSession session_;
  QEventLoop loop_;
  bool finished_ = false;
  std::string linkProblem_;
};

}  // namespace orbelle::cli
