#include "ExitCode.h"

#include <csignal>

namespace orbelle::cli {

// No default in these switches: the compiler names an outcome left without a code.

ExitCode exitCodeFor(UpgradeOutcome outcome) {
  switch (outcome) {
    case UpgradeOutcome::CompletedByLastAck:
    case UpgradeOutcome::CompletedByDone:
      return kOk;
    case UpgradeOutcome::FileRefused:
    case UpgradeOutcome::ImageChanged:
    case UpgradeOutcome::ImageUnreadable:
      return kImageProblem;
    case UpgradeOutcome::LinkFailed:
      return kLinkUnusable;
    case UpgradeOutcome::CompletionInDoubt:
      return kFailed;
    case UpgradeOutcome::Running:  // a run that ended without an outcome
      return kFailed;
  }
  return kFailed;
}

ExitCode exitCodeFor(SettingsMessage message) {
  switch (message) {
    case SettingsMessage::CurrentLoaded:
    case SettingsMessage::UploadConfirmed:
    case SettingsMessage::ChannelReset:  // a notice on the way to the upload
      return kOk;
    case SettingsMessage::UnsetUnit:
      return kUnsetUnit;
    case SettingsMessage::NoReply:
      return kNoReply;
  }
  return kFailed;
}

ExitCode exitCodeForSignal(int signal) { return signal == SIGTERM ? kTerminated : kInterrupted; }

}  // namespace orbelle::cli
