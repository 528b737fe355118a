#include "link/LinkSession.h"

namespace orbelle {

LinkSession::LinkSession(SerialLink::DeviceResolver resolver, QObject* parent) : QObject(parent) {
  const auto traceDropped = [this](std::span<const std::uint8_t> bytes) {
    TraceStep(endpoints_,
              {.kind = TraceKind::Frame, .direction = FrameDirection::Dropped, .bytes = bytes});
  };
  hid_ = std::make_unique<HidLink>(
      [this](std::span<const std::uint8_t, kFrameSize> report) {
        runGuarded(onFailure_, [&] { DeliverHidReport(state_, endpoints_, dispatcher_, report); });
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
        runGuarded(onFailure_, [&] { DeliverSerialFrame(state_, endpoints_, dispatcher_, bytes); });
      },
      [this](SerialLink::Problem problem, const std::string& text) {
        runGuarded(onFailure_, [&] {
          if (onSerialProblem_) {
            onSerialProblem_(problem, text);
          }
        });
      },
      traceDropped);
  serial_->setTooSoonHandler([this] { dispatcher_.dispatchStaleReply(); });
  serial_->setNoteHandler([this](std::string_view text) {
    TraceStep(endpoints_, {.kind = TraceKind::Note, .text = text});
  });
  endpoints_.hid = hid_.get();
  endpoints_.serial = serial_.get();
}

}  // namespace orbelle
