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
#include "link/RemoteLine.h"
#include "prefs/ComPortMap.h"
#include "protocol/ReplyEvidence.h"
#include "protocol/Transport.h"
#include "protocol/TurnaroundStats.h"

namespace orbelle {

// RS232 link over QSerialPort. A frame is 38 raw bytes each way; a receive event hands
// over a frame once 38 bytes are buffered, taking the first 38 of what has arrived and
// dropping the rest of that read. Bytes dropped in the middle of a frame (the rest of that
// read, or a stray reply dropped before a send) leave the remainder of that frame to be
// dropped as it arrives, so that the next reply is read from its first byte.
//
// Which frame answers which send is decided on evidence (ReplyEvidence): what was queued
// when a frame went out is dropped, a frame that began sooner than a wire allows is dropped
// as too soon, and after a reply the line must stay quiet for a few byte times before the
// next frame goes out, so that a repeat right behind the reply is queued by then.
//
// A port that goes away (a hang-up) is closed and reported at once. Everything runs on the
// thread that owns the object.
//
// A port on a network serial server (rfc2217://HOST:PORT, socket://HOST:PORT) is opened where
// a device would be, and read and judged as a wire at its rate: the network only adds delay,
// which the evidence allows for, and a reply and its repeat that TCP merges into one read are
// what a queue holds anyway.
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

  // Told, as they go, of dropped bytes that begin frames of their own (not those finishing a
  // frame dropped earlier): the unit spoke.
  void setFreshDropHandler(std::function<void(std::size_t)> handler) {
    onFreshDrop_ = std::move(handler);
  }
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

  // A test seam: every handling of arrived bytes waits `delay` first, as on a machine too
  // busy to notice them at once. Verdicts must not change with it.
  void setHandlingDelay(std::chrono::milliseconds delay) { handlingDelay_ = delay; }

  // The device opened last (for messages).
  const std::string& devicePath() const { return devicePath_; }
  // How messages name it: "COM3 (/dev/ttyS2)", or the device alone when it was given as such.
  std::string portName() const;

 private:
  using Clock = std::chrono::steady_clock;

  void onReadyRead();
  void handleArrivals();
  void takeFrame(const ReplyEvidence::Verdict& verdict, Clock::time_point noticedAt);
  // What one byte takes at the port's settings.
  Clock::duration portByteTime() const;
  // Asks the system to wake this process only once `bytes` have come in (the terminal's
  // VMIN): a reply that trickles in at the line's pace then costs one wake-up, not 38.
  void setWakeThreshold(std::size_t bytes);
  // The threshold for what is buffered now: the rest of the frame being gathered or dropped. Only
  // the peer's pace is known; a pseudo-terminal's peer is watched byte by byte until then.
  void updateWakeThreshold();
  // Drops what is on its way from before the opening, until the line falls quiet.
  void settleInput();
  bool bytesWaitingInSystem();
  // Waits, without spinning, until the quiet spell after the last reply is over or a byte
  // comes in.
  void waitOutQuietSpell();
  void onBytesWritten();
  // Writes what the system takes at once, unless the port still holds bytes to write; how
  // many it took.
  std::size_t writeDirectly(std::span<const std::uint8_t> bytes);
  // Closes the port and keeps the device lock.
  void closePort();
  void dropBuffered();
  void reportDropped();
  void onError(QSerialPort::SerialPortError error);
  void onRemoteLost(const QString& why);
  // Connects to the network serial server named by `device`, at the line of `baudrate`; the
  // line to such servers is made on the first opening of one.
  void openRemote(const std::string& device, std::int32_t baudrate);
  // The byte stream of the port open now: the device's, or the network serial server's.
  QIODevice& io() { return remote_ ? static_cast<QIODevice&>(*remotePort_) : port_; }
  const QIODevice& io() const {
    return remote_ ? static_cast<const QIODevice&>(*remotePort_) : port_;
  }
  int descriptor() const;
  // Takes the timer slack away while the port is open (given back as it closes).
  void sharpenTimers();
  // Reports `bytes` as dropped and notes how much of a frame they leave unfinished.
  void dropBytes(const QByteArray& bytes);

  QSerialPort port_;
  std::unique_ptr<RemoteLine> remotePort_;  // made when a remote port is first opened
  bool remote_ = false;                     // the port open now is remotePort_
  bool settling_ = false;                   // the opening drops what is on its way
  std::optional<std::string> lostInOpening_;
  std::unique_ptr<DeviceLock> deviceLock_;  // held while the port is open
  std::string lockedPath_;
  DeviceResolver resolver_;
  FrameCallback onFrame_;
  ProblemCallback onProblem_;
  DropCallback onDropped_;
  TooSoonCallback onTooSoon_;
  NoteCallback onNote_;
  std::function<void(std::size_t)> onFreshDrop_;
  LowLatencySerial lowLatency_;
  TurnaroundStats turnarounds_;
  std::int32_t comNumber_ = 0;
  std::string devicePath_;
  bool namedByCom_ = true;
  std::size_t strayBytesToCome_ = 0;  // the rest of a frame that is being dropped
  QByteArray droppedRun_;             // dropped bytes not reported yet
  bool pullingIn_ = false;            // taking in buffered bytes only to drop them
  bool pseudoTerminal_ = false;       // no wire: the peer may answer at once
  ReplyEvidence evidence_;
  std::size_t wakeThreshold_ = 1;
  int timerSlack_ = -1;  // the thread's own, while the port has it at 1 ns
  std::chrono::milliseconds handlingDelay_{0};
  QTimer delayTimer_;
  std::vector<std::function<void()>> drainWaiters_;
};

}  // namespace orbelle
