#include "link/RemoteSerialPort.h"

#include <QMetaObject>
#include <cstring>

#ifdef __linux__
#include <sys/ioctl.h>
#endif

namespace orbelle {

namespace {

// Telnet (RFC 854) and its COM-PORT-OPTION (RFC 2217).
constexpr std::uint8_t kIac = 255;
constexpr std::uint8_t kDont = 254;
constexpr std::uint8_t kDo = 253;
constexpr std::uint8_t kWont = 252;
constexpr std::uint8_t kWill = 251;
constexpr std::uint8_t kSb = 250;
constexpr std::uint8_t kSe = 240;
constexpr std::uint8_t kBinary = 0;
constexpr std::uint8_t kSuppressGoAhead = 3;
constexpr std::uint8_t kComPort = 44;
constexpr std::uint8_t kSetBaudRate = 1;
constexpr std::uint8_t kSetDataSize = 2;
constexpr std::uint8_t kSetParity = 3;
constexpr std::uint8_t kSetStopSize = 4;
// The server answers a setting with its code plus this, and the value in effect.
constexpr std::uint8_t kServerAnswer = 100;

// How long the server may take to accept the connection, or to answer a negotiation or a
// change of settings.
constexpr std::chrono::seconds kAnswerLimit(5);

std::uint8_t parityCode(char parity) {
  switch (parity) {
    case 'o':
      return 2;
    case 'e':
      return 3;
    case 'm':
      return 4;
    case 's':
      return 5;
    default:
      return 1;
  }
}

std::string describe(const LineSettings& line) {
  return std::to_string(line.rate) + "," + line.parity + "," + std::to_string(line.dataBits) + "," +
         std::to_string(line.stopBits);
}

}  // namespace

RemoteSerialPort::RemoteSerialPort(QObject* parent) : RemoteLine(parent) {
  connect(&socket_, &QTcpSocket::readyRead, this, &RemoteSerialPort::takeIn);
  connect(&socket_, &QTcpSocket::bytesWritten, this, &RemoteSerialPort::bytesWritten);
  connect(&socket_, &QTcpSocket::disconnected, this, &RemoteSerialPort::onSocketLost);
  connect(&socket_, &QTcpSocket::errorOccurred, this, &RemoteSerialPort::onSocketLost);
}

RemoteSerialPort::~RemoteSerialPort() { close(); }

void RemoteSerialPort::openConnection(const RemotePort& port, const std::string& url,
                                      const LineSettings& line) {
  close();
  kind_ = port.kind;
  url_ = url;
  state_ = State::Data;
  said_.clear();
  comPortAgreed_.reset();
  unanswered_.clear();
  received_.clear();
  socket_.connectToHost(QString::fromStdString(port.host), port.port);
  if (!socket_.waitForConnected(static_cast<int>(
          std::chrono::duration_cast<std::chrono::milliseconds>(kAnswerLimit).count()))) {
    const bool absent = socket_.error() == QAbstractSocket::ConnectionRefusedError ||
                        socket_.error() == QAbstractSocket::HostNotFoundError;
    refuse(socket_.errorString().toStdString(),
           absent ? LinkFailure::DeviceNotFound : LinkFailure::Other);
  }
  // Each frame leaves at once, not when the acknowledgement of the last one came back.
  socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
  QIODevice::open(QIODevice::ReadWrite | QIODevice::Unbuffered);
  if (kind_ == RemotePort::Kind::Raw) {
    line_ = line;
    return;
  }
  // Eight clean bits both ways, no go-aheads, and the serial port's settings.
  for (const std::uint8_t option : {kBinary, kSuppressGoAhead}) {
    say(kWill, option);
    say(kDo, option);
  }
  say(kWill, kComPort);
  if (!waitFor([this] { return comPortAgreed_.has_value(); })) {
    refuse("the server did not answer the offer of RFC 2217's COM-PORT-OPTION");
  }
  if (!*comPortAgreed_) {
    refuse(
        "the server does not take RFC 2217's COM-PORT-OPTION (a raw port is named "
        "socket://HOST:PORT)");
  }
  setLine(line);
}

void RemoteSerialPort::close() {
  // Closed first, so that the socket's going is not taken for the server's.
  QIODevice::close();
  socket_.abort();
  received_.clear();
  readyPending_ = false;
}

qint64 RemoteSerialPort::bytesAvailable() const {
  return received_.size() + QIODevice::bytesAvailable();
}

bool RemoteSerialPort::waitForReadyRead(int msecs) {
  const qsizetype before = received_.size();
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(msecs);
  while (received_.size() == before && socket_.state() == QAbstractSocket::ConnectedState) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (!socket_.waitForReadyRead(static_cast<int>(std::max<long long>(left, 0))) || left <= 0) {
      break;
    }
  }
  return received_.size() > before;
}

