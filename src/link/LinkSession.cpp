#include "link/LinkSession.h"

namespace orbelle {

LinkSession::LinkSession(SerialLink::DeviceResolver resolver, QObject* parent) : QObject(parent) {
  const auto traceDropped = [this](std::span<const std::uint8_t> bytes) {
    link_.trace({.kind = TraceKind::Frame, .direction = FrameDirection::Dropped, .bytes = bytes});
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
      traceDropped);
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
  serial_->setTooSoonHandler([this] { link_.dispatcher().dispatchStaleReply(); });
  serial_->setNoteHandler(
      [this](std::string_view text) { link_.trace({.kind = TraceKind::Note, .text = text}); });
  link_.setTransports(hid_.get(), serial_.get());
}

}  // namespace orbelle
