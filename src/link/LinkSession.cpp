#include "link/LinkSession.h"

#include <QtGlobal>

namespace orbelle {

LinkSession::LinkSession(SerialLink::DeviceResolver resolver, QObject* parent) : QObject(parent) {
  const auto traceDropped = [this](std::span<const std::uint8_t> bytes) {
    link_.trace({.kind = TraceKind::Frame, .direction = FrameDirection::Dropped, .bytes = bytes});
  };
  const auto countDropped = [this](std::size_t count) {
    runGuarded(onFailure_, [&] { link_.dispatcher().dispatchDroppedBytes(count); });
  };
  hid_ = std::make_unique<HidLink>(
      [this](std::span<const std::uint8_t, kFrameSize> report) {
        runGuarded(onFailure_, [&] { link_.deliverHidReport(report); });
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
        runGuarded(onFailure_, [&] { link_.deliverSerialFrame(bytes); });
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
  serial_->setTooSoonHandler([this] { link_.dispatcher().dispatchStaleReply(); });
  serial_->setNoteHandler(
      [this](std::string_view text) { link_.trace({.kind = TraceKind::Note, .text = text}); });
  link_.setTransports(hid_.get(), serial_.get());
  // A test seam: the links notice what arrives this many milliseconds late, as a loaded
  // machine would. Decisions about which reply answers which frame must not change.
  if (const int delay = qEnvironmentVariableIntValue("VKR_TEST_HANDLING_DELAY_MS"); delay > 0) {
    hid_->setHandlingDelay(std::chrono::milliseconds(delay));
    serial_->setHandlingDelay(std::chrono::milliseconds(delay));
  }
}

}  // namespace orbelle