bool RemoteSerialPort::bytesWaitingInSystem() const {
  if (socket_.bytesAvailable() > 0) {
    return true;
  }
#ifdef __linux__
  int waiting = 0;
  return ::ioctl(static_cast<int>(socket_.socketDescriptor()), FIONREAD, &waiting) != 0 ||
         waiting > 0;
#else
  return true;
#endif
}

void RemoteSerialPort::setLine(const LineSettings& line) {
  if (kind_ == RemotePort::Kind::Raw) {
    if (line != line_) {
      refuse("the far port's settings are fixed at " + describe(line_) + " by its server, and " +
             describe(line) + " is needed (rfc2217://HOST:PORT lets the settings travel)");
    }
    return;
  }
  QByteArray rate(4, '\0');
  for (int i = 0; i < 4; ++i) {
    rate[i] = static_cast<char>((static_cast<std::uint32_t>(line.rate) >> (24 - 8 * i)) & 0xFF);
  }
  sendSetting(kSetBaudRate, rate);
  sendSetting(kSetDataSize, QByteArray(1, static_cast<char>(line.dataBits)));
  sendSetting(kSetParity, QByteArray(1, static_cast<char>(parityCode(line.parity))));
  sendSetting(kSetStopSize, QByteArray(1, static_cast<char>(line.stopBits)));
  unanswered_ = {kSetBaudRate, kSetDataSize, kSetParity, kSetStopSize};
  rateInEffect_.reset();
  socket_.flush();
  // The next frame goes at the new rate only once the far port has it.
  if (!waitFor([this] { return unanswered_.empty(); })) {
    refuse("the server did not acknowledge the line settings " + describe(line));
  }
  if (rateInEffect_ && *rateInEffect_ != static_cast<std::uint32_t>(line.rate)) {
    refuse("the server set the far port to " + std::to_string(*rateInEffect_) + " baud, not " +
           std::to_string(line.rate));
  }
  line_ = line;
}

qint64 RemoteSerialPort::readData(char* data, qint64 maxSize) {
  const qsizetype taken = std::min<qsizetype>(maxSize, received_.size());
  std::memcpy(data, received_.constData(), static_cast<std::size_t>(taken));
  received_.remove(0, taken);
  return taken;
}

qint64 RemoteSerialPort::writeData(const char* data, qint64 size) {
  QByteArray bytes(data, size);
  if (kind_ == RemotePort::Kind::Rfc2217) {
    bytes.replace(QByteArray(1, static_cast<char>(kIac)), QByteArray(2, static_cast<char>(kIac)));
  }
  return socket_.write(bytes) == bytes.size() ? size : -1;
}

void RemoteSerialPort::takeIn() {
  const qsizetype before = received_.size();
  const QByteArray bytes = socket_.readAll();
  if (kind_ == RemotePort::Kind::Raw) {
    received_.append(bytes);
  } else {
    for (const char byte : bytes) {
      parse(static_cast<std::uint8_t>(byte));
    }
  }
  if (received_.size() == before || !isOpen()) {
    return;
  }
  if (waiting_) {
    readyPending_ = true;
  } else {
    emit readyRead();
  }
}

void RemoteSerialPort::parse(std::uint8_t byte) {
  switch (state_) {
    case State::Data:
      if (byte == kIac) {
        state_ = State::Command;
      } else {
        received_.append(static_cast<char>(byte));
      }
      return;
    case State::Command:
      state_ = State::Data;
      if (byte == kIac) {
        received_.append(static_cast<char>(byte));
      } else if (byte == kWill || byte == kWont || byte == kDo || byte == kDont) {
        command_ = byte;
        state_ = State::Option;
      } else if (byte == kSb) {
        subOption_.clear();
        state_ = State::SubOption;
      }
      return;  // other commands (no operation, go ahead ...) carry nothing for us
    case State::Option:
      negotiate(command_, byte);
      state_ = State::Data;
      return;
    case State::SubOption:
      if (byte == kIac) {
        state_ = State::SubOptionCommand;
      } else {
        subOption_.append(static_cast<char>(byte));
      }
      return;
    case State::SubOptionCommand:
      if (byte == kIac) {
        subOption_.append(static_cast<char>(byte));
        state_ = State::SubOption;
      } else {
        if (byte == kSe) {
          subnegotiated();
        }
        state_ = State::Data;
      }
      return;
  }
}

