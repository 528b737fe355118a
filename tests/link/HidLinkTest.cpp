#include <stdlib.h>

#include <QEvent>
#include <QTest>
#include <algorithm>
#include <functional>

#include <gtest/gtest.h>

#include "harness/Simulator.h"
#include "link/HidLink.h"
#include "protocol/Fcs16.h"

// These tests run the production HidLink against vkr-sim through the stand-in for hidapi and
// for the device node's system calls, which CTest preloads (LD_PRELOAD): once reading the
// unit's device node on the event loop, once through hidapi on a receive thread, as where
// the system has no device nodes.

namespace orbelle::testing {
namespace {

ReportFrame frameOf(std::uint8_t code) {
  ReportFrame frame{};
  frame[1] = code;
  Fcs16::seal(frame);
  return frame;
}

ReportFrame readSettingsFrame() { return frameOf(0xF3); }

// The event loop learns through a socket notifier that a report is there: the device node is
// readable, or the receive thread waits in its hand-over with a report read. While this holds
// those back, nothing is handed over; once it lets them pass, it sees when one was handled.
class WakeUps : public QObject {
 public:
  WakeUps() { QCoreApplication::instance()->installEventFilter(this); }
  ~WakeUps() override { QCoreApplication::instance()->removeEventFilter(this); }
  bool holdBack = true;
  int seen = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::SockAct) {
      return QObject::eventFilter(watched, event);
    }
    ++seen;
    return holdBack;
  }
};

enum class Reading { DeviceNode, HidapiThread };

struct HidLinkFixture : ::testing::TestWithParam<Reading> {
  void pointAt(const Simulator& sim, int padding = 0) {
    ::setenv("VKR_HIDSIM_SOCKET", sim.device().c_str(), 1);
    ::setenv("VKR_HIDSIM_PADDING", std::to_string(padding).c_str(), 1);
    ::setenv("VKR_HIDSIM_NODES", GetParam() == Reading::DeviceNode ? "1" : "0", 1);
  }

  std::vector<ReportFrame> reports;
  std::vector<std::pair<HidLink::Problem, std::string>> problems;
  std::vector<std::vector<std::uint8_t>> dropped;
  std::function<void()> afterReport;
  HidLink link{
      [this](std::span<const std::uint8_t, kFrameSize> r) {
        ReportFrame frame{};
        std::copy(r.begin(), r.end(), frame.begin());
        reports.push_back(frame);
        if (afterReport) {
          afterReport();
        }
      },
      [this](HidLink::Problem p, const std::string& text) { problems.emplace_back(p, text); },
      [this](std::span<const std::uint8_t> bytes) {
        dropped.emplace_back(bytes.begin(), bytes.end());
      }};
};

// Only the first 32 interfaces are searched: index 31 is the last one looked at.
TEST_P(HidLinkFixture, ClosingWhileAReplyIsHandedOverNeitherDeadlocksNorDeliversIt) {
  Simulator sim(SimLink::Usb, {});
  pointAt(sim, 32);
  link.open();
  EXPECT_FALSE(link.deviceHeld());
  pointAt(sim, 31);
  for (int round = 0; round < 3; ++round) {
    link.open();
    ASSERT_TRUE(link.deviceHeld());
    link.send(readSettingsFrame());
    {
      // The UI thread is busy: the reply has come (and the receive thread waits in its
      // hand-over).
      WakeUps wakeUps;
      ASSERT_TRUE(QTest::qWaitFor([&] { return wakeUps.seen > 0; }));
      link.close();  // must return although the hand-over has not been handled
      wakeUps.holdBack = false;
      wakeUps.seen = 0;
      if (GetParam() == Reading::HidapiThread) {
        // The thread's wake-up is still due; handled now, it must deliver nothing.
        ASSERT_TRUE(QTest::qWaitFor([&] { return wakeUps.seen > 0; }));
      }
      QCoreApplication::processEvents();
    }
    EXPECT_TRUE(reports.empty()) << "a reply of a closed opening is dropped";
  }
  // Reopening right away works, with exactly one reader: a probe of another code is answered
  // after the two replies, and nothing came twice before it.
  link.open();
  link.send(readSettingsFrame());
  link.send(readSettingsFrame());
  ASSERT_TRUE(QTest::qWaitFor([&] { return reports.size() == 2; }));
  link.send(frameOf(0xF1));
  ASSERT_TRUE(QTest::qWaitFor([&] { return reports.back()[1] == 0xF2; }));
  EXPECT_EQ(std::tuple(reports.size(), reports[0][0], reports[0][1]), std::tuple(3U, 0, 0xF4))
      << "three reports, delivered with report ID zero";
  link.close();
  EXPECT_FALSE(link.deviceHeld());
}

TEST_P(HidLinkFixture, RepeatedReportsAreDroppedBeforeTheNextSendAndClosingDoesNotWait) {
  Simulator sim(SimLink::Usb, {"--fault", "double-replies"});
  pointAt(sim);
  link.open();
  // As the engines do: the handler of each reply sends the next frame at once.
  afterReport = [&] {
    link.dropUnhandled();
    if (reports.size() < 10) {
      link.send(readSettingsFrame());
    }
  };
  link.send(readSettingsFrame());
  ASSERT_TRUE(QTest::qWaitFor([&] { return reports.size() >= 10; }));
  // A probe of another code, sent as the engines send: its answer is the next report.
  afterReport = nullptr;
  link.dropUnhandled();
  link.send(frameOf(0xF1));
  ASSERT_TRUE(QTest::qWaitFor([&] { return reports.back()[1] == 0xF2; }));
  const auto probe = std::find_if(reports.begin(), reports.end(),
                                  [](const ReportFrame& report) { return report[1] == 0xF2; });
  EXPECT_EQ(probe - reports.begin(), 10) << "each repeat was queued before the next frame went out";
  ASSERT_EQ(dropped.size(), 10U);
  EXPECT_EQ(std::vector<std::uint8_t>(reports[9].begin(), reports[9].end()), dropped[9]);

  // Closing does not wait for a receive thread's read to end.
  link.close();
  link.open();
  EXPECT_TRUE(link.deviceHeld()) << "reopening right away finds the unit again";
}

// Two links of one program exclude each other as two programs do, and the one kept out is
// told why.
TEST_P(HidLinkFixture, ASecondLinkToTheUnitIsRefusedUntilTheFirstLetsGo) {
  Simulator sim(SimLink::Usb, {});
  pointAt(sim);
  link.open();
  ASSERT_TRUE(link.deviceHeld());
  HidLink other(nullptr, nullptr);
  try {
    other.open();
    ADD_FAILURE() << "the unit is held";
  } catch (const LinkError& error) {
    EXPECT_EQ(error.refusal().reason, LinkFailure::Busy);
    EXPECT_EQ(error.refusal().device, sim.device());
  }
  EXPECT_FALSE(other.deviceHeld());
  link.close();
  other.open();
  EXPECT_TRUE(other.deviceHeld());
}

INSTANTIATE_TEST_SUITE_P(Readings, HidLinkFixture,
                         ::testing::Values(Reading::DeviceNode, Reading::HidapiThread),
                         [](const ::testing::TestParamInfo<Reading>& info) {
                           return info.param == Reading::DeviceNode ? "DeviceNode" : "HidapiThread";
                         });

}  // namespace
}  // namespace orbelle::testing
