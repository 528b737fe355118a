#include "link/SerialLink.h"

#include <algorithm>
#include <thread>

#ifdef __linux__
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

#include "link/LinkMessages.h"
#include "link/RemoteLineModule.h"
#include "prefs/RemotePort.h"
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

// How long a program playing the unit on a pseudo-terminal may be held up in mid-frame.
constexpr std::chrono::milliseconds kPeerStallAllowance(30);

bool deviceAccessible(const std::string& path) {
#ifdef _WIN32
  (void)path;
  return true;
#else
  return ::access(path.c_str(), R_OK | W_OK) == 0;
#endif
}

LinkFailure failureOf(QSerialPort::SerialPortError error, const std::string& path) {
  switch (error) {
    case QSerialPort::PermissionError:
      // The port's own locks on another program's use (its lock file, the terminal's
      // exclusive mode) are reported as a permission error too; a device we may read and
      // write can only have been refused for that.
      return deviceAccessible(path) ? LinkFailure::Busy : LinkFailure::PermissionDenied;
    case QSerialPort::DeviceNotFoundError:
      return LinkFailure::DeviceNotFound;
    case QSerialPort::OpenError:
      return LinkFailure::Busy;
    default:
      return LinkFailure::Other;
  }
}

// A UNIX 98 pseudo-terminal's slave side (majors 136 to 143), such as a simulator's.
bool isPseudoTerminal(QSerialPort& port) {
#ifdef __linux__
  struct stat status {};
  if (::fstat(static_cast<int>(port.handle()), &status) != 0 || !S_ISCHR(status.st_mode)) {
    return false;
  }
  const unsigned int majorNumber = major(status.st_rdev);
  return majorNumber >= 136 && majorNumber <= 143;
#else
  (void)port;
  return false;
#endif
}

// Whether the terminal has hung up or failed, as poll(2) tells it.
bool hungUp(const QSerialPort& port) {
  pollfd watched{static_cast<int>(port.handle()), POLLIN, 0};
  return ::poll(&watched, 1, 0) < 0 || (watched.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

LineSettings lineOf(const QSerialPort& port) {
  char parity = 'n';
  if (port.parity() != QSerialPort::NoParity) {
    parity = 'e';  // any parity bit: only the count matters here
  }
  return {port.baudRate(), parity, static_cast<int>(port.dataBits()),
          port.stopBits() == QSerialPort::TwoStop ? 2 : 1};
}

}  // namespace

SerialLink::SerialLink(DeviceResolver resolver, FrameCallback onFrame, ProblemCallback onProblem,
                       DropCallback onDropped, QObject* parent)
    : QObject(parent),
      resolver_(std::move(resolver)),
      onFrame_(std::move(onFrame)),
      onProblem_(std::move(onProblem)),
      onDropped_(std::move(onDropped)) {
  connect(&port_, &QSerialPort::readyRead, this, &SerialLink::onReadyRead);
  connect(&port_, &QSerialPort::bytesWritten, this, &SerialLink::onBytesWritten);
  connect(&port_, &QSerialPort::errorOccurred, this, &SerialLink::onError);
  delayTimer_.setSingleShot(true);
  delayTimer_.setTimerType(Qt::PreciseTimer);
  connect(&delayTimer_, &QTimer::timeout, this, &SerialLink::handleArrivals);
}

SerialLink::~SerialLink() { close(); }

void SerialLink::open(std::int32_t port, std::int32_t baudrate) {
  closePort();
  // The output buffer of QSerialPort grows as needed, so there is no size to set.
  const ComDevice device = resolver_(port & 0xFFFF);
  comNumber_ = port & 0xFFFF;
  devicePath_ = device.path;
  namedByCom_ = device.source != ComDeviceSource::Given;
  strayBytesToCome_ = 0;
  if (device.fault) {
    throw LinkError(comVariableRefusedText(comNumber_, describeComPathFault(*device.fault)));
  }
  // Opening the same device again (after the unit's restart) keeps the hold on it: another
  // program must not slip in between.
  DeviceLock::Attempt lock;
  if (deviceLock_ && lockedPath_ == device.path) {
    lock.outcome = DeviceLock::Outcome::Taken;
    lock.lock = std::move(deviceLock_);
  } else {
    deviceLock_.reset();
    lock = DeviceLock::tryTake(device.path);
    if (lock.outcome != DeviceLock::Outcome::Taken) {
      const LinkRefusal refusal = lock.refusal(device.path);
      throw LinkError(serialOpenRefusedText(portName(), refusal.portText), refusal);
    }
  }
  remote_ = false;
  if (isRemotePortText(device.path)) {
    openRemote(device.path, baudrate);
    deviceLock_ = std::move(lock.lock);
    lockedPath_ = device.path;
    pseudoTerminal_ = false;
    sharpenTimers();
    if (onNote_) {
      onNote_("low latency unsupported");
    }
    evidence_.reset(portByteTime(), false);
    settleInput();
    if (!remotePort_->isOpen()) {
      // The server took the connection and closed it (its port in use by another client).
      const std::string why = lostInOpening_.value_or("the server closed the connection");
      throw LinkError(serialOpenRefusedText(portName(), why),
                      {LinkFailure::Busy, device.path, why});
    }
    return;
  }
  port_.setPortName(QString::fromStdString(device.path));
  if (!port_.isOpen() && !port_.open(QIODevice::ReadWrite)) {
    const LinkFailure reason = failureOf(port_.error(), device.path);
    // Its words for a lock held by another program speak of permissions: the cause comes first.
    const std::string portText =
        reason == LinkFailure::Busy ? inUseByText(std::nullopt) : port_.errorString().toStdString();
    throw LinkError(serialOpenRefusedText(portName(), portText), {reason, device.path, portText});
  }
  deviceLock_ = std::move(lock.lock);
  lockedPath_ = device.path;
  pseudoTerminal_ = isPseudoTerminal(port_);
  wakeThreshold_ = 1;  // the port opens waking for every byte
  updateWakeThreshold();
  const bool lowLatency =
      lowLatency_.enable(static_cast<int>(port_.handle())) == LowLatencySerial::Result::On;
  sharpenTimers();
  if (onNote_) {
    onNote_(lowLatency ? "low latency on" : "low latency unsupported");
  }
  if (const auto settings = lineSettingsForBaudrate(baudrate)) {
    setLineSettings(*settings);
  }
  evidence_.reset(portByteTime(), pseudoTerminal_);
  settleInput();
}

void SerialLink::sharpenTimers() {
#ifdef __linux__
  // The quiet spell before each frame is a sleep of a fraction of a millisecond: the 50 us the
  // system may add to a sleep would cost a third of it at 115200.
  if (timerSlack_ < 0) {
    timerSlack_ = ::prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0);
    ::prctl(PR_SET_TIMERSLACK, 1, 0, 0, 0);
  }
#endif
}