// Each request is answered once, as RFC 1143 asks, so that two ends never loop.
void RemoteSerialPort::negotiate(std::uint8_t command, std::uint8_t option) {
  const bool wanted = option == kBinary || option == kSuppressGoAhead || option == kComPort;
  if (option == kComPort && (command == kDo || command == kDont)) {
    comPortAgreed_ = command == kDo;
  }
  switch (command) {
    case kDo:
      say(wanted ? kWill : kWont, option);
      return;
    case kWill:
      say(wanted && option != kComPort ? kDo : kDont, option);
      return;
    case kDont:
      if (option != kComPort) {
        say(kWont, option);
      }
      return;
    case kWont:
      say(kDont, option);
      return;
    default:
      return;
  }
}

void RemoteSerialPort::say(std::uint8_t command, std::uint8_t option) {
  if (said_.insert({command, option}).second) {
    sendCommand(command, option);
    socket_.flush();
  }
}

void RemoteSerialPort::subnegotiated() {
  if (subOption_.size() < 2 || static_cast<std::uint8_t>(subOption_[0]) != kComPort) {
    return;
  }
  const auto answer = static_cast<std::uint8_t>(subOption_[1]);
  if (answer <= kServerAnswer) {
    return;  // the server's own requests (notifications of line and modem state) are not used
  }
  const auto setting = static_cast<std::uint8_t>(answer - kServerAnswer);
  unanswered_.erase(setting);
  if (setting == kSetBaudRate && subOption_.size() >= 6) {
    std::uint32_t rate = 0;
    for (int i = 2; i < 6; ++i) {
      rate = (rate << 8) | static_cast<std::uint8_t>(subOption_[i]);
    }
    rateInEffect_ = rate;
  }
}

void RemoteSerialPort::sendCommand(std::uint8_t command, std::uint8_t option) {
  const char bytes[] = {static_cast<char>(kIac), static_cast<char>(command),
                        static_cast<char>(option)};
  socket_.write(bytes, sizeof bytes);
}

void RemoteSerialPort::sendSetting(std::uint8_t setting, const QByteArray& value) {
  QByteArray bytes;
  bytes.append(static_cast<char>(kIac)).append(static_cast<char>(kSb));
  bytes.append(static_cast<char>(kComPort)).append(static_cast<char>(setting));
  for (const char byte : value) {
    bytes.append(byte);
    if (static_cast<std::uint8_t>(byte) == kIac) {
      bytes.append(byte);
    }
  }
  bytes.append(static_cast<char>(kIac)).append(static_cast<char>(kSe));
  socket_.write(bytes);
}

template <typename Done>
bool RemoteSerialPort::waitFor(const Done& done) {
  waiting_ = true;
  const Clock::time_point deadline = Clock::now() + kAnswerLimit;
  while (!done() && socket_.state() == QAbstractSocket::ConnectedState) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0 || !socket_.waitForReadyRead(static_cast<int>(left))) {
      break;
    }
  }
  waiting_ = false;
  if (readyPending_) {
    readyPending_ = false;
    // Told from the event loop, not from within the step that waited.
    QMetaObject::invokeMethod(
        this,
        [this] {
          if (isOpen() && bytesAvailable() > 0) {
            emit readyRead();
          }
        },
        Qt::QueuedConnection);
  }
  return done();
}

void RemoteSerialPort::refuse(const std::string& why, LinkFailure reason) {
  const bool gone = socket_.state() != QAbstractSocket::ConnectedState;
  const std::string text =
      gone && reason == LinkFailure::Other && isOpen() ? why + " (the connection was closed)" : why;
  close();
  throw LinkError(text, {reason, url_, text});
}

void RemoteSerialPort::onSocketLost() {
  // A step that waits on the socket refuses for itself; a closing of ours is no loss, nor is
  // a wait on the socket that ran out (which the socket reports as an error).
  if (!isOpen() || waiting_ ||
      (socket_.error() == QAbstractSocket::SocketTimeoutError &&
       socket_.state() == QAbstractSocket::ConnectedState)) {
    return;
  }
  const QString why = socket_.state() == QAbstractSocket::ConnectedState
                          ? socket_.errorString()
                          : QStringLiteral("the connection was closed");
  if (onLost_) {
    onLost_(why);
  }
}

}  // namespace orbelle

// The module's entry (RemoteLine.h): the one name the module gives the program.
extern "C" Q_DECL_EXPORT orbelle::RemoteLine* orbelle_new_remote_line(int interfaceVersion) {
  if (interfaceVersion != orbelle::kRemoteLineInterfaceVersion) {
    return nullptr;
  }
  return new orbelle::RemoteSerialPort;
}
