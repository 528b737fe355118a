#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "ExitChecks.h"
#include "harness/Subprocess.h"
#include "harness/TempDir.h"

namespace orbelle::testing {
namespace {

struct PrefsCli : ::testing::Test {
  TempDir home;
  std::map<std::string, std::string> env{{"XDG_CONFIG_HOME", home.path().string()}};

  ProcessResult vkr(const std::vector<std::string>& args) {
    return runProcess(VKR_PATH, args, env);
  }
  std::string storeText() { return readFile(home / "VKR/VKR.reg"); }
};

TEST_F(PrefsCli, SetValuesShowUpInShowAndSurviveInTheStore) {
  ASSERT_EQ(vkr({"prefs", "set", "protocol", "RS232"}).exitCode, 0);
  ASSERT_EQ(vkr({"prefs", "set", "port", "COM3"}).exitCode, 0);
  ASSERT_EQ(vkr({"prefs", "set", "baudrate", "057600"}).exitCode, 0) << "decimal, not octal";
  ASSERT_EQ(vkr({"prefs", "set", "com", "03", "/dev/pts/42"}).exitCode, 0);
  // The image files, as the upgrade windows' Browse stores them: the full path of a file.
  writeFile(home / "images/base.dat", "b");
  writeFile(home / "images/hand held.dat", "h");
  ASSERT_EQ(vkr({"prefs", "set", "base", (home / "images/../images/./base.dat").string()}).exitCode,
            0);
  ASSERT_EQ(vkr({"prefs", "set", "handheld", (home / "images/hand held.dat").string()}).exitCode,
            0);
  env["VKR_COM4"] = "/dev/from-env";
  // A hand-made entry that names no usable device is passed over, and said to be. One in the
  // environment, set for this very run, is refused instead: nothing stands in for it.
  writeFile(home / "VKR/VKR.reg", storeText() + "\"COM2\"=\"ttyUSB0\"\n");
  env["VKR_COM1"] = "ttyS0";

  const auto json = parsed(vkr({"prefs", "show", "--json"}));
  auto expected = json;
  expected["base"] = (home / "images/base.dat").string();
  expected["handheld"] = (home / "images/hand held.dat").string();
  expected.merge_patch(nlohmann::json::parse(R"json({"protocol": "rs232", "port": 3,
      "baudrate": 57600, "com": {"COM3": {"device": "/dev/pts/42", "source": "stored"},
      "COM4": {"device": "/dev/from-env"},
      "COM1": {"device": "ttyS0", "source": "environment",
               "refused": "it is not a full path (one that begins with /)"},
      "COM2": {"device": "/dev/ttyS1", "source": "default",
               "ignored_stored": {"device": "ttyUSB0"}}}})json"));
  EXPECT_EQ(json, expected);
  EXPECT_NE(storeText().find("\"protocol\"=\"RS232\""), std::string::npos);
  const auto refused = vkr({"--port", "1", "--trace", "settings", "read"});
  expectExit(refused, 2, {"VKR_COM1 cannot be used for COM1: it is not a full path"});
  EXPECT_EQ(refused.err.find(" > "), std::string::npos) << "nothing was sent anywhere";
}

// The store is repaired as at start-up, then left alone by every refusal.
TEST_F(PrefsCli, BadValuesAreRefusedWithExitTwoAndNothingWritten) {
  writeFile(home / "VKR/VKR.reg", "garbage\n");
  EXPECT_EQ(parsed(vkr({"prefs", "show", "--json"}))["protocol"], "usb");
  EXPECT_EQ(readFile(home / "VKR/VKR.reg.bad"), "garbage\n");
  const std::string before = storeText();
  EXPECT_NE(before.find("\"handheld\"=\"\""), std::string::npos);
  // A file whose full path the store could not give back whole.
  const std::string part(250, 'd');
  const auto deep = home / part / part / part / part / "image.dat";
  writeFile(deep, "x");
  const std::vector<std::vector<std::string>> refused{
      {"prefs", "set", "protocol", "serial"},
      {"prefs", "set", "port", "5"},
      {"prefs", "set", "port", "0"},
      {"prefs", "set", "baudrate", "4800"},
      {"prefs", "set", "baudrate", "96OO"},
      {"prefs", "set", "baudrate", "+9600"},
      {"prefs", "set", "baudrate", " 9600"},
      {"prefs", "set", "baudrate", "4294976896"},  // 9600 once cut to 32 bits
      {"prefs", "set", "com", "9", "/dev/x"},
      {"prefs", "set", "com", "1", ""},
      {"prefs", "set", "com", "1", "ttyS0"},
      {"prefs", "set", "com", "1", "/dev/ttyS0\n"},
      {"prefs", "set", "com", "1", "/dev/\x1b[2Jtty"},
      {"prefs", "set", "com", "1", std::string(1024, 'x')},
      {"prefs", "set"},
      {"prefs", "set", "colour", "red"},
      {"prefs", "set", "base", (home / "missing.dat").string()},
      {"prefs", "set", "handheld", home.path().string()},  // a folder
      {"prefs", "set", "handheld", ""},
      {"prefs", "set", "base", deep.string()}};
  for (const auto& args : refused) {
    const auto result = vkr(args);
    EXPECT_EQ(result.exitCode, 2) << args.back();
    EXPECT_FALSE(result.err.empty()) << args.back();
  }
  EXPECT_EQ(storeText(), before);

  const auto json = vkr({"--json", "prefs", "set", "port", "9"});
  EXPECT_EQ(json.exitCode, 2);
  EXPECT_TRUE(json.err.empty()) << "with --json errors go to standard output as JSON";
  EXPECT_EQ(nlohmann::json::parse(json.out)["exit_code"], 2);
}

// Whatever stage refuses a global option, --json (before or after it) makes the error JSON.
TEST_F(PrefsCli, RefusedGlobalOptionsAreExitTwoAndJsonWhenAsked) {
  const std::vector<std::vector<std::string>> refused{
      {"--port", "9"},        {"--port", "+1"},       {"--port", "0x1"},
      {"--baud", "4800"},     {"--timeout", "0"},     {"--timeout", "nan"},
      {"--timeout", "0x1p2"}, {"--timeout", "1e1"},   {"--timeout", " 3"},
      {"--link", "serial"},   {"--device", ""},       {"--link", "usb", "--device", "/dev/ttyS0"},
      {"--device", "ttyS0"},  {"--device", "./ttyS0"}};
  for (const auto& bad : refused) {
    for (const bool jsonFirst : {true, false}) {
      std::vector<std::string> args = bad;
      args.insert(jsonFirst ? args.begin() : args.end(), "--json");
      args.insert(args.end(), {"prefs", "show"});
      const auto result = vkr(args);
      EXPECT_EQ(result.exitCode, 2) << bad[1];
      EXPECT_TRUE(result.err.empty()) << bad[1] << ": " << result.err;
      ASSERT_FALSE(result.out.empty()) << bad[1];
      EXPECT_EQ(nlohmann::json::parse(result.out)["exit_code"], 2) << bad[1];
    }
  }
  // Refused before any link opens: not a frame goes out, not even to /dev/ttyS0.
  const auto bare = vkr({"--device", "ttyS0", "--trace", "settings", "read"});
  expectExit(bare, 2, {"--device cannot be used: it is not a full path"});
  EXPECT_EQ(bare.err.find(" > "), std::string::npos) << bare.err;
  EXPECT_EQ(vkr({"--link", "RS232", "prefs", "show"}).exitCode, 0);
  EXPECT_EQ(vkr({"--baud", "09600", "--timeout", "02.50", "prefs", "show"}).exitCode, 0)
      << "leading zeros are decimal";

  const auto help = vkr({"settings", "set", "--help"});
  EXPECT_NE(help.out.find("--timeout"), std::string::npos) << "global options in command help";
  const auto mainHelp = vkr({"--help"});
  EXPECT_NE(mainHelp.out.find("(default: 3)"), std::string::npos);
  EXPECT_NE(mainHelp.out.find("5  the base unit has never been set"), std::string::npos);
  // Both programs print the one version, "NAME VERSION".
  const auto version = vkr({"--version"});
  const auto simVersion = runProcess(VKR_SIM_PATH, {"--version"});
  EXPECT_EQ(version.exitCode, 0);
  ASSERT_EQ(version.out.rfind("vkr ", 0), 0U) << version.out;
  EXPECT_EQ(simVersion.out, "vkr-sim " + version.out.substr(4));
}

// What vkr tells a person follows the desktop's language, as gettext reads it; its JSON, its
// exit codes and a script's C locale stay English.
TEST_F(PrefsCli, SpeaksTheDesktopsLanguageToAPersonAndEnglishInJson) {
  const auto in = [this](std::map<std::string, std::string> locale,
                         const std::vector<std::string>& args) {
    locale.merge(std::map<std::string, std::string>{
        {"LANGUAGE", ""}, {"LC_ALL", ""}, {"LC_MESSAGES", ""}, {"LANG", ""}});
    locale.insert(env.begin(), env.end());
    return runProcess(VKR_PATH, args, locale);
  };
  const std::vector<std::string> refused{"prefs", "set", "port", "9"};
  const std::string english = "vkr: COM port must be 1, 2, 3 or 4 (or COM1 to COM4), not \"9\"\n";
  const std::string german =
      "vkr: der COM-Port muss 1, 2, 3 oder 4 sein (oder COM1 bis COM4), nicht „9“\n";
  const std::string traditional =
      "vkr: 序列埠必須是 1、2、3 或 4（或 COM1 "
      "到 COM4），而不是「9」\n";
  EXPECT_EQ(in({{"LANG", "C"}}, refused).err, english);
  EXPECT_EQ(in({{"LANG", "de_DE.UTF-8"}}, refused).err, german);
  EXPECT_EQ(in({{"LANG", "zh_HK.UTF-8"}}, refused).err, traditional) << "by its script";
  EXPECT_EQ(in({{"LANGUAGE", "fr:de"}, {"LANG", "fr_FR.UTF-8"}}, refused).err, german);
  EXPECT_EQ(in({{"LANGUAGE", "en_GB:de"}, {"LANG", "de_DE.UTF-8"}}, refused).err, english);
  EXPECT_EQ(in({{"LANGUAGE", "de"}, {"LC_ALL", "C"}, {"LANG", "de_DE.UTF-8"}}, refused).err,
            english)
      << "a C locale is the program's own English";

  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--json", "prefs", "set", "port", "9"},
        std::vector<std::string>{"--json", "devices"}}) {
    const ProcessResult inEnglish = in({{"LANG", "C"}}, args);
    const ProcessResult inGerman = in({{"LANG", "de_DE.UTF-8"}}, args);
    EXPECT_EQ(inGerman.out, inEnglish.out);
    EXPECT_EQ(inGerman.exitCode, inEnglish.exitCode);
  }
  const ProcessResult devices = in({{"LANG", "de_DE.UTF-8"}}, {"devices"});
  EXPECT_NE(devices.out.find("Serielle Ports:\n  COM1  /dev/ttyS0 (Standard"), std::string::npos)
      << devices.out;
}

TEST_F(PrefsCli, UnwritableStoreIsReported) {
  writeFile(home / "VKR", "a file where the folder should be");
  expectExit(vkr({"prefs", "set", "port", "2"}), 1, {"could not store port"});
}

}  // namespace
}  // namespace orbelle::testing
