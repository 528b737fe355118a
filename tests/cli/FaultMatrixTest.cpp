#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "harness/Simulator.h"

// Every misbehaviour of the simulated unit, alone and in the combinations that broke the
// lock-step, over both links and for both units: an upgrade may fail cleanly, but it may
// never report success unless the unit kept exactly the image that was sent.

namespace orbelle::testing {
namespace {

// 94 blocks: a start frame and 94 blocks make 95 frames, so vanish-after=94 leaves the
// last block unanswered.
constexpr std::size_t kImageSize = 3000;

struct Fault {
  const char* name;
  std::vector<std::string> simArgs;
  bool mustSucceed;  // a sound vkr always gets through this one
  std::size_t imageSize = kImageSize;
};

// At 9600 baud a repeat is still on the wire when the next frame goes out, and its first
// bytes come after that frame: only its timing shows that it cannot be the answer. Ten blocks:
// the retry falls on the last one, and the unit vanishes just before answering it. Serial only.
constexpr std::size_t kTenBlocks = 320;

const std::vector<Fault>& faults() {
  static const std::vector<Fault> all = {
      {"DropReply", {"--fault", "drop-reply=40"}, false},
      {"CorruptFcs", {"--fault", "corrupt-fcs"}, true},
      {"RetryEvery", {"--fault", "retry-every=7"}, true},
      {"HandshakeEvery", {"--fault", "handshake-every=9"}, true},
      {"FinishWithDone", {"--fault", "finish-with-done"}, true},
      {"VanishAfter", {"--fault", "vanish-after=94"}, false},
      // Each reply comes a byte at a time: a third of the blocks is enough.
      {"SplitReplies", {"--fault", "split-replies"}, false, 1000},
      {"DoubleReplies", {"--fault", "double-replies"}, true},
      {"DoubleAndVanish", {"--fault", "double-replies", "--fault", "vanish-after=94"}, false},
      {"DoubleAndRetry", {"--fault", "double-replies", "--fault", "retry-every=7"}, true},
      {"SlowDoubleRetryOnTheLast",
       {"--baud-emulation", "9600", "--fault", "double-replies", "--fault", "retry-every=10"},
       true,
       kTenBlocks},
      {"SlowDoubleVanishBeforeTheLast",
       {"--baud-emulation", "9600", "--fault", "double-replies", "--fault", "vanish-after=10"},
       false,
       kTenBlocks},
  };
  return all;
}

// The end of a run's trace, where its failure shows.
std::string tail(const ProcessResult& run) {
  return run.err.substr(run.err.size() > 2000 ? run.err.size() - 2000 : 0);
}

class FaultMatrix : public ::testing::TestWithParam<std::tuple<std::size_t, SimLink, const char*>> {
};

TEST_P(FaultMatrix, NoUpgradeReportsSuccessWithoutTheWholeImageAtTheUnit) {
  const auto& [index, link, unit] = GetParam();
  const Fault& fault = faults()[index];
  if (fault.imageSize == kTenBlocks && link == SimLink::Usb) {
    GTEST_SKIP() << "a wire's pace is a serial line's";
  }
  TempDir dir;
  std::vector<std::string> simArgs{"--save-images", (dir / "kept").string()};
  simArgs.insert(simArgs.end(), fault.simArgs.begin(), fault.simArgs.end());
  Simulator sim(link, simArgs);
  const auto image = dir / "image.dat";
  writeFile(image, imageBytes(fault.imageSize));
  const ProcessResult run = runAgainst(
      sim, VKR_PATH,
      {"--trace", "--timeout", "0.5", "upgrade", unit, image.string(), "--pause-scale", "0.01"});
  EXPECT_FALSE(run.timedOut);
  EXPECT_TRUE(run.exitCode == 0 || run.exitCode == 1 || run.exitCode == 3 || run.exitCode == 4)
      << run.exitCode << "\n"
      << tail(run);
  if (run.exitCode == 0) {
    // The unit saves the image once its last block is in; a success must find it there.
    const std::string line = sim.nextLine(std::chrono::seconds(2));
    const std::string expected =
        "image: " + std::string(unit) + "-1.dat " + std::to_string(fault.imageSize);
    EXPECT_EQ(line.rfind(expected, 0), 0U)
        << "success reported, but the unit says \"" << line << "\"";
    EXPECT_EQ(readFile(dir / "kept" / (std::string(unit) + "-1.dat")), imageBytes(fault.imageSize));
  }
  if (fault.mustSucceed) {
    EXPECT_EQ(run.exitCode, 0) << tail(run);
  }
  // Replies are taken by their code whatever their FCS, but not without a trace, and the
  // summary counts them: the start acknowledgement's and every block's.
  if (std::string(fault.name) == "CorruptFcs") {
    EXPECT_GT(countOf(run.err, "  bad FCS\n"), kImageSize / 32) << "each reply is marked";
    EXPECT_NE(run.out.find("; 95 replies with a wrong FCS were taken"), std::string::npos)
        << run.out;
  }
  if (std::string(fault.name) == "FinishWithDone") {
    EXPECT_NE(run.out.find("; completion done\n"), std::string::npos) << run.out;
  }
  if (std::string(fault.name) == "DoubleReplies") {
    // Repeats that wait out a pause are dropped by the engine, and the last one has no later
    // frame to be dropped before; the link drops every other.
    EXPECT_GE(countOf(run.err, " x dropped "), kImageSize / 32 - 2) << "each repeat is dropped";
    std::size_t droppedBytes = 0;
    for (auto at = run.err.find(" x dropped "); at != std::string::npos;
         at = run.err.find(" x dropped ", at + 1)) {
      droppedBytes += std::stoul(run.err.substr(at + 11));
    }
    EXPECT_TRUE(link == SimLink::Usb || droppedBytes % 38 == 0) << "repeats are dropped whole";
  }
  if (std::string(fault.name) == "RetryEvery" && link == SimLink::Serial && run.exitCode == 0) {
    // The serial steps show in order with the frames, each line timed from the one before.
    EXPECT_EQ(run.err.rfind("+0.000 ", 0), 0U) << run.err.substr(0, 200);
    std::size_t at = 0;
    for (const char* step :
         {"= 9600,n,8,1\n", " > 00 ", "pause x1 (", " < 00 ", "~ long pause x6 (", "~ pause over\n",
          "~ discard input\n", "~ reopen serial port\n"}) {
      at = run.err.find(step, at);
      ASSERT_NE(at, std::string::npos) << step;
    }
    const std::size_t over = run.err.rfind("\n+", run.err.rfind("~ pause over")) + 2;
    EXPECT_GE(std::stod(run.err.substr(over, 6)), 0.05) << "the restart wait is 6 x 10 ms";
  }
}

INSTANTIATE_TEST_SUITE_P(Cells, FaultMatrix,
                         ::testing::Combine(::testing::Range<std::size_t>(0, faults().size()),
                                            ::testing::Values(SimLink::Usb, SimLink::Serial),
                                            ::testing::Values("base", "handheld")),
                         [](const auto& info) {
                           return std::string(faults()[std::get<0>(info.param)].name) +
                                  linkName(std::get<1>(info.param)) + std::get<2>(info.param);
                         });

}  // namespace
}  // namespace orbelle::testing
