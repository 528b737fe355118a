#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "harness/Simulator.h"

// Every misbehaviour of the simulated unit, alone and in the combinations that broke the
// lock-step, over both links and for both units: an upgrade may fail cleanly, but it may
// never report success unless the unit kept exactly the image that was sent. The slow lines
// run again on a machine that notices arrivals late (the links' handling-delay seam): which
// reply answers which frame must not depend on when vkr woke up.

namespace orbelle::testing {
namespace {

// 94 blocks: a start frame and 94 blocks make 95 frames, so vanish-after=94 leaves the
// last block unanswered.
constexpr std::size_t kImageSize = 3000;
// At 9600 baud a repeat is still on the wire when the next frame goes out, and its first
// bytes come after that frame: only its timing shows that it cannot be the answer. Ten blocks:
// the retry falls on the last one, and the unit vanishes just before answering it.
constexpr std::size_t kTenBlocks = 320;
// 32 blocks, the last one short.
constexpr std::size_t kThousand = 1000;

constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kLinkBroke = 3;
constexpr int kNoReply = 4;

struct Fault;
using Check = std::function<void(const Fault&, const ProcessResult&, SimLink)>;

struct Fault {
  const char* name;
  std::vector<std::string> simArgs;
  // How a sound vkr ends, over USB and over serial; none for a fault a link cannot show.
  std::optional<std::set<int>> overUsb;
  std::set<int> overSerial;
  std::size_t imageSize = kImageSize;
  std::vector<std::string> vkrArgs = {};
  Check check = {};

