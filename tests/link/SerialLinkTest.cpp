#include <termios.h>

#include <QTest>
#include <cerrno>

#include <gtest/gtest.h>
#include <linux/serial.h>
#include <sys/ioctl.h>

#include "link/LowLatencySerial.h"
#include "link/SerialLink.h"
#include "protocol/LinkError.h"
#include "support/PtyPeer.h"

namespace orbelle::testing {
namespace {

std::vector<std::uint8_t> numbered(std::size_t count, std::uint8_t first) {
  std::vector<std::uint8_t> bytes(count);
  for (std::size_t i = 0; i < count; ++i) {
    bytes[i] = static_cast<std::uint8_t>(first + i);
  }
  return bytes;
}

std::vector<std::uint8_t> operator+(std::vector<std::uint8_t> a,
                                    const std::vector<std::uint8_t>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

struct SerialLinkFixture : ::testing::Test {
  PtyPeer peer;
  std::vector<std::vector<std::uint8_t>> frames;
  std::vector<std::vector<std::uint8_t>> dropped;
  std::vector<SerialLink::Problem> problems;
  SerialLink link{
      [this](std::int32_t) {
        return ComDevice{peer.path(), ComDeviceSource::Environment, std::nullopt};
      },
      [this](std::span<const std::uint8_t, kWireFrameSize> f) {
        frames.emplace_back(f.begin(), f.end());
      },
      [this](SerialLink::Problem problem, const std::string&) { problems.push_back(problem); },
      [this](std::span<const std::uint8_t> bytes) {
        dropped.emplace_back(bytes.begin(), bytes.end());
      }};
};

// Bytes that came before the opening are discarded; then each 38 bytes make a frame.
TEST_F(SerialLinkFixture, OneFramePerThirtyEightBytesAndTheRestOfThatReadDropped) {
  ASSERT_TRUE(peer.write(numbered(38, 7)));
  link.open(2, 19200);
  ASSERT_TRUE(link.portOpen());
  EXPECT_EQ(peer.slaveSpeed(), static_cast<speed_t>(B19200));

  ASSERT_TRUE(peer.write(numbered(20, 1)));
  ASSERT_TRUE(peer.arrived(20));
  ASSERT_TRUE(QTest::qWaitFor([&] { return peer.unread() == 0; }));
  EXPECT_TRUE(frames.empty()) << "fewer than 38 bytes stay buffered";
  ASSERT_TRUE(peer.write(numbered(18, 21)));
  ASSERT_TRUE(QTest::qWaitFor([&] { return frames.size() == 1; }));
  EXPECT_EQ(frames[0], numbered(38, 1));

  ASSERT_TRUE(peer.write(numbered(76, 100)));
  ASSERT_TRUE(QTest::qWaitFor([&] { return frames.size() == 2; }));
  EXPECT_EQ(frames[1], numbered(38, 100));
  ASSERT_FALSE(dropped.empty());
  EXPECT_EQ(dropped.back(), numbered(38, 138)) << "76 bytes in one read give one frame";

  std::array<std::uint8_t, kWireFrameSize> out{};
  out[0] = 0xF3;
  out[37] = 0xD8;
  link.send(out);
  bool drained = false;
  link.whenDrained([&] { drained = true; });
  ASSERT_TRUE(QTest::qWaitFor([&] { return drained; }));
  EXPECT_EQ(peer.read(38), std::vector<std::uint8_t>(out.begin(), out.end()));

  link.setLineSettings("115200,n,8,1");
  EXPECT_EQ(peer.slaveSpeed(), static_cast<speed_t>(B115200));
  EXPECT_THROW(link.setLineSettings("fast please"), LinkError);
  link.close();
  EXPECT_FALSE(link.portOpen());
}

TEST_F(SerialLinkFixture, StrayRepliesAreDroppedWholeSoTheNextReplyIsReadFromItsFirstByte) {
  link.open(1, 115200);
  // A reply with the start of its repeat right behind it; the repeat's rest comes later.
  ASSERT_TRUE(peer.write(numbered(38, 1) + numbered(5, 100)));
  ASSERT_TRUE(QTest::qWaitFor([&] { return frames.size() == 1; }));
  ASSERT_TRUE(peer.write(numbered(33, 105)));
  ASSERT_TRUE(QTest::qWaitFor([&] { return dropped.size() == 1; }));
  ASSERT_TRUE(peer.write(numbered(38, 200)));
  ASSERT_TRUE(QTest::qWaitFor([&] { return frames.size() == 2; }));
  EXPECT_EQ(frames[1], numbered(38, 200));

  // A repeat that is still arriving when the next frame goes out is dropped whole.
  ASSERT_TRUE(peer.write(numbered(10, 50)));
  ASSERT_TRUE(peer.arrived(10));
  link.dropUnhandled();
  ASSERT_TRUE(peer.write(numbered(28, 60) + numbered(38, 150)));
  ASSERT_TRUE(QTest::qWaitFor([&] { return frames.size() == 3; }));
  EXPECT_EQ(frames[2], numbered(38, 150));
  EXPECT_EQ(dropped, (std::vector<std::vector<std::uint8_t>>{numbered(38, 100),
                                                             numbered(10, 50) + numbered(28, 60)}));

  // A port that hangs up is closed and reported, instead of failing every read after.
  peer.hangUp();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !problems.empty(); }));
  EXPECT_EQ(problems, std::vector<SerialLink::Problem>{SerialLink::Problem::PortLost});
  EXPECT_FALSE(link.portOpen());
}

