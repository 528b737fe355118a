#include "link/SerialLink.h"

#include <algorithm>

#ifdef __linux__
#include <termios.h>
#include <unistd.h>

#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

#include "link/LinkMessages.h"
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

// Some frames must be left to be taken for a wire: a few per cent for the clocks of the two
// ends, which may differ that much.
constexpr double kClockTolerance = 0.95;
// A frame whose bytes took at least this share of their wire time to come in was paced. Low,
// since a busy reader wakes late and sees the first bytes in a bunch; a peer that writes a
// whole frame at once shows no spread at all.
constexpr double kPacedShare = 0.25;

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
  holdTimer_.setSingleShot(true);
  holdTimer_.setTimerType(Qt::PreciseTimer);
  connect(&holdTimer_, &QTimer::timeout, this, [this] {
    takeFrame();
    updateWakeThreshold();
  });
}

SerialLink::~SerialLink() { close(); }

void SerialLink::open(std::int32_t port, std::int32_t baudrate) {
  if (port_.isOpen()) {
    port_.close();
  }
  deviceLock_.reset();
  // The output buffer of QSerialPort grows as needed, so there is no size to set.
  const ComDevice device = resolver_(port & 0xFFFF);
  comNumber_ = port & 0xFFFF;
  devicePath_ = device.path;
  namedByCom_ = device.source != ComDeviceSource::Given;
  strayBytesToCome_ = 0;
  repeatsSeen_ = false;
  peerFrameTime_.reset();
  lastSentAt_.reset();
  forgetFrameTimes();
  if (device.fault) {
    throw LinkError(comVariableRefusedText(comNumber_, describeComPathFault(*device.fault)));
  }
  DeviceLock::Attempt lock = DeviceLock::tryTake(device.path);
  if (lock.outcome != DeviceLock::Outcome::Taken) {
    const LinkRefusal refusal = lock.refusal(device.path);
    throw LinkError(serialOpenRefusedText(portName(), refusal.portText), refusal);
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
  pseudoTerminal_ = isPseudoTerminal(port_);
  wakeThreshold_ = 1;  // the port opens waking for every byte
  updateWakeThreshold();
  const bool lowLatency =
      lowLatency_.enable(static_cast<int>(port_.handle())) == LowLatencySerial::Result::On;
  if (onNote_) {
    onNote_(lowLatency ? "low latency on" : "low latency unsupported");
  }
  if (const auto settings = lineSettingsForBaudrate(baudrate)) {
    setLineSettings(*settings);
  }
  settleInput();
}

void SerialLink::settleInput() {
  // The unit may still be sending what it sent before the port was ours (a repeat for the
  // program that had it last): wait for the line to fall quiet, so that the first reply of
  // this opening is read from its first byte. A few byte times of silence end the wait; a
  // line that never falls quiet is left to the framing's own repair after a while.
  const auto byteTime = std::chrono::duration_cast<std::chrono::milliseconds>(byteWireTime());
  const int quietMs = static_cast<int>(3 * byteTime.count()) + 2;
  const Clock::time_point giveUpAt = Clock::now() + 3 * frameWireTime();
  setWakeThreshold(1);
  discardInput();
  pullingIn_ = true;
  while (port_.isOpen() && Clock::now() < giveUpAt && port_.waitForReadyRead(quietMs)) {
    droppedRun_.append(port_.readAll());
  }
  pullingIn_ = false;
  droppedRun_.append(port_.readAll());
  strayBytesToCome_ = 0;  // the quiet ended whatever was on its way
  reportDropped();
  updateWakeThreshold();
}

bool SerialLink::portOpen() const { return port_.isOpen(); }

std::string SerialLink::portName() const {
  return namedByCom_ ? comPortName(comNumber_, devicePath_) : devicePath_;
}

void SerialLink::send(std::span<const std::uint8_t, kWireFrameSize> bytes) {
  if (port_.isOpen()) {
    answerTimed_ = false;
    port_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    // Handed to the system now, not when the event loop next gets round to it (a window
    // may be painting): the frame's time on the wire counts from here. Taken just before,
    // so the wire can only end later than counted.
    lastSentAt_ = Clock::now();
    port_.flush();
  }
}

void SerialLink::setLineSettings(std::string_view text) {
  const auto settings = parseLineSettings(text);
  if (!settings) {
    throw LinkError(unknownLineSettingsText(text));
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
    const std::string portText = port_.errorString().toStdString();
    throw LinkError(lineSettingsRefusedText(text, devicePath_, portText),
                    {failureOf(port_.error(), devicePath_), devicePath_, portText});
  }
}

void SerialLink::discardInput() { dropBuffered(false); }

void SerialLink::dropUnhandled() { dropBuffered(true); }

void SerialLink::dropBuffered(bool strayReplies) {
  holdTimer_.stop();  // a frame held back is dropped with the rest
  if (!port_.isOpen()) {
    return;
  }
  // QSerialPort reads from the system only when its notifier fires: take in what the
  // system holds now, without handing anything over, so that it is dropped too. Bytes below
  // the wake threshold would not show.
  if (wakeThreshold_ > 1 && bytesWaitingInSystem()) {
    setWakeThreshold(1);
  }
  pullingIn_ = true;
  while (port_.isOpen() && port_.waitForReadyRead(0)) {
  }
  pullingIn_ = false;
  forgetFrameTimes();
  const QByteArray stray = port_.readAll();
  if (strayReplies && !stray.isEmpty()) {
    repeatsSeen_ = true;
  }
  dropBytes(stray);
  updateWakeThreshold();
}

void SerialLink::dropBytes(const QByteArray& bytes) {
  if (bytes.isEmpty()) {
    return;
  }
  const auto count = static_cast<std::size_t>(bytes.size());
  // The first bytes may finish a frame dropped earlier; the rest begin frames of their own.
  if (count <= strayBytesToCome_) {
    strayBytesToCome_ -= count;
  } else {
    const std::size_t begun = (count - strayBytesToCome_) % kWireFrameSize;
    strayBytesToCome_ = begun == 0 ? 0 : kWireFrameSize - begun;
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
  const std::string text = serialPortLostText(portName());
  close();
  if (onProblem_) {
    onProblem_(Problem::PortLost, text);
  }
}

void SerialLink::close() {
  holdTimer_.stop();
  forgetFrameTimes();
  reportDropped();
  if (port_.isOpen()) {
    lowLatency_.restore(static_cast<int>(port_.handle()));
    port_.close();
  }
  deviceLock_.reset();
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
  if (pullingIn_) {
    return;
  }
  const Clock::time_point now = Clock::now();
  if (strayBytesToCome_ > 0) {
    dropBytes(port_.read(static_cast<qint64>(strayBytesToCome_)));
  }
  if (port_.bytesAvailable() > 0 && !frameBegunAt_) {
    // Woken only for the last of them, the first came the rest's wire time before.
    const auto earlier = std::min<qint64>(port_.bytesAvailable(), kWireFrameSize) - 1;
    frameBegunAt_ = wakeThreshold_ > 1 ? Clock::time_point(now - byteWireTime() * earlier) : now;
  }
  // Like a receive threshold of 38: fewer bytes stay buffered until the rest arrives.
  if (port_.bytesAvailable() < static_cast<qint64>(kWireFrameSize)) {
    updateWakeThreshold();
    return;
  }
  if (!frameCompleteAt_) {
    frameCompleteAt_ = now;
  }
  if (repeatsSeen_) {
    // A unit that repeats its replies sends the repeat right behind the original. Holding
    // the frame for a few byte times lets the repeat's first bytes show, so that it is
    // dropped with the rest of this read instead of answering the next frame.
    if (!holdTimer_.isActive()) {
      holdTimer_.start(repeatHoldTime());
    }
    updateWakeThreshold();
    return;
  }
  takeFrame();
  updateWakeThreshold();
}

bool SerialLink::bytesWaitingInSystem() {
#ifdef __linux__
  int waiting = 0;
  return ::ioctl(static_cast<int>(port_.handle()), FIONREAD, &waiting) != 0 || waiting > 0;
#else
  return true;
#endif
}

void SerialLink::setWakeThreshold(std::size_t bytes) {
#ifdef __linux__
  if (bytes == wakeThreshold_ || !port_.isOpen()) {
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
  if (!port_.isOpen()) {
    return;
  }
  std::size_t wanted = 1;
  const auto buffered = static_cast<std::size_t>(port_.bytesAvailable());
  if ((!pseudoTerminal_ || peerFrameTime_) && !holdTimer_.isActive() && buffered < kWireFrameSize) {
    wanted = std::min<std::size_t>(strayBytesToCome_ + kWireFrameSize - buffered, 255);
  }
  setWakeThreshold(wanted);
}

std::chrono::milliseconds SerialLink::repeatHoldTime() const {
  constexpr int kBitsPerByte = 10;
  constexpr int kByteTimes = 3;
  const qint32 rate = std::max<qint32>(port_.baudRate(), 1);
  return std::chrono::milliseconds(std::max(1, kByteTimes * kBitsPerByte * 1000 / rate + 1));
}

void SerialLink::forgetFrameTimes() {
  frameBegunAt_.reset();
  frameCompleteAt_.reset();
}

SerialLink::Clock::duration SerialLink::frameWireTime() const {
  return std::chrono::duration_cast<Clock::duration>(wireTime(lineOf(port_), kWireFrameSize));
}

SerialLink::Clock::duration SerialLink::byteWireTime() const {
  const Clock::duration frame =
      pseudoTerminal_ && peerFrameTime_ ? *peerFrameTime_ : frameWireTime();
  return frame / static_cast<Clock::rep>(kWireFrameSize);
}

void SerialLink::notePacing(Clock::time_point begunAt, Clock::time_point completeAt) {
  // Like a wire: the answer began no sooner than the frame could have crossed, and its bytes
  // came at a line's pace. A simulator that answers at once never shows both. The pace seen
  // is what the peer's wire takes for a frame (a simulator may pace faster than the port is
  // set for); the slowest pace seen is the one a busy reader least underrates.
  // The spread runs from the first byte to the last: one byte short of a frame.
  constexpr double kWholeFrame = double{kWireFrameSize} / double{kWireFrameSize - 1};
  const auto spread = completeAt - begunAt;
  const auto paced = std::chrono::duration_cast<Clock::duration>(frameWireTime() * kPacedShare);
  if (cameTooSoon(begunAt, frameWireTime()) || spread * kWholeFrame < paced) {
    return;
  }
  const auto frameTime =
      std::min(frameWireTime(), std::chrono::duration_cast<Clock::duration>(spread * kWholeFrame));
  peerFrameTime_ = std::max(peerFrameTime_.value_or(Clock::duration::zero()), frameTime);
}

bool SerialLink::cameTooSoon(Clock::time_point begunAt, Clock::duration frameTime) const {
  if (!lastSentAt_) {
    return false;
  }
  const auto earliestAnswer =
      std::chrono::duration_cast<Clock::duration>(frameTime * kClockTolerance);
  return begunAt - *lastSentAt_ < earliestAnswer;
}

void SerialLink::noteTurnaround(Clock::time_point begunAt) {
  if (!lastSentAt_ || answerTimed_) {
    return;
  }
  answerTimed_ = true;
  const Clock::time_point wireEnd = *lastSentAt_ + std::chrono::duration_cast<Clock::duration>(
                                                       wireTime(lineOf(port_), kWireFrameSize));
  // A peer that answers at once (a simulator on a pseudo-terminal) beats the wire: no wait.
  const auto waited = std::max(Clock::duration::zero(), begunAt - wireEnd);
  turnarounds_.add(std::chrono::duration_cast<TurnaroundStats::Duration>(waited));
}

void SerialLink::takeFrame() {
  if (port_.bytesAvailable() < static_cast<qint64>(kWireFrameSize)) {
    return;
  }
  const Clock::time_point now = Clock::now();
  const Clock::time_point begunAt = frameBegunAt_.value_or(now);
  notePacing(begunAt, frameCompleteAt_.value_or(now));
  forgetFrameTimes();
  // A real wire runs at the port's rate; a pseudo-terminal's peer at the pace it has shown.
  const std::optional<Clock::duration> peerFrameTime =
      pseudoTerminal_ ? peerFrameTime_ : std::optional(frameWireTime());
  if (peerFrameTime && cameTooSoon(begunAt, *peerFrameTime)) {
    // Only this frame goes: what follows it may be the real answer's first bytes. When those
    // came is not known any closer than now, which can only make them look later.
    dropBytes(port_.read(static_cast<qint64>(kWireFrameSize)));
    if (onTooSoon_) {
      onTooSoon_();
    }
    if (port_.isOpen() && port_.bytesAvailable() > 0) {
      onReadyRead();
    }
    return;
  }
  noteTurnaround(begunAt);
  const QByteArray data = port_.readAll();
  std::array<std::uint8_t, kWireFrameSize> frame{};
  std::copy_n(reinterpret_cast<const std::uint8_t*>(data.constData()), kWireFrameSize,
              frame.begin());
  if (data.size() > static_cast<qsizetype>(kWireFrameSize)) {
    repeatsSeen_ = true;
    dropBytes(data.mid(static_cast<qsizetype>(kWireFrameSize)));
  }
  if (onFrame_) {
    onFrame_(frame);
  }
}

}  // namespace orbelle
