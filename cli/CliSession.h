#pragma once

#include <chrono>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "GlobalOptions.h"
#include "Output.h"
#include "RunLoop.h"
#include "UnitChoice.h"
#include "UnitStreams.h"
#include "opening/LinkedFeature.h"
#include "prefs/LinkPreferences.h"
#include "prefs/PreferenceStore.h"
#include "protocol/LinkError.h"
#include "session/GuardedCall.h"
#include "session/Session.h"

namespace orbelle::cli {

// The session of one vkr run: the stored preferences with the command line's overrides,
// opened as the program opens it before a feature, with tracing and device-loss reporting.
// Its operation runs on the application's event loop, which this runs once in the run.
class CliSession {
 public:
  // A unit named on the command line, on a loop it may share with others, its lines going to
  // `streams`.
  struct Unit {
    RunLoop& loop;
    const UnitTarget& target;
    UnitStreams& streams;
  };

  // The unit of the stored link choice, on a loop of its own.
  CliSession(const GlobalOptions& options, FeatureWindow feature);
  CliSession(const GlobalOptions& options, FeatureWindow feature, const Unit& unit);
  ~CliSession();
  CliSession(const CliSession&) = delete;
  CliSession& operator=(const CliSession&) = delete;

  Session& session() { return session_; }
  const LinkChoice& choice() const { return prefs_; }
  const GlobalOptions& options() const { return options_; }
  std::chrono::milliseconds timeout() const;
  // Where this unit's results, notes and errors go.
  const Output& out() const { return out_; }
  UnitStreams& streams() { return streams_; }
  RunLoop& loop() { return loop_; }
  // One of several units: its lines are led by its name.
  bool amongSeveral() const { return streams_.prefixed(); }

  // Opens the chosen link or throws CliError with the reason and what to do about it.
  void open();
  // What a terminal user can do about a refusal of this link ("; add yourself to ..."), to
  // follow the link's own statement of the cause; "" when there is nothing to suggest.
  std::string remedyFor(const LinkRefusal& refusal) const;

  // What ends the operation under way: the link breaking (the USB device lost, the serial
  // port hung up), SIGINT or SIGTERM, and what our code threw inside the event loop.
  struct Ends {
    std::function<void()> linkBroke;
    std::function<void()> interrupted;
    FailureSink failed;
  };
  void endWith(Ends ends) { ends_ = std::move(ends); }
  // Why the link broke, once it has.
  const std::string& linkProblem() const { return linkProblem_; }
  // SIGINT or SIGTERM, once one came; 0 while none did.
  int interruptedBy() const { return loop_.interruptedBy(); }
  // Takes a signal caught while the event loop did not run: before a step that cannot be
  // taken back.
  void takeSignal() { loop_.takeSignal(); }

  // Runs the application's event loop until `ended()` says the operation is over (at once when
  // it already is); finished() ends it, once every unit on the loop has ended.
  void runUntil(const std::function<bool()>& ended);
  void finished();

 private:
  CliSession(const GlobalOptions& options, FeatureWindow feature, RunLoop* loop,
             const UnitTarget* target, UnitStreams* streams);
  void applyLinkOptions();
  std::string describeUnusable(const LinkedFeatureResult& result);
  // A VKR_COM<n> that names no usable device is a bad value, refused before anything opens.
  void refuseFaultyComVariable() const;
  // One line on standard error for the short input reports ignored since the last call.
  void reportShortReads();

  const GlobalOptions& options_;
  FeatureWindow feature_;
  std::unique_ptr<RunLoop> ownLoop_;
  RunLoop& loop_;
  std::unique_ptr<UnitStreams> ownStreams_;
  UnitStreams& streams_;
  std::optional<UnitTarget> target_;
  // The serial device named for this run (--device, or a --unit that is one).
  std::optional<std::string> givenDevice_;
  Output out_;
  std::unique_ptr<PreferenceStore> store_;
  LinkPreferences prefs_;
  Session session_;
  Ends ends_;
  std::string linkProblem_;
  int shortReads_ = 0;
  std::string lastShortRead_;
  int interruptKey_ = 0;
};

}  // namespace orbelle::cli