TEST(SerialLink, RefusedOpeningNamesThePortTheDeviceAndTheReason) {
  SerialLink link(
      [](std::int32_t) {
        return ComDevice{"/dev/no-such-tty", ComDeviceSource::Store, std::nullopt};
      },
      nullptr);
  try {
    link.open(3, 9600);
    FAIL() << "expected a refusal";
  } catch (const LinkError& error) {
    EXPECT_EQ(error.what(), "Failed to open COM3 (/dev/no-such-tty): " + error.refusal().portText);
    EXPECT_FALSE(error.refusal().portText.empty());
    EXPECT_EQ(error.refusal().reason, LinkFailure::DeviceNotFound);
  }
  EXPECT_FALSE(link.portOpen());

  // A bare name from the environment would reach the port of that name under /dev: no port
  // is opened for it.
  SerialLink bare(
      [](std::int32_t) {
        return ComDevice{"ttyS0", ComDeviceSource::Environment, ComPathFault::NotAbsolute};
      },
      nullptr);
  try {
    bare.open(3, 9600);
    FAIL() << "expected a refusal";
  } catch (const LinkError& error) {
    EXPECT_EQ(std::string(error.what())
                  .rfind("VKR_COM3 cannot be used for COM3: it is not a "
                         "full path",
                         0),
              0U)
        << error.what();
  }
  EXPECT_FALSE(bare.portOpen());
}

// The driver's answers to the two calls, as a USB-serial driver, a pseudo-terminal and a
// driver that refuses a user might give them.
TEST(LowLatencySerial, TurnedOnWhereTheDriverHasItAndTheOldFlagsPutBack) {
  struct Driver {
    int flags = 0x10;
    int refuseGet = 0;
    int refuseSet = 0;
    int sets = 0;
  };
  const auto over = [](Driver& driver) {
    return LowLatencySerial([&driver](int, unsigned long request, void* arg) {
      auto* serial = static_cast<serial_struct*>(arg);
      const int refusal = request == TIOCGSERIAL ? driver.refuseGet : driver.refuseSet;
      if (refusal != 0) {
        errno = refusal;
        return -1;
      }
      if (request == TIOCGSERIAL) {
        serial->flags = driver.flags;
      } else {
        driver.flags = serial->flags;
        ++driver.sets;
      }
      return 0;
    });
  };
  Driver adapter;
  LowLatencySerial onAdapter = over(adapter);
  EXPECT_EQ(onAdapter.enable(3), LowLatencySerial::Result::On);
  EXPECT_EQ(adapter.flags, 0x10 | ASYNC_LOW_LATENCY);
  onAdapter.restore(3);
  EXPECT_EQ(adapter.flags, 0x10) << "the port is left as it was found";

  Driver alreadyOn{.flags = ASYNC_LOW_LATENCY};
  LowLatencySerial onFast = over(alreadyOn);
  EXPECT_EQ(onFast.enable(3), LowLatencySerial::Result::On);
  onFast.restore(3);
  EXPECT_EQ(alreadyOn.sets, 0) << "nothing to put back";

  for (const auto& [get, set] : {std::pair{ENOTTY, 0}, {EINVAL, 0}, {0, EPERM}}) {
    Driver refusing{.refuseGet = get, .refuseSet = set};
    LowLatencySerial link = over(refusing);
    EXPECT_EQ(link.enable(3), LowLatencySerial::Result::Unsupported);
    link.restore(3);
    EXPECT_EQ(refusing.flags, 0x10);
  }
}

}  // namespace
}  // namespace orbelle::testing