  bool slowLine() const { return !overUsb.has_value(); }
};

void everyReplyMarkedBadFcs(const Fault& fault, const ProcessResult& run, SimLink) {
  // Taken by their code whatever their FCS, but not without a trace, and the summary counts
  // them: the start acknowledgement's and every block's.
  EXPECT_GT(countOf(run.err, "  bad FCS\n"), fault.imageSize / 32) << "each reply is marked";
  EXPECT_NE(run.out.find("; 95 replies with a wrong FCS were taken"), std::string::npos) << run.out;
}

void completedByDone(const Fault&, const ProcessResult& run, SimLink) {
  EXPECT_NE(run.out.find("; completion done\n"), std::string::npos) << run.out;
}

void repeatsDroppedWhole(const Fault& fault, const ProcessResult& run, SimLink link) {
  // Repeats that wait out a pause are dropped by the engine; the link drops every other.
  EXPECT_GE(countOf(run.err, " x dropped "), fault.imageSize / 32 - 2) << "each repeat is dropped";
  std::size_t droppedBytes = 0;
  for (auto at = run.err.find(" x dropped "); at != std::string::npos;
       at = run.err.find(" x dropped ", at + 1)) {
    droppedBytes += std::stoul(run.err.substr(at + 11));
  }
  EXPECT_TRUE(link == SimLink::Usb || droppedBytes % 38 == 0) << "repeats are dropped whole";
}

void serialStepsInOrder(const Fault&, const ProcessResult& run, SimLink link) {
  if (link != SimLink::Serial) {
    return;
  }
  // The serial steps show in order with the frames, each line timed from the one before.
  EXPECT_EQ(run.err.rfind("+0.000 ", 0), 0U) << run.err.substr(0, 200);
  std::size_t at = 0;
  for (const char* step : {"= 9600,n,8,1\n", " > 00 ", "pause x1 (", " < 00 ", "~ long pause x6 (",
                           "~ pause over\n", "~ discard input\n", "~ reopen serial port\n"}) {
    at = run.err.find(step, at);
    ASSERT_NE(at, std::string::npos) << step;
  }
  const std::size_t over = run.err.rfind("\n+", run.err.rfind("~ pause over")) + 2;
  EXPECT_GE(std::stod(run.err.substr(over, 6)), 0.05) << "the restart wait is 6 x 10 ms";
}

const std::vector<Fault>& faults() {
  const std::vector<std::string> fastPort{"--baud", "115200"};
  static const std::vector<Fault> all = {
      {"DropReply", {"--fault", "drop-reply=40"}, {{kNoReply}}, {kNoReply}},
      {"CorruptFcs",
       {"--fault", "corrupt-fcs"},
       {{kOk}},
       {kOk},
       kImageSize,
       {},
       everyReplyMarkedBadFcs},
      {"RetryEvery",
       {"--fault", "retry-every=7"},
       {{kOk}},
       {kOk},
       kImageSize,
       {},
       serialStepsInOrder},
      {"HandshakeEvery", {"--fault", "handshake-every=9"}, {{kOk}}, {kOk}},
      {"FinishWithDone",
       {"--fault", "finish-with-done"},
       {{kOk}},
       {kOk},
       kImageSize,
       {},
       completedByDone},
      {"VanishAfter", {"--fault", "vanish-after=94"}, {{kLinkBroke}}, {kLinkBroke}},
      // Each reply comes a byte at a time: a third of the blocks is enough. Over USB each
      // byte is a short report, and no reply ever comes whole.
      {"SplitReplies", {"--fault", "split-replies"}, {{kNoReply}}, {kOk}, 1000},
      {"DoubleReplies",
       {"--fault", "double-replies"},
       {{kOk}},
       {kOk},
       kImageSize,
       {},
       repeatsDroppedWhole},
      {"DoubleAndVanish",
       {"--fault", "double-replies", "--fault", "vanish-after=94"},
       {{kLinkBroke}},
       {kLinkBroke}},
      {"DoubleAndRetry", {"--fault", "double-replies", "--fault", "retry-every=7"}, {{kOk}}, {kOk}},
      // Slow lines: serial only.
      {"SlowDoubleRetryOnTheLast",
       {"--baud-emulation", "9600", "--fault", "double-replies", "--fault", "retry-every=10"},
       std::nullopt,
       {kOk},
       kTenBlocks},
      {"SlowDoubleVanishBeforeTheLast",
       {"--baud-emulation", "9600", "--fault", "double-replies", "--fault", "vanish-after=10"},
       std::nullopt,
       {kLinkBroke},
       kTenBlocks},
      // A unit pacing its bytes at 9600 behind a port set to 115200 (a pseudo-terminal takes
      // any rate): judged at its own pace, not the port's.
      {"SlowPeerOnAFastPortDoubleRetryOnTheLast",
       {"--baud-emulation", "9600", "--fault", "double-replies", "--fault", "retry-every=32"},
       std::nullopt,
       {kOk},
       kThousand,
       fastPort},
      {"SlowPeerOnAFastPortDoubleVanishBeforeTheLast",
       {"--baud-emulation", "9600", "--fault", "double-replies", "--fault", "retry-every=32",
        "--fault", "vanish-after=32"},
       std::nullopt,
       {kLinkBroke},
       kThousand,
       fastPort},
      // A simulator stalled by the machine for longer than a frame's wire time sends the repeat
      // where an answer could stand: the ending is then in doubt, never a success.
      {"SplitDoubleRetryOnTheLastAt115200",
       {"--baud-emulation", "115200", "--fault", "double-replies", "--fault", "retry-every=32",
        "--fault", "split-replies"},
       std::nullopt,
       {kOk, kFailed},
       kThousand,
       fastPort},
  };
  return all;
}

// The end of a run's trace, where its failure shows.
std::string tail(const ProcessResult& run) {
  return run.err.substr(run.err.size() > 2000 ? run.err.size() - 2000 : 0);
}

void runCell(const Fault& fault, SimLink link, const std::string& unit, int handlingDelayMs) {
  TempDir dir;
  std::vector<std::string> simArgs{"--save-images", (dir / "kept").string()};
  simArgs.insert(simArgs.end(), fault.simArgs.begin(), fault.simArgs.end());
  Simulator sim(link, simArgs);
  const auto image = dir / "image.dat";
  writeFile(image, imageBytes(fault.imageSize));
  std::vector<std::string> args = sim.vkrLinkArgs();
  args.insert(args.end(), fault.vkrArgs.begin(), fault.vkrArgs.end());
  args.insert(args.end(), {"--trace", "--timeout", "0.5", "upgrade", unit, image.string(),
                           "--pause-scale", "0.01"});
  // The frames counted above are the transfer's alone: no versions are read around it.
  if (unit == "base") {
    args.emplace_back("--no-verify");
  }
  auto env = sim.vkrEnv();
  env["VKR_TEST_HANDLING_DELAY_MS"] = std::to_string(handlingDelayMs);
  const ProcessResult run = runProcess(VKR_PATH, args, env);
  EXPECT_FALSE(run.timedOut);
  const std::set<int>& expected = link == SimLink::Usb ? *fault.overUsb : fault.overSerial;
  EXPECT_TRUE(expected.contains(run.exitCode)) << run.exitCode << "\n" << tail(run);
  if (run.exitCode == kOk) {
    // The unit saves the image once its last block is in; a success must find it there.
    const std::string line = sim.nextLine(std::chrono::seconds(2));
    const std::string saved = "image: " + unit + "-1.dat " + std::to_string(fault.imageSize);
    EXPECT_EQ(line.rfind(saved, 0), 0U) << "success reported, but the unit says \"" << line << "\"";
    EXPECT_EQ(readFile(dir / "kept" / (unit + "-1.dat")), imageBytes(fault.imageSize));
  }
  if (fault.check && handlingDelayMs == 0) {
    fault.check(fault, run, link);
  }
}

using Cell = std::tuple<std::size_t, SimLink, std::string>;

// Every fault over each link that can show it, for each unit.
std::vector<Cell> cells() {
  std::vector<Cell> all;
  for (std::size_t index = 0; index < faults().size(); ++index) {
    for (const SimLink link : {SimLink::Usb, SimLink::Serial}) {
      for (const char* unit : {"base", "handheld"}) {
        if (link == SimLink::Serial || !faults()[index].slowLine()) {
          all.emplace_back(index, link, unit);
        }
      }
    }
  }
  return all;
}

class FaultMatrix : public ::testing::TestWithParam<Cell> {};

TEST_P(FaultMatrix, NoUpgradeReportsSuccessWithoutTheWholeImageAtTheUnit) {
  const auto& [index, link, unit] = GetParam();
  runCell(faults()[index], link, unit, 0);
}

std::string cellName(const ::testing::TestParamInfo<Cell>& info) {
  return std::string(faults()[std::get<0>(info.param)].name) + linkName(std::get<1>(info.param)) +
         std::get<2>(info.param);
}

INSTANTIATE_TEST_SUITE_P(Cells, FaultMatrix, ::testing::ValuesIn(cells()), cellName);

// The slow lines again, every arrival noticed this many milliseconds late: only a slow line
// leaves time to notice arrivals late. And the repeating units over USB, where a repeat lies
// waiting in the system's queue while the reply before it is noticed late.
using LateCell = std::tuple<std::size_t, SimLink, int, std::string>;

bool repeats(const Fault& fault) {
  return std::find(fault.simArgs.begin(), fault.simArgs.end(), "double-replies") !=
         fault.simArgs.end();
}

std::vector<LateCell> lateCells() {
  std::vector<LateCell> all;
  for (std::size_t index = 0; index < faults().size(); ++index) {
    const Fault& fault = faults()[index];
    for (const char* unit : {"base", "handheld"}) {
      for (const int delayMs : {5, 20, 60}) {
        if (fault.slowLine()) {
          all.emplace_back(index, SimLink::Serial, delayMs, unit);
        }
      }
      if (!fault.slowLine() && repeats(fault)) {
        all.emplace_back(index, SimLink::Usb, 5, unit);
      }
    }
  }
  return all;
}

class FaultMatrixOnABusyMachine : public ::testing::TestWithParam<LateCell> {};

TEST_P(FaultMatrixOnABusyMachine, EndsAsOnAnIdleOne) {
  const auto& [index, link, delayMs, unit] = GetParam();
  runCell(faults()[index], link, unit, delayMs);
}

std::string lateCellName(const ::testing::TestParamInfo<LateCell>& info) {
  return std::string(faults()[std::get<0>(info.param)].name) + linkName(std::get<1>(info.param)) +
         "Late" + std::to_string(std::get<2>(info.param)) + "ms" + std::get<3>(info.param);
}

INSTANTIATE_TEST_SUITE_P(Cells, FaultMatrixOnABusyMachine, ::testing::ValuesIn(lateCells()),
                         lateCellName);

}  // namespace
}  // namespace orbelle::testing
