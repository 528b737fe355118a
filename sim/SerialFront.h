#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "EventLoop.h"
#include "LineCheck.h"
#include "SimHost.h"

namespace orbelle::sim {

// How the unit hears its line. `portPaced`: the wire is emulated at the rate the terminal is
// set to (its peer's setting), in place of a fixed rate. `lineCheck`: frames that come while
// the terminal is set to a rate the unit does not listen at are not answered.
struct SerialLine {
  bool portPaced = false;
  std::optional<LineCheck> lineCheck;
};

// The base unit behind a pseudo-terminal: the PC opens the slave device as its COM port.
// The byte stream is cut into 38-byte frames. With wire emulation a frame counts as arrived
// only once its bytes would have crossed the line, and replies leave at the line's pace.
class SerialFront : public Front {
 public:
  // baudRate: emulate the wire time of this rate (10 bits a byte); none for no emulation.
  // `replyDelay`: how long each reply waits before it leaves, after the frame it answers is in.
  SerialFront(SimHost& host, std::optional<int> baudRate,
              std::chrono::milliseconds replyDelay = std::chrono::milliseconds(0),
              SerialLine line = {});
  ~SerialFront() override;
  SerialFront(const SerialFront&) = delete;
  SerialFront& operator=(const SerialFront&) = delete;

  const std::string& devicePath() const { return devicePath_; }

  void watch(std::vector<pollfd>& fds) override;
  void serve(std::span<const pollfd> fds, Clock::time_point now) override;
  std::optional<Clock::time_point> deadline() const override;

 private:
  struct ArrivingFrame {
    WireFrame bytes;
    Clock::time_point due;
    int portRate;  // the terminal's rate when its first byte was read
  };
  struct Chunk {
    std::vector<std::uint8_t> bytes;
    Clock::time_point notBefore;
    bool ownWrite;  // written alone, never merged with the chunks after it
  };

  void readInput(Clock::time_point now);
  void takeByte(std::uint8_t byte, Clock::time_point now, int portRate);
  // The rate the peer set the terminal to; 0 when it cannot be read.
  int portRate() const;
  std::optional<Clock::duration> byteTime(int portRate) const;
  void answerDueFrames(Clock::time_point now);
  void queueReply(const WireFrame& reply, Clock::time_point now);
  void writeDueOutput(Clock::time_point now);
  bool outputIdle() const { return pendingWrite_.empty() && output_.empty(); }
  void finishVanishing(Clock::time_point now);
  void closeDevice();

  SimHost& host_;
  std::optional<Clock::duration> byteTime_;
  Clock::duration replyDelay_{};
  int master_ = -1;
  int heldSlave_ = -1;  // keeps the master alive while no client has the device open
  std::string devicePath_;

  SerialLine line_;
  std::vector<std::uint8_t> partial_;
  int partialRate_ = 0;
  int lastPortRate_ = 0;
  Clock::time_point lastByteAt_{};
  Clock::time_point inboundLineFree_{};
  std::deque<ArrivingFrame> arriving_;

  Clock::time_point outboundLineFree_{};
  std::deque<Chunk> output_;
  std::vector<std::uint8_t> pendingWrite_;
  bool blockedOnWrite_ = false;

  bool vanishing_ = false;
  Clock::time_point vanishGiveUp_{};
  Clock::time_point nextDrainCheck_{};
};

}  // namespace orbelle::sim
