#include "link/SerialLink.h"

#include "protocol/LineSettings.h"
#include "protocol/LinkError.h"

namespace orbelle {

namespace {

QSerialPort::Parity parityOf(char letter) {
  switch (letter) {
    case 'o':
      return QSerialPort::OddParity;
    case 'e':
      return QSerialPort::EvenParity;
    case 'm':
      return QSerialPort::MarkParity;
    case 's':
      return QSerialPort::SpaceParity;
    default:
      return QSerialPort::NoParity;
  }
}

}  // namespace

std::string describeOpenFailure(std::int32_t comNumber, const std::string& device,
                                QSerialPort::SerialPortError error, const QString& errorText) {
  std::string text = "Failed to open COM" + std::to_string(comNumber) + " (" + device +
                     "): " + errorText.toStdString();
  if (error == QSerialPort::PermissionError) {
#ifdef _WIN32
    text += "; the port may be in use by another program";
#else
    text +=
        "; add yourself to the dialout group (sudo usermod -aG dialout $USER, then log in "
        "again), or check that no other program holds the port";
#endif
  } else if (error == QSerialPort::DeviceNotFoundError) {
    text += "; check the cable, or name the device with \"vkr prefs set com " +
            std::to_string(comNumber) + " PATH\" or VKR_COM" + std::to_string(comNumber);
  }
  return text;
}

SerialLink::SerialLink(DeviceResolver resolver, FrameCallback onFrame, QObject* parent)
    : QObject(parent), resolver_(std::move(resolver)), onFrame_(std::move(onFrame)) {
  connect(&port_, &QSerialPort::readyRead, this, &SerialLink::onReadyRead);
  connect(&port_, &QSerialPort::bytesWritten, this, &SerialLink::onBytesWritten);
}

SerialLink::~SerialLink() { close(); }

void SerialLink::open(std::int32_t port, std::int32_t baudrate) {
  if (port_.isOpen()) {
    port_.close();
  }
  // The output buffer of QSerialPort grows as needed, so there is no size to set.
  const ComDevice device = resolver_(port & 0xFFFF);
  devicePath_ = device.path;
  port_.setPortName(QString::fromStdString(device.path));
  if (!port_.isOpen() && !port_.open(QIODevice::ReadWrite)) {
    throw LinkError(describeOpenFailure(port, device.path, port_.error(), port_.errorString()));
  }
  if (const auto settings = lineSettingsForBaudrate(baudrate)) {
    setLineSettings(*settings);
  }
  discardInput();
}

bool SerialLink::portOpen() const { return port_.isOpen(); }

void SerialLink::send(std::span<const std::uint8_t, kWireFrameSize> bytes) {
  if (port_.isOpen()) {
    port_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
  }
}

void SerialLink::setLineSettings(std::string_view text) {
  const auto settings = parseLineSettings(text);
  if (!settings) {
    throw LinkError("Unknown serial line settings \"" + std::string(text) + "\"");
  }
  if (!port_.isOpen()) {
    return;  // applied at the next opening, which sets the preferred rate anyway
  }
  const bool applied =
      port_.setBaudRate(settings->rate) &&
      port_.setDataBits(static_cast<QSerialPort::DataBits>(settings->dataBits)) &&
      port_.setParity(parityOf(settings->parity)) &&
      port_.setStopBits(settings->stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
  if (!applied) {
    throw LinkError("Cannot set " + std::string(text) + " on " + devicePath_ + ": " +
                    port_.errorString().toStdString());
  }
}

void SerialLink::discardInput() {
  if (port_.isOpen()) {
    port_.clear(QSerialPort::Input);
    port_.readAll();
  }
}

void SerialLink::close() {
  if (port_.isOpen()) {
    port_.close();
  }
  onBytesWritten();  // nothing is pending any more
}

void SerialLink::whenDrained(std::function<void()> then) {
  if (!port_.isOpen() || port_.bytesToWrite() == 0) {
    then();
    return;
  }
  drainWaiters_.push_back(std::move(then));
}

void SerialLink::onBytesWritten() {
  if (port_.isOpen() && port_.bytesToWrite() > 0) {
    return;
  }
  auto waiters = std::move(drainWaiters_);
  drainWaiters_.clear();
  for (auto& waiter : waiters) {
    waiter();
  }
}

void SerialLink::onReadyRead() {
  // Like a receive threshold of 38: fewer bytes stay buffered until the rest arrives.
  if (port_.bytesAvailable() < static_cast<qint64>(kWireFrameSize)) {
    return;
  }
  const QByteArray data = port_.readAll();
  std::array<std::uint8_t, kWireFrameSize> frame{};
  std::copy_n(reinterpret_cast<const std::uint8_t*>(data.constData()), kWireFrameSize,
              frame.begin());
  if (onFrame_) {
    onFrame_(frame);
  }
}

}  // namespace orbelle
