#include <csignal>
#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/stat.h>

#include "ExitChecks.h"
#include "harness/Simulator.h"

namespace orbelle::testing {
namespace {

// Short enough that six restart pauses cost a few tens of milliseconds.
const std::vector<std::string> kFastPauses = {"--pause-scale", "0.01"};

// `got` with the fields of `want` put in: equal to `got` when it already holds them all.
nlohmann::json patched(nlohmann::json got, std::string_view want) {
  got.merge_patch(nlohmann::json::parse(want));
  return got;
}

ProcessResult vkr(const Simulator& sim, std::vector<std::string> args,
                  const std::vector<std::string>& pauses = kFastPauses) {
  args.insert(args.end(), pauses.begin(), pauses.end());
  return runAgainst(sim, VKR_PATH, args);
}

std::filesystem::path writeImage(const TempDir& dir, std::size_t size) {
  const auto path = dir / ("image-" + std::to_string(size) + ".dat");
  writeFile(path, imageBytes(size));
  return path;
}

// The next image the simulator kept in `dir`, once its "image: NAME ..." line says so.
std::string nextSavedImage(Simulator& sim, const std::filesystem::path& dir,
                           const std::string& name) {
  const std::string line = sim.nextLine();
  EXPECT_EQ(line.rfind("image: " + name + " ", 0), 0U) << line;
  return readFile(dir / name);
}

// Every line of a --json run is an object; all but the last are progress events.
nlohmann::json summaryOf(const ProcessResult& result) {
  EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
  std::istringstream lines(result.out);
  std::string line;
  nlohmann::json last;
  int events = 0;
  while (std::getline(lines, line)) {
    if (!last.is_null()) {
      EXPECT_TRUE(last.contains("event")) << last.dump();
      ++events;
    }
    last = nlohmann::json::parse(line);
  }
  EXPECT_GE(events, 2) << "a start and at least one progress event";
  return last;
}

class UpgradeOverEitherLink : public ::testing::TestWithParam<SimLink> {
 protected:
  // Over USB at a full-speed device's pace: a report a millisecond, each reply a frame late.
  std::vector<std::string> paced(std::vector<std::string> args) const {
    if (GetParam() == SimLink::Usb) {
      args.insert(args.end(), {"--usb-interval", "1"});
    }
    return args;
  }

