#pragma once

#include <QEventLoop>
#include <chrono>
#include <exception>
#include <memory>
#include <string>

#include "GlobalOptions.h"
#include "InterruptWatch.h"
#include "opening/LinkedFeature.h"
#include "prefs/LinkPreferences.h"
#include "prefs/PreferenceStore.h"
#include "protocol/LinkError.h"
#include "session/GuardedCall.h"
#include "session/Session.h"

namespace orbelle::cli {

// The link of one vkr run: the stored preferences with the command line's overrides,
// opened as the program opens it before a feature, with tracing and device-loss reporting.
class CliLink {
 public:
  CliLink(const GlobalOptions& options, FeatureWindow feature);
  ~CliLink();

  Session& session() { return session_; }
  const LinkChoice& choice() const { return prefs_; }
  const GlobalOptions& options() const { return options_; }
  std::chrono::milliseconds timeout() const;

  // Opens the chosen link or throws CliError with the reason and what to do about it.
  void open();
  // What a terminal user can do about a refusal of this link ("; add yourself to ..."), to
  // follow the link's own statement of the cause; "" when there is nothing to suggest.
  std::string remedyFor(const LinkRefusal& refusal) const;
  void close() { session_.closeLink(); }

  // Runs the event loop until finish() or the time-out; false on time-out. A failure handed to
  // fail() meanwhile is thrown from here.
  bool waitForFinish(std::chrono::milliseconds limit);
  // Runs the event loop until finish(), with no limit (the caller arms its own timers); throws
  // as waitForFinish does.
  void waitForFinishWithoutLimit();
  void finish();
  // Ends the wait with what our code threw inside the event loop, to be thrown again on the
  // waiting caller's stack. The first failure is kept.
  void fail(std::exception_ptr failure);
  FailureSink failureSink() {
    return [this](std::exception_ptr failure) { fail(std::move(failure)); };
  }
  // Set when the link broke while waiting (USB device lost, serial port hung up); the wait
  // then ends at once.
  const std::string& linkProblem() const { return linkProblem_; }
  // SIGINT or SIGTERM, which ended the wait and ends every later one at once; 0 while none
  // came. The link is let go of as the run unwinds, and the program says how far it got.
  int interruptedBy() const { return interruptedBy_; }
  // Takes a signal caught while no wait ran: before a step that cannot be taken back.
  void noticeInterruption() { interrupts_.takeSignal(); }

 private:
  std::string describeUnusable(const LinkedFeatureResult& result);
  // A VKR_COM<n> that names no usable device is a bad value, refused before anything opens.
  void refuseFaultyComVariable() const;
  // One line on standard error for the short input reports ignored since the last call.
  void reportShortReads();
  void rethrowFailure();

  const GlobalOptions& options_;
  FeatureWindow feature_;
  std::unique_ptr<PreferenceStore> store_;
  LinkPreferences prefs_;
  Session session_;
  QEventLoop loop_;
  bool finished_ = false;
  std::exception_ptr failure_;
  std::string linkProblem_;
  int shortReads_ = 0;
  std::string lastShortRead_;
  int interruptedBy_ = 0;
  InterruptWatch interrupts_;
};

}  // namespace orbelle::cli
