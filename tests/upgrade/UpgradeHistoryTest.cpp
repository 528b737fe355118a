#include <signal.h>
#include <stdlib.h>

#include <chrono>
#include <fstream>
#include <map>
#include <thread>

#include <gtest/gtest.h>

#include "harness/Subprocess.h"
#include "harness/TempDir.h"
#include "upgrade/UpgradeHistory.h"
#include "upgrade/UpgradeRecord.h"

namespace orbelle::testing {
namespace {

UpgradeRecord recordNumber(int writer, int number) {
  UpgradeRecord record;
  record.time = "2026-12-08T10:11:12+01:00";
  record.program = "writer" + std::to_string(writer);
  record.unit = "base";
  record.link = "usb";
  record.device = "/dev/hidraw" + std::to_string(number);
  record.imagePath = "/images/base.dat";
  record.imageSize = 1000;
  // A long line: a torn or interleaved write could not pass for a whole one.
  record.message = std::string(300, static_cast<char>('a' + number % 26));
  record.outcome = "completed";
  record.blocks = static_cast<std::uint32_t>(number);
  return record;
}

std::string lineOf(const UpgradeRecord& record) { return recordToJson(record).dump(); }

TEST(UpgradeHistory, RecordsReadBackAsWrittenAndTheFileLivesUnderTheStateFolder) {
  UpgradeRecord record = recordNumber(1, 7);
  record.serialNumber = "SN0042";
  record.imageSha256 = std::string(64, 'f');
  record.versionsChecked = true;
  record.versionsBefore = UnitVersions{"1.0.3", "2.1.0"};
  record.warning = "the base unit's versions after the upgrade could not be read";
  EXPECT_EQ(recordFromJson(recordToJson(record)), record);
  EXPECT_TRUE(recordToJson(record)["versions"]["after"].is_null());
  EXPECT_FALSE(recordToJson(recordNumber(1, 7)).contains("versions"));
  EXPECT_THROW(recordFromJson(nlohmann::json::parse(R"({"time": "x"})")), std::invalid_argument);

  const char* home = ::getenv("HOME");
  ::setenv("XDG_STATE_HOME", "/state", 1);
  EXPECT_EQ(upgradeHistoryPath(), "/state/orbelle/upgrades.jsonl");
  ::setenv("XDG_STATE_HOME", "relative", 1);  // not a full path: the default
  EXPECT_EQ(upgradeHistoryPath(),
            std::filesystem::path(home) / ".local/state/orbelle/upgrades.jsonl");
  ::unsetenv("XDG_STATE_HOME");
  EXPECT_EQ(upgradeHistoryPath(),
            std::filesystem::path(home) / ".local/state/orbelle/upgrades.jsonl");

  // What cannot be written is said, not thrown: the folder is a file, the file a folder.
  TempDir dir;
  writeFile(dir / "plain", "");
  EXPECT_NE(appendHistoryLine(dir / "plain" / "orbelle" / "upgrades.jsonl", "{}")
                ->find("cannot create the folder"),
            std::string::npos);
  std::filesystem::create_directories(dir / "folder");
  EXPECT_NE(
      appendHistoryLine(dir / "folder", "{}")->find("cannot write " + (dir / "folder").string()),
      std::string::npos);
}

// Two programs appending at once lose nothing and interleave nothing; a writer killed in
// mid-stream leaves whole lines, and a line it left torn is ended before the next, so that
// only the torn one is skipped, with a warning, and so is a torn last line.
TEST(UpgradeHistory, WritersAtOnceLoseNothingAndATornLineIsSkippedWithAWarning) {
  TempDir dir;
  const auto file = dir / "state" / "orbelle" / "upgrades.jsonl";
  constexpr int kLines = 400;
  const auto writer = [&file](int number) {
    return [&file, number] {
      for (int i = 0; i < kLines; ++i) {
        if (appendHistoryLine(file, lineOf(recordNumber(number, i)))) {
          return 1;
        }
      }
      return 0;
    };
  };
  {
    BackgroundProcess first(writer(1));
    BackgroundProcess second(writer(2));
    EXPECT_EQ(first.waitForExit(std::chrono::seconds(60)), 0);
    EXPECT_EQ(second.waitForExit(std::chrono::seconds(60)), 0);
  }
  UpgradeHistory history = readUpgradeHistory(file);
  EXPECT_TRUE(history.warnings.empty()) << history.warnings[0];
  ASSERT_EQ(history.entries.size(), 2U * kLines);
  std::map<std::string, int> next{{"writer1", 0}, {"writer2", 0}};
  for (const auto& entry : history.entries) {
    // Each writer's lines whole and in its own order.
    const int number = next[entry.record.program]++;
    EXPECT_EQ(entry.record, recordNumber(entry.record.program == "writer1" ? 1 : 2, number));
  }

  // Killed while it appends: whatever it wrote is whole.
  BackgroundProcess killed(writer(3));
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (readFile(file).size() < 2U * kLines * lineOf(recordNumber(1, 0)).size() + 10000 &&
         std::chrono::steady_clock::now() < giveUp) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  killed.signal(SIGKILL);
  killed.waitForExit();
  history = readUpgradeHistory(file);
  EXPECT_TRUE(history.warnings.empty());
  const std::size_t whole = history.entries.size();
  EXPECT_GT(whole, 2U * kLines);

  // A line cut short (a write the system could not finish, a machine that stopped), then the
  // next program's record, then another cut short.
  std::ofstream(file, std::ios::app) << lineOf(recordNumber(4, 1)).substr(0, 50);
  ASSERT_FALSE(appendHistoryLine(file, lineOf(recordNumber(4, 2))));
  std::ofstream(file, std::ios::app) << lineOf(recordNumber(4, 3)).substr(0, 50);
  history = readUpgradeHistory(file);
  ASSERT_EQ(history.entries.size(), whole + 1) << ::testing::PrintToString(history.warnings);
  EXPECT_EQ(history.entries.back().record, recordNumber(4, 2));
  ASSERT_EQ(history.warnings.size(), 2U);
  EXPECT_EQ(history.warnings[0], "line " + std::to_string(whole + 1) + " of " + file.string() +
                                     " is not an upgrade record: it is skipped");
  EXPECT_NE(history.warnings[1].find("the last line of " + file.string() + " is incomplete"),
            std::string::npos);
}

}  // namespace
}  // namespace orbelle::testing
