#pragma once

#include <QObject>
#include <QSerialPort>
#include <functional>
#include <span>
#include <string>

#include "prefs/ComPortMap.h"
#include "protocol/Transport.h"

namespace orbelle {

// RS232 link over QSerialPort. A frame is 38 raw bytes each way; a receive event hands
// over a frame once 38 bytes are buffered, taking the first 38 of what has arrived and
// dropping the rest of that read. Everything runs on the thread that owns the object.
class SerialLink : public QObject, public SerialTransport {
  Q_OBJECT

 public:
  using FrameCallback = std::function<void(std::span<const std::uint8_t, kWireFrameSize>)>;
  using DeviceResolver = std::function<ComDevice(std::int32_t comNumber)>;

  SerialLink(DeviceResolver resolver, FrameCallback onFrame, QObject* parent = nullptr);
  ~SerialLink() override;

  void open(std::int32_t port, std::int32_t baudrate) override;
  bool portOpen() const override;
  void send(std::span<const std::uint8_t, kWireFrameSize> bytes) override;
  void setLineSettings(std::string_view settings) override;
  void discardInput() override;
  void close() override;

  // Runs `then` once everything written so far has left the port's buffer.
  void whenDrained(std::function<void()> then);

  // The device opened last (for messages).
  const std::string& devicePath() const { return devicePath_; }

 private:
  void onReadyRead();
  void onBytesWritten();

  QSerialPort port_;
  DeviceResolver resolver_;
  FrameCallback onFrame_;
  std::string devicePath_;
  std::vector<std::function<void()>> drainWaiters_;
};

// "Failed to open COM3 (/dev/ttyS2): Permission denied; add yourself to the dialout group".
std::string describeOpenFailure(std::int32_t comNumber, const std::string& device,
                                QSerialPort::SerialPortError error, const QString& errorText);

}  // namespace orbelle