void SerialLink::openRemote(const std::string& device, std::int32_t baudrate) {
  const std::optional<RemotePort> address = parseRemotePort(device);
  const auto settings = parseLineSettings(lineSettingsForBaudrate(baudrate).value_or(
      lineSettingsForBaudrate(kOfferedRates.front().baudrate).value_or("")));
  if (!address || !settings) {
    throw LinkError(serialOpenRefusedText(portName(), describeComPathFault(ComPathFault::BadUrl)));
  }
  try {
    if (!remotePort_) {
      remotePort_ = newRemoteLine();
      connect(remotePort_.get(), &QIODevice::readyRead, this, &SerialLink::onReadyRead);
      connect(remotePort_.get(), &QIODevice::bytesWritten, this, &SerialLink::onBytesWritten);
      remotePort_->setOnLost([this](const QString& why) { onRemoteLost(why); });
    }
    // Only a line that exists is the port open now.
    remote_ = true;
    remotePort_->openConnection(*address, device, *settings);
  } catch (const LinkError& refused) {
    throw LinkError(serialOpenRefusedText(portName(), refused.what()), refused.refusal());
  }
}

void SerialLink::settleInput() {
  // The unit may still be sending what it sent before the port was ours (a repeat for the
  // program that had it last): wait for the line to fall quiet, so that the first reply of
  // this opening is read from its first byte. A few byte times of silence end the wait on a
  // wire, which cannot stall in mid-frame; a pseudo-terminal's peer is a program that a busy
  // machine may hold up for a while. A line that never falls quiet is left to the framing's
  // own repair after a while.
  using std::chrono::milliseconds;
  const Clock::duration byteTime = evidence_.spellByteTime();
  const milliseconds quiet =
      std::max(std::chrono::duration_cast<milliseconds>(3 * byteTime) + milliseconds(2),
               pseudoTerminal_ ? kPeerStallAllowance : milliseconds(0));
  const Clock::time_point giveUpAt =
      Clock::now() +
      std::max<Clock::duration>(3 * byteTime * static_cast<Clock::rep>(kWireFrameSize), 4 * quiet);
  const auto quietMs = static_cast<int>(quiet.count());
  setWakeThreshold(1);
  discardInput();
  settling_ = true;
  lostInOpening_.reset();
  pullingIn_ = true;
  while (io().isOpen() && Clock::now() < giveUpAt && io().waitForReadyRead(quietMs)) {
    dropBytes(io().readAll());
  }
  pullingIn_ = false;
  settling_ = false;
  if (io().isOpen()) {
    dropBytes(io().readAll());
  }
  strayBytesToCome_ = 0;  // the quiet ended whatever was on its way
  reportDropped();
  updateWakeThreshold();
}

