#pragma once

#include <QIODevice>
#include <QString>
#include <QtGlobal>
#include <functional>
#include <string>

#include "prefs/RemotePort.h"
#include "protocol/LineSettings.h"

namespace orbelle {

// A serial port on a network serial server, as a byte stream (RemoteSerialPort). It lives in
// a module of its own, loaded when a remote port is first opened (RemoteLineModule): the
// network library and what it pulls in (Kerberos, the proxy resolver) then cost nothing to a
// program that never opens one, which is nearly every start of the window.
//
// Only what is declared here crosses into the module, so the class has no signals of its
// own: what QIODevice tells (readyRead, bytesWritten) is told as usual, and a lost
// connection through the callback.
class RemoteLine : public QIODevice {
 public:
  using LostCallback = std::function<void(const QString& why)>;

  ~RemoteLine() override = default;

  // Connects to `port` and, over RFC 2217, agrees on the COM-PORT-OPTION; then sets `line`.
  // Throws LinkError naming `url` when the server cannot be reached or refuses.
  virtual void openConnection(const RemotePort& port, const std::string& url,
                              const LineSettings& line) = 0;
  // Sets the far port's line; throws LinkError when the server refuses or does not answer, or
  // (raw TCP) when the rate is not the one the port was opened with.
  virtual void setLine(const LineSettings& line) = 0;
  virtual const LineSettings& line() const = 0;
  // Whether the system holds received bytes not taken in yet.
  virtual bool bytesWaitingInSystem() const = 0;
  virtual qintptr socketDescriptor() const = 0;
  // Hands what is written to the system now.
  virtual bool flush() = 0;
  // Called when the server closes the connection or it breaks, with why in the system's words.
  virtual void setOnLost(LostCallback onLost) = 0;

 protected:
  explicit RemoteLine(QObject* parent = nullptr) : QIODevice(parent) {}
};

// The module's one entry: a new line, or none when the module was built against another
// version of this interface. Looked up by the name kRemoteLineEntry.
using RemoteLineEntry = RemoteLine* (*)(int interfaceVersion);
inline constexpr const char* kRemoteLineEntry = "orbelle_new_remote_line";
// Raised whenever RemoteLine or the types it passes change.
inline constexpr int kRemoteLineInterfaceVersion = 1;

}  // namespace orbelle
