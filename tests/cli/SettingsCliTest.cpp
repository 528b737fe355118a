#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <regex>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "ExitChecks.h"
#include "harness/Simulator.h"
#include "protocol/Fcs16.h"
#include "support/PtyPeer.h"

namespace orbelle::testing {
namespace {

ProcessResult vkr(const Simulator& sim, const std::vector<std::string>& args) {
  return runAgainst(sim, VKR_PATH, args);
}

// `got` with the fields of `want` put in: equal to `got` when it already holds them all.
nlohmann::json patched(nlohmann::json got, std::string_view want) {
  got.merge_patch(nlohmann::json::parse(want));
  return got;
}

class SettingsOverEitherLink : public ::testing::TestWithParam<SimLink> {};

TEST_P(SettingsOverEitherLink, ReadSetAndDefaultsRoundTrip) {
  Simulator sim(GetParam(), {});
  auto read = parsed(vkr(sim, {"--json", "settings", "read"}));
  EXPECT_EQ(read, patched(read, R"({"nation": "europe", "channel": 6, "ids": [1],
                                    "bootloader_version": "1.0.3"})"));
  EXPECT_NE(read["summary"].get<std::string>().find("\r\nThey are Reader 1!"), std::string::npos);

  // Numbers are decimal, leading zeros and all.
  auto set = parsed(
      vkr(sim, {"--json",   "settings",      "set",       "--power",      "-015",   "--channel",
                "012",      "--ids",         "01,3,16",   "--rs232-baud", "115200", "--data-bits",
                "07",       "--stop-bits",   "2",         "--parity",     "even",   "--flow",
                "rts-high", "--numeric-key", "alt-keypad"}));
  // The echo carries no versions: those read before stay.
  EXPECT_EQ(set, patched(set, R"({"power_dbm": -15, "channel": 12, "ids": [1, 3, 16],
      "rs232": {"baud": 115200, "data_bits": 7, "stop_bits": 2, "parity": "even",
                "flow": "rts-high"},
      "numeric_key": "alt-keypad", "bootloader_version": "1.0.3", "also_changed": []})"));
  read = parsed(vkr(sim, {"--json", "settings", "read"}));
  for (const char* key : {"summary", "also_changed", "started_from_defaults"}) {
    set.erase(key);
    read.erase(key);
  }
  EXPECT_EQ(read, set) << "what the echo said is what the unit keeps";

  // Hopping on with channel 12 in Europe leaves only 1..8: the channel becomes 6.
  const auto hopping = vkr(sim, {"settings", "set", "--hopping", "on"});
  expectExit(hopping, 0, {"out of valid range"});
  EXPECT_NE(hopping.out.find("channel              6"), std::string::npos) << hopping.out;

  const auto defaults = parsed(vkr(sim, {"--json", "settings", "defaults"}));
  // The defaults name no rate, so the shown one stays; so do the versions read before.
  EXPECT_EQ(defaults, patched(defaults, R"({"channel": 6, "power_dbm": 10, "ids": [1],
      "hopping": false, "rs232": {"baud": 115200, "data_bits": 8, "stop_bits": 1,
                                  "parity": "none", "flow": "none"},
      "numeric_key": "alphabetic", "bootloader_version": "1.0.3"})"));
}

TEST_P(SettingsOverEitherLink, UnsetUnitCanStillBeConfigured) {
  Simulator unset(GetParam(), {"--unset"});
  expectExit(vkr(unset, {"settings", "read"}), 5,
             {"No settings can be read from the base unit.", "bootloader 1.0.3"});

  const auto set =
      parsed(vkr(unset, {"--json", "settings", "set", "--channel", "3", "--ids", "2"}));
  // The unset reply's versions are valid.
  EXPECT_EQ(set, patched(set, R"({"started_from_defaults": true, "also_changed": [],
                                  "bootloader_version": "1.0.3"})"));
  // The rest comes from the defaults.
  const auto now = parsed(vkr(unset, {"--json", "settings", "read"}));
  EXPECT_EQ(now, patched(now, R"({"channel": 3, "ids": [2], "power_dbm": 10,
                                  "rs232": {"baud": 9600}})"));
}

// Exit 2 means nothing was uploaded; only a value that the unit's own settings rule out
// needs the read first.
TEST_P(SettingsOverEitherLink, RefusedValuesUploadNothing) {
  Simulator sim(GetParam(), {});
  const std::vector<std::vector<std::string>> refused{
      {"--channel", "200"},   {"--hopping", "on", "--channel", "65"},
      {"--power", "3"},       {"--ids", "0,17"},
      {"--ids", ""},          {"--ids", "1,3,"},
      {"--channel", "0x3"},   {"--channel", " 3"},
      {"--channel", "+5"},    {"--channel", ""},
      {"--ids", "1,+2"},      {"--power", "+10"},
      {"--data-bits", "8.0"}, {"--rs232-baud", "0x2580"}};
  for (const auto& args : refused) {
    std::vector<std::string> command{"--trace", "settings", "set"};
    command.insert(command.end(), args.begin(), args.end());
    const auto result = vkr(sim, command);
    EXPECT_EQ(result.exitCode, 2) << args.back();
    EXPECT_EQ(result.err.find("> "), std::string::npos) << "nothing sent for " << args.back();
  }
  const auto outOfRange = vkr(sim, {"--trace", "--json", "settings", "set", "--channel", "17"});
  EXPECT_EQ(outOfRange.exitCode, 2);
  EXPECT_NE(nlohmann::json::parse(outOfRange.out)["error"].get<std::string>().find("1 to 16"),
            std::string::npos);
  EXPECT_NE(outOfRange.err.find("> 00 f3"), std::string::npos) << "the nation had to be read";
  EXPECT_EQ(outOfRange.err.find("> 00 f1"), std::string::npos) << outOfRange.err;

  EXPECT_EQ(parsed(vkr(sim, {"--json", "settings", "set", "--ids", "none"}))["ids"],
            nlohmann::json::array());
}

TEST_P(SettingsOverEitherLink, FaultyRepliesAreTakenAsTheyCome) {
  // A wrong FCS is acted upon; two copies in one read give one frame.
  Simulator corrupt(GetParam(), {"--fault", "corrupt-fcs", "--fault", "double-replies"});
  EXPECT_EQ(parsed(vkr(corrupt, {"--json", "settings", "read"}))["channel"], 6);

  if (GetParam() == SimLink::Serial) {
    // At 9600 the repeat of the settings read comes just after the upload went out, too soon
    // to be its answer: the upload's own echo is taken, and the set succeeds.
    Simulator slow(SimLink::Serial, {"--baud-emulation", "9600", "--fault", "double-replies"});
    EXPECT_EQ(parsed(vkr(slow, {"--json", "settings", "set", "--channel", "3"}))["channel"], 3);
    EXPECT_EQ(parsed(vkr(slow, {"--json", "settings", "read"}))["channel"], 3);
    // A byte at a time, each reply twice: the read's repeat trickles in after the upload has
    // gone out, and is dropped for coming before the line was quiet.
    Simulator trickling(SimLink::Serial, {"--fault", "split-replies", "--fault", "double-replies"});
    EXPECT_EQ(parsed(vkr(trickling, {"--json", "settings", "set", "--channel", "4"}))["channel"],
              4);
  }

  Simulator silent(GetParam(), {"--fault", "drop-reply=1"});
  expectExit(vkr(silent, {"--timeout", "0.5", "settings", "read"}), 4,
             {"Cannot communicate with the base unit."});
}

// A unit's settings saved, changed in the file and put back: only what differs is uploaded, and
// what the unit keeps is read back; a dry run and a file with nothing new upload nothing.
TEST_P(SettingsOverEitherLink, FilesAreSavedAppliedAndReadBackUploadingOnlyADifference) {
  Simulator sim(GetParam(), {});
  TempDir dir;
  const std::string file = (dir / "site.json").string();
  expectExit(vkr(sim, {"settings", "save", file}), 0, {});
  const std::string saved = readFile(file);
  EXPECT_EQ(saved.rfind("{\n  \"format\": \"orbelle-settings\",\n  \"version\": 1,", 0), 0U)
      << saved;
  nlohmann::json settings = nlohmann::json::parse(saved);
  EXPECT_EQ(parsed(vkr(sim, {"--json", "settings", "save", "-"})), settings);

  settings["channel"] = 9;
  settings["power_dbm"] = -5;
  settings["application_version"] = "9.9.9";  // for a reader only
  writeFile(file, settings.dump());
  const auto dryRun = vkr(sim, {"--trace", "settings", "apply", "--dry-run", file});
  expectExit(dryRun, 0, {});
  EXPECT_EQ(dryRun.out, "channel: 6 -> 9\npower_dbm: 10 -> -5\ndry run: nothing was uploaded\n");
  EXPECT_EQ(dryRun.err.find("> 00 f1"), std::string::npos) << "nothing uploaded";

  const auto applied = parsed(vkr(sim, {"--json", "settings", "apply", file}));
  EXPECT_EQ(applied["differences"], nlohmann::json::parse(R"([
      {"field": "channel", "from": 6, "to": 9}, {"field": "power_dbm", "from": 10, "to": -5}])"));
  EXPECT_EQ(applied["uploaded"], true);
  EXPECT_EQ(applied["settings"]["channel"], 9) << "as read back";
  EXPECT_EQ(parsed(vkr(sim, {"--json", "settings", "read"}))["power_dbm"], -5);
  const auto again = vkr(sim, {"--trace", "settings", "apply", file});
  EXPECT_EQ(again.out, "nothing to change\n");
  EXPECT_EQ(again.err.find("> 00 f1"), std::string::npos) << again.err;

  // Each refusal names the key, exits 2 and uploads nothing: what the file alone shows is
  // refused before the link opens, what the unit rules out once it has been read.
  const std::vector<std::pair<std::string, std::string>> refused{
      {R"({"colour": "red"})", "unknown key \"colour\""},
      {R"({"rs232": {"flow": null}})", "missing key \"rs232.flow\""},
      {R"({"hopping": "on"})", "hopping must be true or false, not \"on\""},
      {R"({"power_dbm": 3})", "power_dbm is 3, not one of 10, 7, 5, 0, -5, -10, -15, -20"},
      {R"({"channel": 17})", "channel 17 is outside 1 to 16 for Europe"},
      {R"({"nation": "turkey"})", "nation turkey is not the base unit's (europe)"}};
  for (const auto& [patch, said] : refused) {
    nlohmann::json bad = settings;
    bad.merge_patch(nlohmann::json::parse(patch));
    writeFile(file, bad.dump());
    const auto result = vkr(sim, {"--trace", "settings", "apply", file});
    expectExit(result, 2, {said});
    EXPECT_EQ(result.err.find("> 00 f1"), std::string::npos) << patch;
  }
  EXPECT_EQ(parsed(vkr(sim, {"--json", "settings", "read"}))["channel"], 9);
}

INSTANTIATE_TEST_SUITE_P(Links, SettingsOverEitherLink,
                         ::testing::Values(SimLink::Serial, SimLink::Usb),
                         [](const auto& info) { return linkName(info.param); });

TEST(SettingsCli, TraceShowsEveryFrameAndSplitRepliesMakeOneFrameOnSerialButShortReadsOnUsb) {
  Simulator sim(SimLink::Serial, {"--fault", "split-replies"});
  const auto result = vkr(sim, {"--trace", "settings", "read"});
  // The opening waits a few byte times for a quiet line before the settings request.
  EXPECT_EQ(result.err.rfind("+0.000 ~ low latency unsupported\n+0.0", 0), 0U) << result.err;
  expectExit(result, 0, {" > 00 f3 00 00 ", " < 00 f4 "});
  // The request follows the line settings at once (a busy machine may take a millisecond).
  EXPECT_TRUE(std::regex_search(result.err, std::regex(R"( = 9600,n,8,1\n\+0\.00\d > 00 f3 )")))
      << result.err;

  Simulator usb(SimLink::Usb, {"--fault", "split-replies"});
  const auto shortReads = vkr(usb, {"--timeout", "0.5", "settings", "read"});
  // One line for the whole flood of 1-byte reports, with their count.
  expectExit(shortReads, 4, {"vkr: 38 input reports shorter"});
  EXPECT_EQ(countOf(shortReads.err, "Only read 1 bytes"), 1U) << shortReads.err;
}

// The simulator's own options that vkr's runs rely on.
TEST(SettingsCli, SimulatorStartsFromAFileKeepsItsNationTakesTheWireTimeAndCleansUp) {
  TempDir dir;
  writeFile(dir / "unit.json",
            R"({"nation": "china", "channel": 12, "bootloader_version": "1.0.4"})");
  Simulator slow(SimLink::Serial,
                 {"--settings", (dir / "unit.json").string(), "--baud-emulation", "1200"});
  const auto started = std::chrono::steady_clock::now();
  const auto read = parsed(vkr(slow, {"--json", "settings", "read"}));
  // 38 bytes each way at 120 bytes a second.
  EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(630));
  // The power is the default where the file says nothing.
  EXPECT_EQ(read, patched(read, R"({"nation": "china", "channel": 12, "power_dbm": 10,
                                    "bootloader_version": "1.0.4"})"));