bool SerialLink::portOpen() const { return io().isOpen(); }

int SerialLink::descriptor() const {
  return static_cast<int>(remote_ ? remotePort_->socketDescriptor() : port_.handle());
}

std::string SerialLink::portName() const {
  return namedByCom_ ? comPortName(comNumber_, devicePath_) : devicePath_;
}

void SerialLink::send(std::span<const std::uint8_t, kWireFrameSize> bytes) {
  if (!io().isOpen()) {
    return;
  }
  // Taken just before the write, so the wire can only end later than counted.
  evidence_.frameSent(Clock::now());
  if (remote_) {
    remotePort_->write(reinterpret_cast<const char*>(bytes.data()),
                       static_cast<qint64>(bytes.size()));
    remotePort_->flush();
    return;
  }
  std::size_t written = writeDirectly(bytes);
  if (written < bytes.size()) {
    // The rest waits in the port's buffer for the system to take it; its error, if any, is
    // the port's to report.
    port_.write(reinterpret_cast<const char*>(bytes.data() + written),
                static_cast<qint64>(bytes.size() - written));
    port_.flush();
  }
}

std::size_t SerialLink::writeDirectly(std::span<const std::uint8_t> bytes) {
#ifdef __linux__
  // Handed to the system now, not when the event loop next gets round to it (a window may be
  // painting): the frame's time on the wire counts from here. A frame fits the system's
  // buffer, so the port's write notifier need not wake the event loop twice a block.
  if (port_.bytesToWrite() > 0) {
    return 0;  // behind what the port still holds
  }
  const ssize_t n = ::write(static_cast<int>(port_.handle()), bytes.data(), bytes.size());
  return n > 0 ? static_cast<std::size_t>(n) : 0;
#else
  (void)bytes;
  return 0;
#endif
}

