#include "SimHost.h"

#include <fstream>

#include "protocol/FrameTrace.h"

namespace orbelle::sim {

SimHost::SimHost(BaseUnitModel& model, HostOptions options, std::ostream& out, std::ostream& err)
    : model_(model), options_(std::move(options)), out_(out), err_(err) {}

ModelOutput SimHost::handle(std::span<const std::uint8_t, kWireFrameSize> wire) {
  trace(true, wire);
  ModelOutput output = model_.receive(wire);
  for (const Note& note : output.notes) {
    if (note.level == Note::Level::Warning || options_.trace) {
      err_ << "vkr-sim: " << note.text << '\n';
    }
  }
  for (const WireFrame& reply : output.replies) {
    trace(false, reply);
  }
  for (const CompletedImage& image : output.images) {
    keep(image);
  }
  err_.flush();
  return output;
}

void SimHost::warn(const std::string& text) { err_ << "vkr-sim: " << text << std::endl; }

void SimHost::reportVanished() { out_ << "vanished" << std::endl; }

// The trace shows whole 39-byte frames, report ID 0 first, as the PC side traces them.
void SimHost::trace(bool received, std::span<const std::uint8_t, kWireFrameSize> wire) {
  if (!options_.trace) {
    return;
  }
  const ReportFrame frame = toReportFrame(wire);
  err_ << formatTraceLine(received ? FrameDirection::Received : FrameDirection::Sent, frame)
       << '\n';
}

void SimHost::keep(const CompletedImage& image) {
  const int number = image.kind == ImageKind::Base ? ++baseImages_ : ++handheldImages_;
  std::string name(imageKindName(image.kind));
  name.append("-").append(std::to_string(number)).append(".dat");
  out_ << "image: " << name << ' ' << image.bytes.size() << " bytes";
  if (options_.imageDir) {
    const auto path = *options_.imageDir / name;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(image.bytes.data()),
               static_cast<std::streamsize>(image.bytes.size()));
    file.close();
    if (file) {
      out_ << " saved to " << path.string();
    } else {
      err_ << "vkr-sim: cannot write " << path.string() << '\n';
    }
  }
  out_ << std::endl;
}

}  // namespace orbelle::sim
