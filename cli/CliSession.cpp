#include "CliSession.h"

#include <iostream>
#include <utility>

#include "CliError.h"
#include "HumanText.h"
#include "PrefsView.h"
#include "TracePrinter.h"
#include "link/LinkMessages.h"
#include "opening/LinkedFeature.h"
#include "prefs/ComPortMap.h"
#include "prefs/RegistryStore.h"
#include "protocol/LinkError.h"

namespace orbelle::cli {

namespace {

LinkProtocol protocolFromOption(const std::string& name) {
  return parseLinkProtocol(name).value_or(LinkProtocol::Usb);
}

}  // namespace

CliSession::CliSession(const GlobalOptions& options, FeatureWindow feature)
    : CliSession(options, feature, nullptr, nullptr, nullptr) {}

CliSession::CliSession(const GlobalOptions& options, FeatureWindow feature, const Unit& unit)
    : CliSession(options, feature, &unit.loop, &unit.target, &unit.streams) {}

CliSession::CliSession(const GlobalOptions& options, FeatureWindow feature, RunLoop* loop,
                       const UnitTarget* target, UnitStreams* streams)
    : options_(options),
      feature_(feature),
      ownLoop_(loop == nullptr ? std::make_unique<RunLoop>() : nullptr),
      loop_(loop != nullptr ? *loop : *ownLoop_),
      ownStreams_(streams == nullptr ? std::make_unique<UnitStreams>() : nullptr),
      streams_(streams != nullptr ? *streams : *ownStreams_),
      target_(target != nullptr ? std::optional<UnitTarget>(*target) : std::nullopt),
      givenDevice_(target == nullptr                          ? options.device
                   : target->kind == UnitTarget::Kind::Serial ? std::optional(target->address)
                                                              : std::nullopt),
      out_(options.json, streams_.out(), streams_.err(), target_ ? target_->name : std::string()),
      store_(makeUserPreferenceStore()),
      prefs_(loadLinkPreferences(*store_)),
      session_(prefs_, [this](std::int32_t comNumber) {
        if (givenDevice_) {
          return ComDevice{*givenDevice_, ComDeviceSource::Given, std::nullopt};
        }
        return resolveComDevice(comNumber, store_.get());
      }) {
  // Said once, not once for each of several units.
  if (loop_.firstToWarnAboutStore()) {
    warnAboutStore(*store_);
  }
  applyLinkOptions();
  interruptKey_ = loop_.onInterrupt([this] {
    if (ends_.interrupted) {
      ends_.interrupted();
    }
  });
  if (options.trace) {
    session_.setTrace([printer = TracePrinter(streams_.err())](const TraceEvent& event) mutable {
      printer.print(event);
    });
  }
  session_.setProblemHandler([this](HidLink::Problem problem, const std::string& text) {
    if (problem == HidLink::Problem::ShortRead) {
      // A unit that splits its reports sends dozens at a time: one line says it all.
      ++shortReads_;
      lastShortRead_ = text;
      return;
    }
    linkProblem_ = text;
    if (ends_.linkBroke) {
      ends_.linkBroke();
    }
  });
  session_.setFailureSink([this](std::exception_ptr failure) {
    if (ends_.failed) {
      ends_.failed(std::move(failure));
    } else {
      reportUnhandledFailure(std::move(failure));
    }
  });
  // A serial port that hangs up can never answer: the operation ends at once.
  session_.setSerialProblemHandler([this](SerialLink::Problem, const std::string& text) {
    linkProblem_ = text;
    if (ends_.linkBroke) {
      ends_.linkBroke();
    }
  });
}

CliSession::~CliSession() {
  loop_.forget(interruptKey_);
  session_.closeLink();
  reportShortReads();
}

// The command line's link options override the stored choice for this run only; a unit named
// on the command line brings its own link.
void CliSession::applyLinkOptions() {
  if (target_) {
    prefs_.protocol =
        target_->kind == UnitTarget::Kind::Usb ? LinkProtocol::Usb : LinkProtocol::Rs232;
    if (target_->kind == UnitTarget::Kind::Usb) {
      session_.hid().chooseDevice(target_->address);
    }
  } else if (options_.link) {
    prefs_.protocol = protocolFromOption(*options_.link);
  } else if (options_.device) {
    prefs_.protocol = LinkProtocol::Rs232;
  }
  if (options_.port) {
    prefs_.port = *options_.port;
  }
  if (options_.baud) {
    prefs_.baudrate = *options_.baud;
  }
}

void CliSession::reportShortReads() {
  if (shortReads_ == 1) {
    streams_.err() << "vkr: " << humanText(lastShortRead_ + " (report ignored)") << '\n';
  } else if (shortReads_ > 1) {
    streams_.err() << "vkr: "
                   << humanText(std::to_string(shortReads_) +
                                " input reports shorter than a frame were ignored (the last: " +
                                lastShortRead_ + ")")
                   << '\n';
  }
  shortReads_ = 0;
}

std::chrono::milliseconds CliSession::timeout() const {
  return std::chrono::milliseconds(static_cast<long long>(options_.timeoutSeconds * 1000.0));
}

std::string CliSession::remedyFor(const LinkRefusal& refusal) const {
  const bool usb = prefs_.protocol == LinkProtocol::Usb;
  const std::string com = std::to_string(prefs_.port);
  switch (refusal.reason) {
    case LinkFailure::PermissionDenied:
      if (usb) {
        return "; " + hidrawAccessHint("vkr");
      }
#ifdef _WIN32
      return "; the port may be in use by another program";
#else
      return "; add yourself to the dialout group (sudo usermod -aG dialout $USER, then log in "
             "again)";
#endif
    case LinkFailure::Busy:
      // The cause, said just before, names the program.
      return usb ? "; wait until that program has finished, or close it"
                 : "; close that program, or choose another port";
    case LinkFailure::DeviceNotFound:
      if (usb) {
        return "; is it plugged in?";
      }
      if (givenDevice_) {
        return "; check the cable and the device path";
      }
      return "; check the cable, or name the device with \"vkr prefs set com " + com +
             " PATH\" or VKR_COM" + com;
    case LinkFailure::Other:
      break;
  }
  return "";
}

std::string CliSession::describeUnusable(const LinkedFeatureResult& result) {
  std::string text(kCannotCommunicateText);
  if (prefs_.protocol == LinkProtocol::Usb) {
    text += " " + noUsbBaseUnitText(kBaseUnitVendorId, kBaseUnitProductId);
    if (result.refusal) {
      return text + "; " + result.portWords + remedyFor(*result.refusal);
    }
    if (target_) {
      return text + "; none has the path or serial number " + target_->address +
             " (vkr devices lists them); is it plugged in?";
    }
    return text + "; is it plugged in?";
  }
  return text + " " + serialNotOpenText(session_.serial().portName());
}

void CliSession::refuseFaultyComVariable() const {
  if (prefs_.protocol != LinkProtocol::Rs232 || givenDevice_) {
    return;
  }
  const ComDevice device = resolveComDevice(prefs_.port, store_.get());
  if (device.fault) {
    throw CliError(kBadUsage,
                   comVariableRefusedText(prefs_.port, describeComPathFault(*device.fault)));
  }
}

void CliSession::open() {
  refuseFaultyComVariable();
  const LinkedFeatureResult result = session_.openFor(feature_);
  switch (result.outcome) {
    case LinkedFeatureOutcome::Open:
      return;
    case LinkedFeatureOutcome::Refused:
      throw CliError(kLinkUnusable,
                     result.portWords + (result.refusal ? remedyFor(*result.refusal) : ""));
    case LinkedFeatureOutcome::NoProtocol:
      throw CliError(kLinkUnusable,
                     std::string(kNoProtocolText) +
                         " (the stored protocol is not recognised: run \"vkr prefs set protocol "
                         "usb\" or rs232, or pass --link)");
    case LinkedFeatureOutcome::NotUsable:
      throw CliError(kLinkUnusable, describeUnusable(result));
  }
}

void CliSession::runUntil(const std::function<bool()>& ended) {
  loop_.runUntil(ended);
  reportShortReads();
}

void CliSession::finished() { loop_.check(); }

}  // namespace orbelle::cli
