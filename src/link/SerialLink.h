#pragma once

#include <QObject>
#include <QSerialPort>
#include <QTimer>
#include <chrono>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "link/DeviceLock.h"
#include "link/LowLatencySerial.h"
#include "prefs/ComPortMap.h"
#include "protocol/Transport.h"
#include "protocol/TurnaroundStats.h"

namespace orbelle {

// RS232 link over QSerialPort. A frame is 38 raw bytes each way; a receive event hands
// over a frame once 38 bytes are buffered, taking the first 38 of what has arrived and
// dropping the rest of that read. Bytes dropped in the middle of a frame (the rest of that
// read, or a stray reply dropped before a send) leave the remainder of that frame to be
// dropped as it arrives, so that the next reply is read from its first byte. Once the unit
// has sent replies nobody asked for, each frame is held for a few byte times before it is
// handed over, so that a repeat following right behind it is dropped with it.
//
// A unit cannot begin to answer a frame before the whole frame has crossed the wire, so a
// reply whose first byte came sooner after the send than that is an earlier reply still on
// its way (a repeat, or one that came late): it is dropped and reported as too soon. On a
// pseudo-terminal, which is no wire, the peer may answer at once; there the rule holds only
// once the peer has shown that it paces its bytes at a line's rate.
//
// A port that goes away (a hang-up) is closed and reported at once. Everything runs on the
// thread that owns the object.
class SerialLink : public QObject, public SerialTransport {
  Q_OBJECT

 public:
  using FrameCallback = std::function<void(std::span<const std::uint8_t, kWireFrameSize>)>;
  using DeviceResolver = std::function<ComDevice(std::int32_t comNumber)>;
  using DropCallback = std::function<void(std::span<const std::uint8_t>)>;
  using TooSoonCallback = std::function<void()>;
  using NoteCallback = std::function<void(std::string_view)>;

  enum class Problem {
    PortLost,  // the device hung up or vanished while open; the port has been closed
  };
  using ProblemCallback = std::function<void(Problem, const std::string& text)>;

  SerialLink(DeviceResolver resolver, FrameCallback onFrame, ProblemCallback onProblem = {},
             DropCallback onDropped = {}, QObject* parent = nullptr);
  ~SerialLink() override;

  // A refusal throws LinkError with the cause: its reason, the device and the port's words.
  // The device lock is taken before the port opens: a port that another of our programs
  // holds is not even opened (an opening moves the modem lines), and the refusal names it.
  void open(std::int32_t port, std::int32_t baudrate) override;
  bool portOpen() const override;
  void send(std::span<const std::uint8_t, kWireFrameSize> bytes) override;
  void setLineSettings(std::string_view settings) override;
  void discardInput() override;
  void dropUnhandled() override;
  void close() override;

  // Runs `then` once everything written so far has left the port's buffer.
  void whenDrained(std::function<void()> then);

  // Told of each whole frame dropped because it came too soon to answer the last send (after
  // the drop itself has been reported).
  void setTooSoonHandler(TooSoonCallback handler) { onTooSoon_ = std::move(handler); }
  // Told of the steps around the port that a trace shows ("low latency on").
  void setNoteHandler(NoteCallback handler) { onNote_ = std::move(handler); }

  // The unit's turnaround for each frame it answered since the last clearing: from the end of
  // the frame on the wire (counted from its write to the system at the line's rate) to the
  // first byte of the answer.
  const TurnaroundStats& turnarounds() const { return turnarounds_; }
  void clearTurnarounds() { turnarounds_.clear(); }

  // The device opened last (for messages).
  const std::string& devicePath() const { return devicePath_; }
  // How messages name it: "COM3 (/dev/ttyS2)", or the device alone when it was given as such.
  std::string portName() const;

 private:
  using Clock = std::chrono::steady_clock;

  void onReadyRead();
  void takeFrame();
  Clock::duration frameWireTime() const;
  // What one byte takes on the peer's wire: its shown pace on a pseudo-terminal, else the
  // port's rate.
  Clock::duration byteWireTime() const;
  // Asks the system to wake this process only once `bytes` have come in (the terminal's
  // VMIN): a reply that trickles in at the line's pace then costs one wake-up, not 38.
  void setWakeThreshold(std::size_t bytes);
  // The threshold for what is buffered now: the rest of the frame being gathered. Only on a
  // wire, or a peer that has shown its pace, where the first byte's time can be told from
  // the last's; one byte while a frame is held for its repeat.
  void updateWakeThreshold();
  // Drops what is on its way from before the opening, until the line falls quiet.
  void settleInput();
  bool bytesWaitingInSystem();
  // Whether a frame whose first byte came at `begunAt` came too soon to answer the last send,
  // a frame taking `frameTime` to cross the wire.
  bool cameTooSoon(Clock::time_point begunAt, Clock::duration frameTime) const;
  void notePacing(Clock::time_point begunAt, Clock::time_point completeAt);
  void forgetFrameTimes();
  void noteTurnaround(Clock::time_point begunAt);
  std::chrono::milliseconds repeatHoldTime() const;
  void onBytesWritten();
  void dropBuffered(bool strayReplies);
  void reportDropped();
  void onError(QSerialPort::SerialPortError error);
  // Reports `bytes` as dropped and notes how much of a frame they leave unfinished.
  void dropBytes(const QByteArray& bytes);

  QSerialPort port_;
  std::unique_ptr<DeviceLock> deviceLock_;  // held while the port is open
  DeviceResolver resolver_;
  FrameCallback onFrame_;
  ProblemCallback onProblem_;
  DropCallback onDropped_;
  TooSoonCallback onTooSoon_;
  NoteCallback onNote_;
  LowLatencySerial lowLatency_;
  TurnaroundStats turnarounds_;
  std::int32_t comNumber_ = 0;
  std::string devicePath_;
  bool namedByCom_ = true;
  std::size_t strayBytesToCome_ = 0;  // the rest of a frame that is being dropped
  QByteArray droppedRun_;             // dropped bytes not reported yet
  bool pullingIn_ = false;            // taking in buffered bytes only to drop them
  bool repeatsSeen_ = false;          // the unit has sent more replies than were asked for
  bool pseudoTerminal_ = false;       // no wire: the peer may answer at once
  // What a frame takes on the peer's wire, once it has answered as a wire would.
  std::optional<std::chrono::steady_clock::duration> peerFrameTime_;
  std::optional<Clock::time_point> lastSentAt_;
  bool answerTimed_ = false;                          // the last send's answer has been timed
  std::optional<Clock::time_point> frameBegunAt_;     // first byte of the frame being gathered
  std::optional<Clock::time_point> frameCompleteAt_;  // its 38th byte
  std::size_t wakeThreshold_ = 1;
  QTimer holdTimer_;
  std::vector<std::function<void()>> drainWaiters_;
};

}  // namespace orbelle
