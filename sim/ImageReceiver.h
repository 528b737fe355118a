#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace orbelle::sim {

enum class ImageKind { Base, Handheld };

const char* imageKindName(ImageKind kind);  // "base", "handheld"

// Reply codes of one upgrade table; the handheld table has no handshake.
struct UpgradeReplyCodes {
  std::uint8_t startAck;
  std::uint8_t blockAck;
  std::uint8_t retry;
  std::uint8_t done;
  std::optional<std::uint8_t> handshake;
};

const UpgradeReplyCodes& replyCodesFor(ImageKind kind);

inline constexpr std::size_t kBlockSize = 32;
inline constexpr std::uint32_t kPageSize = 256;
inline constexpr std::uint32_t kSlotsPerPage = kPageSize / kBlockSize;
// A 16-bit page number addresses 65,536 pages of 256 bytes.
inline constexpr std::uint32_t kMaxImageLength = 65536U * kPageSize;

// The base unit's side of one upgrade transfer, from the accepted start frame on: which
// block it expects next, the image gathered so far and what each frame is answered with.
class ImageReceiver {
 public:
  enum class State {
    Receiving,               // waiting for the block at expectedOffset()
    AwaitingResend,          // asked for a retry, waiting for the same block again
    AwaitingHandshakeReply,  // asked for a handshake before acknowledging a block
    Complete,                // every byte is in
  };

  struct Rules {
    std::optional<int> retryEvery;      // blocks K, 2K, ... are asked for once more
    std::optional<int> handshakeEvery;  // blocks K, 2K, ... need a handshake first
    bool finishWithDone = false;        // the last block is answered with done
  };

  // What one frame led to. No reply means the frame was refused; note says why, or remarks
  // on something odd in a frame that was still answered.
  struct Step {
    std::optional<std::uint8_t> reply;
    bool imageComplete = false;
    std::string note;
  };

  ImageReceiver(ImageKind kind, std::uint32_t length, Rules rules);

  // data: the 32 data bytes of the block; payload: frame bytes 2..36, kept so that the
  // handshake reply can be checked against them.
  Step onBlock(std::uint16_t page, std::uint8_t slot, std::span<const std::uint8_t> data,
               std::span<const std::uint8_t> payload);
  Step onHandshakeReply(std::span<const std::uint8_t> payload);

  ImageKind kind() const { return kind_; }
  State state() const { return state_; }
  std::uint32_t expectedOffset() const { return expected_; }
  // Only the image bytes: the padding of a short final block is not kept.
  const std::vector<std::uint8_t>& image() const { return image_; }

 private:
  Step accept(std::uint32_t offset, std::span<const std::uint8_t> data,
              std::span<const std::uint8_t> payload);
  Step afterAccepted(bool last);
  std::uint8_t finalReply() const;
  static bool isEvery(const std::optional<int>& every, std::uint32_t blockNumber);

  ImageKind kind_;
  const UpgradeReplyCodes& codes_;
  std::uint32_t length_;
  Rules rules_;
  State state_ = State::Receiving;
  std::uint32_t expected_ = 0;
  std::optional<std::uint32_t> lastOffset_;
  bool handshakeOnLast_ = false;
  std::vector<std::uint8_t> lastPayload_;
  std::vector<std::uint8_t> image_;
};

}  // namespace orbelle::sim