  TempDir dir_;
};

// The unit asks for blocks 5, 10 ... once more and for a handshake before blocks 7, 14 ...
// (4097 bytes: 25 retries and 18 handshakes, blocks 35, 70 and 105 both).
TEST_P(UpgradeOverEitherLink, ImagesOfAwkwardSizesArriveWholeAndTheSummaryCountsWhatTheUnitAsked) {
  Simulator sim(GetParam(), paced({"--save-images", (dir_ / "kept").string(), "--fault",
                                   "retry-every=5", "--fault", "handshake-every=7"}));
  int baseRuns = 0;
  for (const std::size_t size : {1, 31, 32, 33, 1000, 4097}) {
    SCOPED_TRACE(size);
    const auto summary =
        summaryOf(vkr(sim, {"--json", "upgrade", "base", writeImage(dir_, size).string()}));
    nlohmann::json expected = summary;
    expected.merge_patch(nlohmann::json::parse(
        R"({"stale_replies": 0, "bad_fcs_replies": 0, "completion": "last-ack"})"));
    // A resent block counts again, but its bytes are no new image bytes.
    const std::size_t blocks = (size + 31) / 32;
    expected.merge_patch({{"bytes", size},
                          {"blocks", blocks + blocks / 5},
                          {"retries", blocks / 5},
                          {"resent_bytes", blocks / 5 * 32},
                          {"handshakes", blocks / 7}});
    // The versions read before and after: the simulator keeps its own.
    expected["versions"] = nlohmann::json::parse(R"({
        "before": {"bootloader_version": "1.0.3", "application_version": "2.1.0"},
        "after": {"bootloader_version": "1.0.3", "application_version": "2.1.0"}})");
    EXPECT_EQ(summary, expected);
    EXPECT_EQ(summary.size(), 12U) << summary.dump();
    // The unit's turnaround is a serial measure; the simulator answers at once.
    if (GetParam() == SimLink::Usb) {
      EXPECT_TRUE(summary["turnaround_ms"].is_null());
    } else if (size > 1) {
      EXPECT_LT(summary["turnaround_ms"]["median"].get<double>(), 2.0) << summary.dump();
    }
    EXPECT_GT(summary["seconds"].get<double>(), 0.0);
    EXPECT_NEAR(summary["bytes_per_second"].get<double>() * summary["seconds"].get<double>(),
                static_cast<double>(size), 1e-6 * static_cast<double>(size));
    EXPECT_EQ(nextSavedImage(sim, dir_ / "kept", "base-" + std::to_string(++baseRuns) + ".dat"),
              imageBytes(size));
  }
}

TEST_P(UpgradeOverEitherLink, SilenceEndsTheRunWithNoReplyAndAVanishedUnitWithItsLink) {
  const std::string image = writeImage(dir_, 1000).string();
  Simulator deaf(GetParam(), {"--fault", "drop-reply=1"});
  expectExit(vkr(deaf, {"--timeout", "0.3", "upgrade", "base", image}), 4,
             {"no reply within 0.3 s", "the start frame"});

  // Replies: the settings read before, the start acknowledgement, then blocks 1 to 5; the
  // sixth block's is lost.
  Simulator lossy(GetParam(), {"--fault", "drop-reply=8"});
  const auto midway = vkr(lossy, {"--json", "--timeout", "0.3", "upgrade", "base", image});
  EXPECT_EQ(midway.exitCode, 4);
  const auto error = nlohmann::json::parse(midway.out.substr(midway.out.rfind('{')));
  EXPECT_EQ(error["exit_code"], 4);
  EXPECT_NE(error["error"].get<std::string>().find("block at byte 160 of 1000"), std::string::npos)
      << error;

  // A unit that goes away breaks the link at once: the USB device is lost, the serial
  // device hangs up.
  Simulator vanishing(GetParam(), paced({"--fault", "vanish-after=5"}));
  expectExit(vkr(vanishing, {"--timeout", "0.5", "upgrade", "base", image}), 3, {});
  EXPECT_EQ(vanishing.nextLine(), "vanished");

  // Gone during the pause after the start frame: setting the serial line back to the link's
  // rate fails on a timer of the event loop (the hang-up or the refused line settings,
  // whichever comes first), and the USB device is lost then, which is named as such.
  Simulator early(GetParam(), {"--fault", "vanish-after=2"});
  const auto inPause = vkr(early, {"upgrade", "base", image}, {"--pause-scale", "10"});
  expectExit(
      inPause, 3,
      {GetParam() == SimLink::Serial ? "vkr: Cannot " : "(in the pause after the start frame)"});
  EXPECT_EQ(inPause.err.find("exception"), std::string::npos) << inPause.err;
  // The system's words for a hang-up say nothing the message does not.
  EXPECT_EQ(inPause.err.find("ioctl"), std::string::npos) << inPause.err;
}

// Every upgrade is recorded, whatever its ending, with its image's SHA-256 and the base unit's
// versions read before and after it (not with --no-verify); a unit silent afterwards is a
// warning that the record keeps, and a record that cannot be written is a warning only. vkr
// history shows them newest first.
TEST_P(UpgradeOverEitherLink, UpgradesAreRecordedWithTheirImageAndTheVersionsAroundThem) {
  const std::string image = writeImage(dir_, 1000).string();
  const std::string sha256 = runProcess("/usr/bin/sha256sum", {image}).out.substr(0, 64);
  const auto recorded = [this](const Simulator& sim, std::vector<std::string> args,
                               const std::filesystem::path& state) {
    std::vector<std::string> all = sim.vkrLinkArgs();
    all.insert(all.end(), args.begin(), args.end());
    all.insert(all.end(), kFastPauses.begin(), kFastPauses.end());
    auto env = sim.vkrEnv();
    env["XDG_STATE_HOME"] = state.string();
    return runProcess(VKR_PATH, all, env);
  };
  // Each reply twice, and over serial a byte at a time: the settings reply's repeat is still
  // arriving when the transfer begins, and must not shift its frames.
  std::vector<std::string> simArgs{"--app-version-after", "2.1.1", "--fault", "double-replies"};
  if (GetParam() == SimLink::Serial) {
    simArgs.insert(simArgs.end(), {"--baud-emulation", "115200", "--fault", "split-replies"});
  }
  Simulator sim(GetParam(), simArgs);
  const auto text = recorded(sim, {"upgrade", "base", image}, dir_.path());
  expectExit(text, 0, {});
  EXPECT_NE(text.out.find("\napplication version 2.1.0 before, 2.1.1 after\n"), std::string::npos)
      << text.out;
  const auto unchecked =
      recorded(sim, {"--json", "--trace", "upgrade", "base", image, "--no-verify"}, dir_.path());
  EXPECT_FALSE(summaryOf(unchecked).contains("versions"));
  EXPECT_EQ(unchecked.err.find("> 00 f3"), std::string::npos) << "no settings read";
  expectExit(recorded(sim, {"upgrade", "handheld", image}, dir_.path()), 0, {});
  // Replies: the versions before, the start, 32 blocks; the versions after are not answered.
  Simulator silent(GetParam(), {"--fault", "drop-reply=35"});
  expectExit(recorded(silent, {"--timeout", "0.3", "upgrade", "base", image}, dir_.path()), 0,
             {"vkr: warning: the base unit's versions after the upgrade could not be read (no "
              "reply to the settings request within 0.3 s): check that it restarted"});

  const auto history =
      runProcess(VKR_PATH, {"--json", "history"}, {{"XDG_STATE_HOME", dir_.path().string()}});
  std::vector<nlohmann::json> records;
  std::istringstream lines(history.out);
  for (std::string line; std::getline(lines, line);) {
    records.push_back(nlohmann::json::parse(line));
  }
  ASSERT_EQ(records.size(), 4U) << history.out << history.err;
  for (const auto& record : records) {
    EXPECT_EQ(record, patched(record, R"({"program": "vkr", "outcome": "completed", "blocks": 32,
                                           "image": {"size": 1000}})"));
    EXPECT_EQ(record["image"]["path"], image);
    EXPECT_EQ(record["image"]["sha256"], sha256);
    EXPECT_EQ(record["link"], GetParam() == SimLink::Usb ? "usb" : "rs232");
    if (GetParam() == SimLink::Usb) {
      EXPECT_EQ(record["serial_number"], "SIM0001");
    }
  }
  EXPECT_EQ(records[0]["versions"]["after"], nullptr) << "newest first";
  EXPECT_NE(records[0]["warning"].get<std::string>().find("could not be read"), std::string::npos);
  EXPECT_EQ(records[1]["unit"], "handheld");
  EXPECT_FALSE(records[1].contains("versions"));
  EXPECT_FALSE(records[2].contains("versions"));
  EXPECT_EQ(records[3]["versions"], nlohmann::json::parse(R"({
      "before": {"bootloader_version": "1.0.3", "application_version": "2.1.0"},
      "after": {"bootloader_version": "1.0.3", "application_version": "2.1.1"}})"));
  const auto table =
      runProcess(VKR_PATH, {"history", "--limit", "2"}, {{"XDG_STATE_HOME", dir_.path().string()}});
  EXPECT_EQ(countOf(table.out, "\n"), 3U) << table.out;
  EXPECT_NE(
      table.out.find(" completed  image-1000.dat  " + sha256.substr(0, 12) + "  2.1.0 -> ?\n"),
      std::string::npos)
      << table.out;

  writeFile(dir_ / "not-a-folder", "");
  expectExit(recorded(sim, {"upgrade", "base", image, "--no-verify"}, dir_ / "not-a-folder"), 0,
             {"vkr: warning: The upgrade could not be recorded: cannot create the folder "});
}

INSTANTIATE_TEST_SUITE_P(Links, UpgradeOverEitherLink,
                         ::testing::Values(SimLink::Serial, SimLink::Usb),
                         [](const auto& info) { return linkName(info.param); });

TEST(UpgradeCli, AnAdapterDelayShowsInTheTurnaroundAndIsExplainedOnce) {
  // 16 ms before each reply, as behind an FTDI adapter's default latency timer. The run, and
  // its 0.36 s of restart pauses alone, are longer than the time-out, which counts from the
  // last reply and stops during pauses: no reply is late.
  TempDir dir;
  Simulator sim(SimLink::Serial, {"--baud-emulation", "115200", "--reply-delay", "16"});
  const auto run = vkr(sim,
                       {"--json", "--baud", "115200", "--trace", "--timeout", "0.3", "upgrade",
                        "base", writeImage(dir, 1024).string()},
                       {"--pause-scale", "0.06"});
  const nlohmann::json turnaround = summaryOf(run)["turnaround_ms"];
  EXPECT_GE(turnaround["median"].get<double>(), 16.0) << turnaround;
  // Not the delay counted twice; how close it comes is the benchmark's figure, which a busy
  // machine would spoil here.
  EXPECT_LT(turnaround["median"].get<double>(), 30.0) << turnaround;
  EXPECT_GE(turnaround["p95"], turnaround["median"]);
  EXPECT_EQ(countOf(run.out, R"("event":"warning")"), 1U) << run.out;
  EXPECT_NE(run.out.find("low_latency"), std::string::npos) << run.out;
  // A pseudo-terminal has no low-latency mode; the transfer goes on without it.
  EXPECT_NE(run.err.find("~ low latency unsupported\n"), std::string::npos) << run.err;
}

TEST(UpgradeCli, TextModeReportsProgressNowAndThenAndTheCompletionAsANote) {
  TempDir dir;
  Simulator sim(SimLink::Serial, {});
  const auto result = vkr(sim, {"upgrade", "base", writeImage(dir, 4097).string()});
  expectExit(result, 0,
             {"waiting 0.06 s for the base unit to restart", "100% 4.0 KiB of 4.0 KiB",
              "The base unit has been upgraded.\n"});
  const std::size_t progressLines = countOf(result.err, "% ");
  EXPECT_GE(progressLines, 2U);
  EXPECT_LE(progressLines, 20U) << "129 blocks must not make 129 lines:\n" << result.err;
  EXPECT_EQ(result.out.rfind("Sent 4097 bytes in 129 blocks (0 retries, 0 handshakes)", 0), 0U)
      << result.out;
}

// Ctrl-C or SIGTERM stops a run: it says how far it came (a last JSON object with --json), ends
// with 128 and the signal's number, and lets go of the unit, which the next run opens at once.
// A settings upload cut short has an unknown outcome, and says so.
TEST(UpgradeCli, ASignalStopsTheRunSaysHowFarItCameAndLetsGoOfTheUnit) {
  TempDir dir;
  Simulator sim(SimLink::Serial, {"--baud-emulation", "9600"});  // about 80 ms a block
  const std::string image = writeImage(dir, 4096).string();
  const auto start = [&](std::vector<std::string> args) {
    std::vector<std::string> all = sim.vkrLinkArgs();
    all.insert(all.end(), args.begin(), args.end());
    return std::make_unique<BackgroundProcess>(VKR_PATH, all, sim.vkrEnv());
  };
  const std::string waiting =
      " of 128 blocks; the base unit is waiting for the rest: run the "
      "upgrade again";

  const auto json = start({"--json", "upgrade", "base", image, "--pause-scale", "0.01"});
  std::string line;
  do {
    line = json->readLine();
  } while (!line.empty() && line.find(R"("event":"progress")") == std::string::npos);
  ASSERT_FALSE(line.empty()) << json->drainStderr();
  json->signal(SIGINT);
  EXPECT_EQ(json->waitForExit(), 130) << json->drainStderr();
  const std::string out = json->restOfStdout();
  const auto last = nlohmann::json::parse(out.substr(out.rfind('{')));
  const auto sent = last["blocks_sent"].get<int>();
  EXPECT_GT(sent, 0);
  EXPECT_LT(sent, 128) << "stopped long before its end";
  EXPECT_EQ(last, nlohmann::json({{"outcome", "interrupted"},
                                  {"signal", "SIGINT"},
                                  {"blocks_sent", sent},
                                  {"blocks_total", 128},
                                  {"bytes_sent", sent * 32},
                                  {"error", "interrupted after " + std::to_string(sent) + waiting},
                                  {"exit_code", 130}}));
  expectExit(runAgainst(sim, VKR_PATH, {"settings", "read"}), 0, {});

  const auto text = start({"upgrade", "base", image, "--pause-scale", "0.01"});
  ASSERT_TRUE(text->waitForStderr("0% ", 1));
  text->signal(SIGTERM);
  EXPECT_EQ(text->waitForExit(), 143);
  const std::string said = text->drainStderr();
  EXPECT_NE(said.find("\nvkr: interrupted after "), std::string::npos) << said;
  EXPECT_NE(said.find(waiting + "\n"), std::string::npos) << said;
  expectExit(runAgainst(sim, VKR_PATH, {"settings", "read"}), 0, {});

  Simulator deaf(SimLink::Serial, {"--fault", "drop-reply=2"});  // the upload's echo is lost
  std::vector<std::string> set = deaf.vkrLinkArgs();
  set.insert(set.end(), {"--trace", "--timeout", "30", "settings", "set", "--power", "10"});
  BackgroundProcess upload(VKR_PATH, set, deaf.vkrEnv());
  ASSERT_TRUE(upload.waitForStderr(" > 00 f1 ", 1));
  upload.signal(SIGINT);
  EXPECT_EQ(upload.waitForExit(), 130);
  EXPECT_NE(upload.drainStderr().find(
                "vkr: interrupted before the base unit confirmed the upload: whether it took the "
                "new settings is unknown (vkr settings read shows what it has)\n"),
            std::string::npos)
      << upload.drainStderr();
}

TEST(UpgradeCli, UnusableImagesFailWithSixBeforeTheLinkIsOpened) {
  TempDir dir;
  const std::map<std::string, std::string> env{{"XDG_CONFIG_HOME", dir.path().string()},
                                               {"XDG_STATE_HOME", dir.path().string()}};
  const auto expectImageProblem = [&](const std::string& unit, const std::filesystem::path& image,
                                      const std::string& text) {
    expectExit(
        runProcess(VKR_PATH,
                   {"--device", (dir / "no-such-tty").string(), "upgrade", unit, image.string()},
                   env),
        6, {text});
  };

  expectImageProblem("base", dir / "missing.dat", "Can not open the file!");
  expectImageProblem("base", dir.path(), "is a directory");
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
  expectImageProblem("base", dir / "fifo", "is not a regular file");
  expectImageProblem("base", "/sys/devices/system/cpu/possible", " of its 4096 bytes can be read");
  writeFile(dir / "empty.dat", "");
  expectImageProblem("base", dir / "empty.dat", "The file has no data!");
  expectImageProblem("handheld", dir / "empty.dat",
                     "The handheld unit application file has no data!");

  // Sparse files: nothing is written, only the length is set.
  writeFile(dir / "huge.dat", "");
  std::filesystem::resize_file(dir / "huge.dat", 16'777'217);
  expectImageProblem("base", dir / "huge.dat", "16777217 bytes");
}

}  // namespace
}  // namespace orbelle::testing