  // An upload carries no nation: the unit keeps its own.
  Simulator sim(SimLink::Serial, {"--settings", (dir / "unit.json").string()});
  parsed(vkr(sim, {"--json", "settings", "set", "--channel", "3"}));
  const auto now = parsed(vkr(sim, {"--json", "settings", "read"}));
  EXPECT_EQ(now["nation"], "china");
  EXPECT_EQ(now["channel"], 3);

  Simulator usb(SimLink::Usb, {});
  EXPECT_EQ(usb.terminate(), 0);
  EXPECT_FALSE(std::filesystem::exists(usb.device())) << "the socket file is removed on exit";
}

TEST(SettingsCli, UnusableLinksSayWhyAndWhatToDo) {
  TempDir home;
  const std::map<std::string, std::string> env{{"XDG_CONFIG_HOME", home.path().string()},
                                               {"LD_PRELOAD", VKR_HIDSIM_LIB},
                                               {"VKR_HIDSIM_SOCKET", (home / "none").string()}};
  expectExit(runProcess(VKR_PATH, {"--link", "usb", "settings", "read"}, env), 3,
             {"Cannot communicate with the base unit!"});

  const auto serial = runProcess(
      VKR_PATH,
      {"--link", "Rs232", "--device", (home / "no-such-tty").string(), "settings", "read"}, env);
  // A device given as such is named as given, not as a COM port it never was.
  const std::string failedToOpen = "Failed to open " + (home / "no-such-tty").string() + ": ";
  expectExit(serial, 3, {failedToOpen, "; check the cable and the device path"});

  EXPECT_EQ(parsed(runProcess(VKR_PATH, {"--link", "usb", "--json", "devices"}, env))["usb"].size(),
            0U);
}

// The device lock files in `dir`.
std::vector<std::filesystem::path> lockFiles(const std::filesystem::path& dir) {
  std::vector<std::filesystem::path> found;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    if (entry.path().filename().string().starts_with("orbelle-device-")) {
      found.push_back(entry.path());
    }
  }
  return found;
}

