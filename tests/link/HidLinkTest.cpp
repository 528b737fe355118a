#include <stdlib.h>

#include <chrono>
#include <functional>
#include <thread>

#include <gtest/gtest.h>

#include "EventLoopWait.h"
#include "harness/Simulator.h"
#include "link/HidLink.h"
#include "protocol/Fcs16.h"

// These tests run the production HidLink against vkr-sim through the hidapi stand-in,
// which CTest preloads (LD_PRELOAD).

namespace orbelle::testing {
namespace {

ReportFrame readSettingsFrame() {
  ReportFrame frame{};
  frame[1] = 0xF3;
  Fcs16::seal(frame);
  return frame;
}

struct HidLinkFixture : ::testing::Test {
  void pointAt(const Simulator& sim, int padding = 0) {
    ::setenv("VKR_HIDSIM_SOCKET", sim.device().c_str(), 1);
    ::setenv("VKR_HIDSIM_PADDING", std::to_string(padding).c_str(), 1);
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
TEST_F(HidLinkFixture, ClosingWhileAReplyIsHandedOverNeitherDeadlocksNorDeliversIt) {
  Simulator sim(SimLink::Usb, {});
  pointAt(sim, 32);
  link.open();
  EXPECT_FALSE(link.deviceHeld());
  pointAt(sim, 31);
  for (int round = 0; round < 3; ++round) {
    link.open();
    ASSERT_TRUE(link.deviceHeld());
    link.send(readSettingsFrame());
    // The UI thread is busy: the receive thread reads the reply and waits in its hand-over.
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    link.close();  // must return although the hand-over has not been handled
    processEventsUntil([] { return false; }, 100);
    EXPECT_TRUE(reports.empty()) << "a reply of a closed opening is dropped";
  }
  // Reopening right away works, with exactly one reader.
  link.open();
  link.send(readSettingsFrame());
  link.send(readSettingsFrame());
  ASSERT_TRUE(processEventsUntil([&] { return reports.size() == 2; }));
  processEventsUntil([] { return false; }, 150);
  EXPECT_EQ(reports.size(), 2U);
  EXPECT_EQ(reports[0][0], 0) << "delivered with report ID zero";
  EXPECT_EQ(reports[0][1], 0xF4);
  link.close();
  EXPECT_FALSE(link.deviceHeld());
}

TEST_F(HidLinkFixture, RepeatedReportsAreDroppedBeforeTheNextSendAndClosingDoesNotWait) {
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
  ASSERT_TRUE(processEventsUntil([&] { return reports.size() >= 10; }));
  processEventsUntil([] { return false; }, 150);
  EXPECT_EQ(reports.size(), 10U) << "each repeat was queued before the next frame went out";
  ASSERT_EQ(dropped.size(), 10U);
  EXPECT_EQ(std::vector<std::uint8_t>(reports[9].begin(), reports[9].end()), dropped[9]);

  // The receive thread is in a fresh 100 ms read now; closing does not wait it out (a join
  // would take the rest of that read, so the bound leaves room for a loaded machine).
  const auto before = std::chrono::steady_clock::now();
  link.close();
  EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(80));
  link.open();
  EXPECT_TRUE(link.deviceHeld()) << "reopening right away finds the unit again";
}

}  // namespace
}  // namespace orbelle::testing