void SerialLink::setLineSettings(std::string_view text) {
  const auto settings = parseLineSettings(text);
  if (!settings) {
    throw LinkError(unknownLineSettingsText(text));
  }
  if (!io().isOpen()) {
    return;  // applied at the next opening, which sets the preferred rate anyway
  }
  if (remote_) {
    try {
      remotePort_->setLine(*settings);
    } catch (const LinkError& refused) {
      throw LinkError(lineSettingsRefusedText(text, devicePath_, refused.what()),
                      refused.refusal());
    }
    evidence_.setPortByteTime(portByteTime());
    return;
  }
  const bool applied =
      port_.setBaudRate(settings->rate) &&
      port_.setDataBits(static_cast<QSerialPort::DataBits>(settings->dataBits)) &&
      port_.setParity(parityOf(settings->parity)) &&
      port_.setStopBits(settings->stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
  if (!applied) {
    const std::string portText = port_.errorString().toStdString();
    throw LinkError(lineSettingsRefusedText(text, devicePath_, portText),
                    {failureOf(port_.error(), devicePath_), devicePath_, portText});
  }
  evidence_.setPortByteTime(portByteTime());
}

void SerialLink::discardInput() { dropBuffered(); }

void SerialLink::dropUnhandled() {
  waitOutQuietSpell();
  dropBuffered();
}

void SerialLink::waitOutQuietSpell() {
  const std::optional<Clock::time_point> until = evidence_.quietUntil();
  if (!until || !io().isOpen()) {
    return;
  }
  const Clock::duration left = *until - Clock::now();
  if (left <= Clock::duration::zero()) {
    return;
  }
  // At most a few byte times; whatever comes meanwhile is dropped with the queue below. The
  // port's opening took the timer slack away, so the wait is not stretched by 50 us.
#ifdef __linux__
  const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
  const timespec timeout{static_cast<time_t>(ns / 1'000'000'000),
                         static_cast<long>(ns % 1'000'000'000)};
  pollfd watched{descriptor(), POLLIN, 0};
  ::ppoll(&watched, 1, &timeout, nullptr);
#else
  std::this_thread::sleep_for(left);
#endif
}

void SerialLink::dropBuffered() {
  if (!io().isOpen()) {
    return;
  }
  // QSerialPort reads from the system only when its notifier fires: take in what the
  // system holds now, without handing anything over, so that it is dropped too. Bytes below
  // the wake threshold would not show.
  if (bytesWaitingInSystem()) {
    setWakeThreshold(1);
    pullingIn_ = true;
    while (io().isOpen() && io().waitForReadyRead(0)) {
    }
    pullingIn_ = false;
  }
  evidence_.frameAbandoned();
  if (io().isOpen()) {
    dropBytes(io().readAll());
  }
  updateWakeThreshold();
}

void SerialLink::dropBytes(const QByteArray& bytes) {
  if (bytes.isEmpty()) {
    return;
  }
  const auto count = static_cast<std::size_t>(bytes.size());
  // The first bytes may finish a frame dropped earlier; the rest begin frames of their own.
  const std::size_t fresh = count > strayBytesToCome_ ? count - strayBytesToCome_ : 0;
  if (fresh == 0) {
    strayBytesToCome_ -= count;
  } else {
    const std::size_t begun = fresh % kWireFrameSize;
    strayBytesToCome_ = begun == 0 ? 0 : kWireFrameSize - begun;
    if (onFreshDrop_) {
      onFreshDrop_(fresh);
    }
  }
  // A frame that trickles in is reported once, when its last byte has been dropped.
  droppedRun_.append(bytes);
  if (strayBytesToCome_ == 0) {
    reportDropped();
  }
}

void SerialLink::reportDropped() {
  if (!droppedRun_.isEmpty() && onDropped_) {
    onDropped_(std::span<const std::uint8_t>(
        reinterpret_cast<const std::uint8_t*>(droppedRun_.constData()),
        static_cast<std::size_t>(droppedRun_.size())));
  }
  droppedRun_.clear();
}

void SerialLink::onError(QSerialPort::SerialPortError error) {
  // A device that went away reports a resource error; a hung-up terminal reports a read
  // error, again on every later notification. Either way nothing can arrive any more, and an
  // open port would only spin on the error until the time-out.
  if ((error != QSerialPort::ResourceError && error != QSerialPort::ReadError) || !port_.isOpen()) {
    return;
  }
  // A read that found nothing (what came was discarded between the notification and the
  // read: EAGAIN) is reported as one of these too, and the port is still there.
  if (!hungUp(port_)) {
    port_.clearError();
    return;
  }
  const std::string text = serialPortLostText(portName());
  close();
  if (onProblem_) {
    onProblem_(Problem::PortLost, text);
  }
}

void SerialLink::onRemoteLost(const QString& why) {
  if (!io().isOpen()) {
    return;
  }
  if (settling_) {
    lostInOpening_ = why.toStdString();
    closePort();
    return;
  }
  const std::string text = remotePortLostText(portName(), why.toStdString());
  close();
  if (onProblem_) {
    onProblem_(Problem::PortLost, text);
  }
}

void SerialLink::close() {
  closePort();
  deviceLock_.reset();
}

void SerialLink::closePort() {
  delayTimer_.stop();
  evidence_.frameAbandoned();
  reportDropped();
  if (remotePort_ && remotePort_->isOpen()) {
    remotePort_->close();
  }
  if (port_.isOpen()) {
    lowLatency_.restore(static_cast<int>(port_.handle()));
    port_.close();
  }
#ifdef __linux__
  if (timerSlack_ > 0) {
    ::prctl(PR_SET_TIMERSLACK, static_cast<unsigned long>(timerSlack_), 0, 0, 0);
  }
#endif
  timerSlack_ = -1;
  onBytesWritten();  // nothing is pending any more
}

void SerialLink::whenDrained(std::function<void()> then) {
  if (!io().isOpen() || io().bytesToWrite() == 0) {
    then();
    return;
  }
  drainWaiters_.push_back(std::move(then));
}

void SerialLink::onBytesWritten() {
  if (io().isOpen() && io().bytesToWrite() > 0) {
    return;
  }
  auto waiters = std::move(drainWaiters_);
  drainWaiters_.clear();
  for (auto& waiter : waiters) {
    waiter();
  }
}

void SerialLink::onReadyRead() {
  if (pullingIn_) {
    return;
  }
  if (handlingDelay_.count() > 0) {
    if (!delayTimer_.isActive()) {
      delayTimer_.start(handlingDelay_);
    }
    return;
  }
  handleArrivals();
}

void SerialLink::handleArrivals() {
  if (!io().isOpen()) {
    return;
  }
  if (strayBytesToCome_ > 0) {
    dropBytes(io().read(static_cast<qint64>(strayBytesToCome_)));
  }
  while (io().isOpen() && strayBytesToCome_ == 0 && io().bytesAvailable() > 0) {
    // Counted first, timed after: whatever the count includes had come by then.
    const auto buffered = static_cast<std::size_t>(io().bytesAvailable());
    const Clock::time_point now = Clock::now();
    evidence_.observe(now, std::min(buffered, kWireFrameSize), buffered);
    // Like a receive threshold of 38: fewer bytes stay buffered until the rest arrives.
    if (buffered < kWireFrameSize) {
      break;
    }
    const ReplyEvidence::Verdict verdict = evidence_.frameComplete();
    if (!verdict.stale) {
      takeFrame(verdict, now);
      break;
    }
    // Only this frame goes: what follows it may be the real answer's first bytes.
    dropBytes(io().read(static_cast<qint64>(kWireFrameSize)));
    if (onTooSoon_) {
      onTooSoon_();
    }
  }
  updateWakeThreshold();
}

bool SerialLink::bytesWaitingInSystem() {
  if (remote_) {
    return remotePort_->bytesWaitingInSystem();
  }
#ifdef __linux__
  int waiting = 0;
  return ::ioctl(static_cast<int>(port_.handle()), FIONREAD, &waiting) != 0 || waiting > 0;
#else
  return true;
#endif
}

void SerialLink::setWakeThreshold(std::size_t bytes) {
#ifdef __linux__
  if (bytes == wakeThreshold_ || !port_.isOpen() || remote_) {
    return;
  }
  termios line{};
  const int fd = static_cast<int>(port_.handle());
  if (::tcgetattr(fd, &line) != 0) {
    return;
  }
  line.c_cc[VMIN] = static_cast<cc_t>(bytes);
  line.c_cc[VTIME] = 0;
  if (::tcsetattr(fd, TCSANOW, &line) == 0) {
    wakeThreshold_ = bytes;
  }
#else
  (void)bytes;
#endif
}

void SerialLink::updateWakeThreshold() {
  if (!io().isOpen()) {
    return;
  }
  std::size_t wanted = 1;
  const auto buffered = static_cast<std::size_t>(io().bytesAvailable());
  // A frame being dropped is taken in as it ends, so that nothing of it lingers unread (a
  // peer going away waits for its last bytes to be read).
  if (evidence_.paceSettled() && buffered < kWireFrameSize) {
    wanted = strayBytesToCome_ > 0 ? strayBytesToCome_ : kWireFrameSize - buffered;
  }
  setWakeThreshold(wanted);
}

SerialLink::Clock::duration SerialLink::portByteTime() const {
  return std::chrono::duration_cast<Clock::duration>(
      wireTime(remote_ ? remotePort_->line() : lineOf(port_), 1));
}

void SerialLink::takeFrame(const ReplyEvidence::Verdict& verdict, Clock::time_point noticedAt) {
  if (verdict.turnaround) {
    turnarounds_.add(std::chrono::duration_cast<TurnaroundStats::Duration>(*verdict.turnaround));
  }
  const QByteArray data = io().readAll();
  std::array<std::uint8_t, kWireFrameSize> frame{};
  std::copy_n(reinterpret_cast<const std::uint8_t*>(data.constData()), kWireFrameSize,
              frame.begin());
  if (data.size() > static_cast<qsizetype>(kWireFrameSize)) {
    dropBytes(data.mid(static_cast<qsizetype>(kWireFrameSize)));
  }
  // Its last byte had come when it was noticed: a repeat right behind it is queued a spell
  // after that, and the handler may send the next frame at once.
  evidence_.replyTaken(noticedAt);
  if (onFrame_) {
    onFrame_(frame);
  }
}

}  // namespace orbelle
