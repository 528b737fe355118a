#pragma once

#include <QObject>
#include <QSerialPort>
#include <QTimer>
#include <chrono>
#include <functional>
#include <span>
#include <string>

#include "prefs/ComPortMap.h"
#include "protocol/Transport.h"

namespace orbelle {

// RS232 link over QSerialPort. A frame is 38 raw bytes each way; a receive event hands
// over a frame once 38 bytes are buffered, taking the first 38 of what has arrived and
// dropping the rest of that read. Bytes dropped in the middle of a frame (the rest of that
// read, or a stray reply dropped before a send) leave the remainder of that frame to be
// dropped as it arrives, so that the next reply is read from its first byte. Once the unit
// has sent replies nobody asked for, each frame is held for a few byte times before it is
// handed over, so that a repeat following right behind it is dropped with it. A port that
// goes away (a hang-up) is closed and reported at once. Everything runs on the thread that
// owns the object.
class SerialLink : public QObject, public SerialTransport {
  Q_OBJECT

 public:
  using FrameCallback = std::function<void(std::span<const std::uint8_t, kWireFrameSize>)>;
  using DeviceResolver = std::function<ComDevice(std::int32_t comNumber)>;
  using DropCallback = std::function<void(std::span<const std::uint8_t>)>;

  enum class Problem {
    PortLost,  // the device hung up or vanished while open; the port has been closed
  };
  using ProblemCallback = std::function<void(Problem, const std::string& text)>;

  SerialLink(DeviceResolver resolver, FrameCallback onFrame, ProblemCallback onProblem = {},
             DropCallback onDropped = {}, QObject* parent = nullptr);
  ~SerialLink() override;

  // A refusal throws LinkError with the cause: its reason, the device and the port's words.
  void open(std::int32_t port, std::int32_t baudrate) override;
  bool portOpen() const override;
  void send(std::span<const std::uint8_t, kWireFrameSize> bytes) override;
  void setLineSettings(std::string_view settings) override;
  void discardInput() override;
  void dropUnhandled() override;
  void close() override;

  // Runs `then` once everything written so far has left the port's buffer.
  void whenDrained(std::function<void()> then);

  // The device opened last (for messages).
  const std::string& devicePath() const { return devicePath_; }

 private:
  void onReadyRead();
  void takeFrame();
  std::chrono::milliseconds repeatHoldTime() const;
  void onBytesWritten();
  void dropBuffered(bool strayReplies);
  void reportDropped();
  void onError(QSerialPort::SerialPortError error);
  // Reports `bytes` as dropped and notes how much of a frame they leave unfinished.
  void dropBytes(const QByteArray& bytes);

  QSerialPort port_;
  DeviceResolver resolver_;
  FrameCallback onFrame_;
  ProblemCallback onProblem_;
  DropCallback onDropped_;
  std::int32_t comNumber_ = 0;
  std::string devicePath_;
  std::size_t strayBytesToCome_ = 0;  // the rest of a frame that is being dropped
  QByteArray droppedRun_;             // dropped bytes not reported yet
  bool pullingIn_ = false;            // taking in buffered bytes only to drop them
  bool repeatsSeen_ = false;          // the unit has sent more replies than were asked for
  QTimer holdTimer_;
  std::vector<std::function<void()>> drainWaiters_;
};

}  // namespace orbelle
