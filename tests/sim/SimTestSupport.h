#pragma once

#include <initializer_list>
#include <span>
#include <vector>

#include "BaseUnitModel.h"
#include "protocol/ByteOrder.h"
#include "protocol/CommandCode.h"
#include "protocol/Fcs16.h"

namespace orbelle::sim::testing {

// A frame as the PC sends it, payload from byte 2 on, sealed.
inline ReportFrame pcFrame(std::uint8_t code, std::span<const std::uint8_t> payload = {}) {
  ReportFrame frame{};
  frame[1] = code;
  std::copy(payload.begin(), payload.end(), frame.begin() + 2);
  Fcs16::seal(frame);
  return frame;
}

inline ReportFrame pcFrame(CommandCode code, std::initializer_list<std::uint8_t> payload = {}) {
  return pcFrame(codeByte(code), std::vector<std::uint8_t>(payload));
}

inline WireFrame wire(const ReportFrame& frame) { return toWireFrame(frame); }

inline bool fcsHolds(std::span<const std::uint8_t, kWireFrameSize> wire) {
  return Fcs16::update(Fcs16::kInitial, wire) == Fcs16::kGoodResidue;
}

inline std::vector<std::uint8_t> patternImage(std::size_t length) {
  std::vector<std::uint8_t> image(length);
  for (std::size_t i = 0; i < length; ++i) {
    image[i] = static_cast<std::uint8_t>((i * 7 + i / 256) & 0xFF);
  }
  return image;
}

// Plays the PC's side of an upgrade against the model: a block on each acknowledgement,
// the same block again on a retry, a handshake reply that repeats the last frame.
class UpgradeClient {
 public:
  UpgradeClient(ImageKind kind, std::vector<std::uint8_t> image)
      : kind_(kind), image_(std::move(image)) {}

  struct Log {
    std::vector<std::uint8_t> replies;  // reply codes in order
    std::vector<CompletedImage> images;
    bool finished = false;  // acknowledged or done after the last block
  };

  Log run(BaseUnitModel& model) {
    Log log;
    const bool base = kind_ == ImageKind::Base;
    std::vector<std::uint8_t> start(5);
    writeLe32(start, 0, static_cast<std::uint32_t>(image_.size()));
    start[4] = '1';
    ReportFrame frame = pcFrame(base ? codeByte(CommandCode::BaseUpgradeStart)
                                     : codeByte(CommandCode::HandheldUpgradeStart),
                                start);
    const UpgradeReplyCodes& codes = replyCodesFor(kind_);
    for (int frames = 0; frames < 100'000; ++frames) {
      ModelOutput out = model.receive(wire(frame));
      log.images.insert(log.images.end(), out.images.begin(), out.images.end());
      if (out.replies.empty()) {
        return log;  // the unit stopped answering
      }
      const std::uint8_t code = out.replies.front()[0];
      log.replies.push_back(code);
      if (code == codes.done || (code == codes.blockAck && offset_ == image_.size())) {
        log.finished = true;
        return log;
      }
      if (code == codes.retry) {
        offset_ -= lastLength_;
      }
      if (codes.handshake && code == *codes.handshake) {
        frame[1] = codeByte(CommandCode::BaseUpgradeHandshakeReply);
        Fcs16::seal(frame);
      } else {
        frame = nextBlock();
      }
    }
    return log;
  }

 private:
  ReportFrame nextBlock() {
    std::vector<std::uint8_t> payload(3 + 32, 0xEE);  // padding the unit must not keep
    writeLe16(payload, 0, static_cast<std::uint16_t>(offset_ / 256));
    payload[2] = static_cast<std::uint8_t>((offset_ % 256) / 32);
    lastLength_ = std::min<std::size_t>(32, image_.size() - offset_);
    std::copy_n(image_.begin() + static_cast<std::ptrdiff_t>(offset_), lastLength_,
                payload.begin() + 3);
    offset_ += lastLength_;
    return pcFrame(kind_ == ImageKind::Base ? codeByte(CommandCode::BaseUpgradeBlock)
                                            : codeByte(CommandCode::HandheldUpgradeBlock),
                   payload);
  }

  ImageKind kind_;
  std::vector<std::uint8_t> image_;
  std::size_t offset_ = 0;
  std::size_t lastLength_ = 0;
};

}  // namespace orbelle::sim::testing
