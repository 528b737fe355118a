#include "session/Session.h"

#include <QtGlobal>

namespace orbelle {

Session::Session(const LinkChoice& choice, SerialLink::DeviceResolver resolver, QObject* parent)
    : QObject(parent), channel_(choice) {
  const auto traceDropped = [this](std::span<const std::uint8_t> bytes) {
    channel_.trace(
        {.kind = TraceKind::Frame, .direction = FrameDirection::Dropped, .bytes = bytes});
  };
  const auto countDropped = [this](std::size_t count) {
    runGuarded(onFailure_, [&] { channel_.dispatcher().dispatchDroppedBytes(count); });
  };
  hid_ = std::make_unique<HidLink>(
      [this](std::span<const std::uint8_t, kFrameSize> report) {
        runGuarded(onFailure_, [&] { channel_.deliverHidReport(report); });
      },
      [this](HidLink::Problem problem, const std::string& text) {
        runGuarded(onFailure_, [&] {
          if (onProblem_) {
            onProblem_(problem, text);
          }
        });
      },
      [traceDropped, countDropped](std::span<const std::uint8_t> bytes) {
        traceDropped(bytes);
        countDropped(bytes.size());  // reports are dropped whole
      });
  serial_ = std::make_unique<SerialLink>(
      std::move(resolver),
      [this](std::span<const std::uint8_t, kWireFrameSize> bytes) {
        runGuarded(onFailure_, [&] { channel_.deliverSerialFrame(bytes); });
      },
      [this](SerialLink::Problem problem, const std::string& text) {
        runGuarded(onFailure_, [&] {
          if (onSerialProblem_) {
            onSerialProblem_(problem, text);
          }
        });
      },
      traceDropped);
  serial_->setFreshDropHandler(countDropped);
  serial_->setTooSoonHandler([this] { channel_.dispatcher().dispatchStaleReply(); });
  serial_->setNoteHandler(
      [this](std::string_view text) { channel_.trace({.kind = TraceKind::Note, .text = text}); });
  channel_.setTransports(hid_.get(), serial_.get());
  // A test seam: the links notice what arrives this many milliseconds late, as a loaded
  // machine would. Decisions about which reply answers which frame must not change.
  if (const int delay = qEnvironmentVariableIntValue("VKR_TEST_HANDLING_DELAY_MS"); delay > 0) {
    hid_->setHandlingDelay(std::chrono::milliseconds(delay));
    serial_->setHandlingDelay(std::chrono::milliseconds(delay));
  }
}

LinkedFeatureResult Session::openFor(FeatureWindow feature) {
  return runLinkedFeature(feature, channel_);
}

LinkCheckResult Session::checkChosenLink() { return orbelle::checkChosenLink(channel_); }

}  // namespace orbelle
