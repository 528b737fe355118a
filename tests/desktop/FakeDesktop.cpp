#include "desktop/FakeDesktop.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDBusConnectionInterface>
#include <stdexcept>

namespace orbelle::testing {

namespace {

// No <servicedir>: a name nobody owns is answered with ServiceUnknown at once, instead of
// starting whatever the machine has installed for it.
std::string configFor(const std::filesystem::path& dir) {
  return "<busconfig><type>session</type><listen>unix:dir=" + dir.string() +
         "</listen><auth>EXTERNAL</auth><policy context=\"default\"><allow own=\"*\"/>"
         "<allow send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
         "</policy></busconfig>";
}

}  // namespace

QString startPrivateBus(const TempDir& dir, std::unique_ptr<BackgroundProcess>& daemon) {
  writeFile(dir / "bus.conf", configFor(dir.path()));
  daemon = std::make_unique<BackgroundProcess>(
      "/usr/bin/dbus-daemon",
      std::vector<std::string>{"--config-file=" + (dir / "bus.conf").string(), "--nofork",
                               "--nopidfile", "--print-address=1"});
  const QString address = QString::fromStdString(daemon->readLine());
  if (address.isEmpty()) {
    throw std::runtime_error("dbus-daemon did not start: " + daemon->drainStderr());
  }
  return address;
}

FakeService::FakeService(QDBusConnection bus, const QString& service, const QString& path,
                         Answer answer)
    : bus_(std::move(bus)), service_(service), path_(path), answer_(std::move(answer)) {
  bus_.registerVirtualObject(path_, this, QDBusConnection::SubPath);
  bus_.registerService(service_);
}

FakeService::~FakeService() {
  bus_.unregisterService(service_);
  bus_.unregisterObject(path_, QDBusConnection::UnregisterTree);
}

int FakeService::callsTo(const QString& member) const {
  return static_cast<int>(std::count_if(
      calls.begin(), calls.end(), [&](const QDBusMessage& c) { return c.member() == member; }));
}

bool FakeService::handleMessage(const QDBusMessage& call, const QDBusConnection&) {
  calls.push_back(call);
  if (const std::optional<QDBusMessage> answer = answer_(call)) {
    bus_.send(*answer);
  }
  return true;
}

FakeLocks::~FakeLocks() {
  for (const auto& farEnd : farEnds_) {
    if (farEnd->isEnabled()) {
      ::close(static_cast<int>(farEnd->socket()));
    }
  }
}

QDBusUnixFileDescriptor FakeLocks::make() {
  int ends[2] = {-1, -1};
  if (::pipe2(ends, O_CLOEXEC) != 0) {
    throw std::runtime_error("pipe failed");
  }
  const QDBusUnixFileDescriptor lock(ends[1]);  // a copy: the original is closed below
  ::close(ends[1]);
  auto farEnd = std::make_unique<QSocketNotifier>(ends[0], QSocketNotifier::Read);
  QObject::connect(farEnd.get(), &QSocketNotifier::activated, farEnd.get(),
                   [this, notifier = farEnd.get(), fd = ends[0]] {
                     char byte;
                     if (::read(fd, &byte, 1) <= 0) {
                       notifier->setEnabled(false);
                       ::close(fd);
                       ++closed;
                     }
                   });
  farEnds_.push_back(std::move(farEnd));
  ++granted;
  return lock;
}

SignalRecorder::SignalRecorder(QDBusConnection bus, const QString& interface,
                               const QString& member) {
  bus.connect(QString(), QString(), interface, member, this, SLOT(hear(QDBusMessage)));
  // A round trip to the bus: the match rule is in place before anyone emits.
  bus.interface()->isServiceRegistered("org.freedesktop.DBus");
}

void SignalRecorder::hear(const QDBusMessage& signal) {
  heard.push_back(signal);
  arrived.push_back(std::chrono::steady_clock::now());
}

}  // namespace orbelle::testing
