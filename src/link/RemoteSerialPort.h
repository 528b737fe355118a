#pragma once

#include <QByteArray>
#include <QTcpSocket>
#include <chrono>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include "link/RemoteLine.h"
#include "protocol/LinkError.h"

namespace orbelle {

// A serial port on a network serial server, as a byte stream: raw TCP (socket://), or Telnet
// with RFC 2217's COM-PORT-OPTION (rfc2217://), where the line settings travel to the far
// port and each change waits for the server's word on the value in effect. Data bytes 0xFF
// are doubled on the way out and undoubled on the way in; negotiation and acknowledgements
// never reach the reader. Over raw TCP the far port keeps the settings its server gave it, so
// the port stays at the rate it was opened with and refuses any other.
//
// Opening, connecting and a change of settings wait on the socket (no event loop runs), up to
// a limit; what arrives meanwhile is told by readyRead from the event loop afterwards.
class RemoteSerialPort : public RemoteLine {
  Q_OBJECT

 public:
  explicit RemoteSerialPort(QObject* parent = nullptr);
  ~RemoteSerialPort() override;

  void openConnection(const RemotePort& port, const std::string& url,
                      const LineSettings& line) override;
  void close() override;
  bool isSequential() const override { return true; }
  qint64 bytesAvailable() const override;
  qint64 bytesToWrite() const override { return socket_.bytesToWrite(); }
  bool waitForReadyRead(int msecs) override;
  bool flush() override { return socket_.flush(); }
  void setLine(const LineSettings& line) override;
  const LineSettings& line() const override { return line_; }
  bool bytesWaitingInSystem() const override;
  qintptr socketDescriptor() const override { return socket_.socketDescriptor(); }
  void setOnLost(LostCallback onLost) override { onLost_ = std::move(onLost); }

 protected:
  qint64 readData(char* data, qint64 maxSize) override;
  qint64 writeData(const char* data, qint64 size) override;

 private:
  enum class State { Data, Command, Option, SubOption, SubOptionCommand };
  using Clock = std::chrono::steady_clock;

  void takeIn();
  void parse(std::uint8_t byte);
  void negotiate(std::uint8_t command, std::uint8_t option);
  void subnegotiated();
  // Says `command` about `option` unless it was said before on this connection.
  void say(std::uint8_t command, std::uint8_t option);
  void sendCommand(std::uint8_t command, std::uint8_t option);
  void sendSetting(std::uint8_t setting, const QByteArray& value);
  // Waits on the socket until `done` holds; false when the limit passed or the socket closed.
  template <typename Done>
  bool waitFor(const Done& done);
  [[noreturn]] void refuse(const std::string& why, LinkFailure reason = LinkFailure::Other);
  void onSocketLost();

  QTcpSocket socket_;
  LostCallback onLost_;
  RemotePort::Kind kind_ = RemotePort::Kind::Raw;
  std::string url_;
  LineSettings line_;
  QByteArray received_;   // data for the reader
  bool waiting_ = false;  // the port waits on the socket: readyRead comes from the loop after
  bool readyPending_ = false;

  State state_ = State::Data;
  std::uint8_t command_ = 0;
  QByteArray subOption_;
  std::set<std::pair<std::uint8_t, std::uint8_t>> said_;  // each (command, option) once
  std::optional<bool> comPortAgreed_;
  // The settings sent and not acknowledged yet, with what the server said it set.
  std::set<std::uint8_t> unanswered_;
  std::optional<std::uint32_t> rateInEffect_;
};

}  // namespace orbelle