// While one program drives a unit, another is refused over either link, told first that it is
// in use and by whom. The lock is a file in the temporary folder, but what the file holds
// never lets a second program in: not an empty file (the holder's own, before it has written
// its PID), and not a file left by a holder killed outright, which the next program takes.
// Where no lock can be made, the unit is refused, not driven unlocked.
TEST(SettingsCli, OneProgramAtATimeDrivesAUnitWhateverTheLockFileHolds) {
  TempDir temporary;
  const std::string outerTemporary = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "";
  ::setenv("TMPDIR", temporary.path().c_str(), 1);
  for (const SimLink link : {SimLink::Usb, SimLink::Serial}) {
    SCOPED_TRACE(linkName(link));
    Simulator deaf(link, {"--fault", "drop-reply=1"});
    std::vector<std::string> args = deaf.vkrLinkArgs();
    args.insert(args.end(), {"--trace", "--timeout", "20", "settings", "read"});
    BackgroundProcess first(VKR_PATH, args, deaf.vkrEnv());
    ASSERT_TRUE(first.waitForStderr(" > 00 f3 ", 1)) << first.drainStderr();
    const auto files = lockFiles(temporary.path());
    ASSERT_EQ(files.size(), 1U);
    const std::string holder = readFile(files[0]);
    const std::string pid = holder.substr(0, holder.find('\n'));
    ASSERT_GT(std::stoi(pid), 1) << holder;

    const auto second = vkr(deaf, {"settings", "read"});
    expectExit(second, 3, {"it is in use by another program (PID " + pid + ");"});
    EXPECT_EQ(second.err.find("ermission"), std::string::npos) << second.err;
    EXPECT_EQ(second.err.find("dialout"), std::string::npos) << second.err;

    writeFile(files[0], "");
    expectExit(vkr(deaf, {"settings", "read"}), 3, {"it is in use by another program;"});

    writeFile(files[0], holder);
    ASSERT_EQ(::kill(std::stoi(pid), SIGKILL), 0);
    first.waitForExit();
    const auto third = vkr(deaf, {"--timeout", "0.2", "settings", "read"});
    expectExit(third, 4, {});
    EXPECT_EQ(third.err.find("in use"), std::string::npos) << third.err;
    EXPECT_TRUE(lockFiles(temporary.path()).empty()) << "removed by the program that let go";
  }

  Simulator sim(SimLink::Usb, {});
  std::vector<std::filesystem::path> unusable{temporary / "a-file"};
  writeFile(unusable[0], "not a folder");
  if (::geteuid() != 0) {  // root writes anywhere
    unusable.push_back(temporary / "closed");
    std::filesystem::create_directory(unusable[1]);
    std::filesystem::permissions(
        unusable[1], std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  }
  for (const auto& folder : unusable) {
    ::setenv("TMPDIR", folder.c_str(), 1);
    expectExit(vkr(sim, {"settings", "read"}), 3,
               {"cannot open " + sim.device() + ": its lock file " + folder.string() +
                "/orbelle-device-"});
  }
  if (outerTemporary.empty()) {
    ::unsetenv("TMPDIR");
  } else {
    ::setenv("TMPDIR", outerTemporary.c_str(), 1);
  }
}

// A sealed frame as the unit puts it on the wire, from the code on.
std::vector<std::uint8_t> sealedWire(const std::vector<std::uint8_t>& bytes) {
  ReportFrame frame{};
  std::copy(bytes.begin(), bytes.end(), frame.begin() + 1);
  Fcs16::seal(frame);
  return {frame.begin() + 1, frame.end()};
}

// A unit in China reporting a power and a parity code that the window cannot show, and
// echoing the upload as it came, nation byte 0xFF included. Replies with other codes before
// the settings are passed over.
TEST(SettingsCli, UploadNamesWhatTheWindowRulesChangedAndKeepsTheNationRead) {
  for (const bool json : {true, false}) {
    PtyPeer unit;
    TempDir home;
    std::vector<std::string> args{"--device", unit.path(), "--trace", "settings",
                                  "set",      "--ids",     "2"};
    if (json) {
      args.insert(args.begin(), "--json");
    }
    BackgroundProcess vkr(VKR_PATH, args, {{"XDG_CONFIG_HOME", home.path().string()}});
    ASSERT_EQ(unit.read(38).at(0), 0xF3);
    // One reply at a time: a read that finds several frames takes only the first.
    std::size_t replies = 0;
    for (std::uint8_t code : {0x56, 0x3B, 0x00}) {
      // 10 dBm, channel 9, ID 1, bootloader 1.0.3, application 2.1.0.
      ASSERT_TRUE(
          unit.write(sealedWire({code, 10, 9, 1, 0, 0, 0, 0, 0, '3', '0', '1', 0, '0', '1', '2'})));
      ASSERT_TRUE(vkr.waitForStderr(" < ", ++replies)) << vkr.drainStderr();
    }
    // 3 dBm, channel 20 (within China's 36), ID 1, China, parity code 0.
    ASSERT_TRUE(unit.write(
        sealedWire({0xF4, 3, 20, 1, 0, 2, 1, 0, 0, '3', '0', '1', 0, 0, 0, 0, 2, 1, 0, 1, 1})));

    const auto upload = unit.read(38);
    ASSERT_EQ(upload.size(), 38U);
    // Power 10, channel 20, ID 2, rate code 2, no nation (0xFF), and parity code 1.
    EXPECT_EQ(std::vector<std::uint8_t>(upload.begin(), upload.begin() + 13),
              (std::vector<std::uint8_t>{0xF1, 10, 20, 0x02, 0, 2, 0xFF, 0, 2, 1, 1, 1, 1}));
    std::vector<std::uint8_t> echo(upload.begin(), upload.end() - 2);
    echo[0] = 0xF2;
    ASSERT_TRUE(unit.write(sealedWire(echo)));
    ASSERT_EQ(vkr.waitForExit(), 0) << vkr.drainStderr();

    if (json) {
      const auto result = nlohmann::json::parse(vkr.restOfStdout());
      EXPECT_EQ(result["nation"], "china");
      EXPECT_EQ(result["also_changed"],
                nlohmann::json::parse(R"([{"field":"power_dbm","from":3,"to":10},
                                          {"field":"rs232.parity","from":null,"to":"none"}])"));
    } else {
      const std::string err = vkr.drainStderr();
      EXPECT_NE(err.find("Also changed power_dbm from 3 to 10"), std::string::npos) << err;
      EXPECT_NE(err.find("Also changed rs232.parity from code 0 to none"), std::string::npos);
      EXPECT_NE(vkr.restOfStdout().find("nation               China (not changed"),
                std::string::npos);
    }
  }
}

}  // namespace
}  // namespace orbelle::testing
