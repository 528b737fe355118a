#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>

#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>

#include "harness/Subprocess.h"
#include "harness/TempDir.h"
#include "prefs/LinkPreferences.h"
#include "prefs/RegFileStore.h"
#include "protocol/ByteOrder.h"

namespace orbelle::testing {
namespace {

using namespace std::chrono_literals;

// The seed of a test's random choices: ORBELLE_TEST_SEED when it is set, so that a failure can
// be run again as it was, else a fresh one. Printed, and named in every failure.
std::uint32_t chosenSeed() {
  const char* given = std::getenv("ORBELLE_TEST_SEED");
  const std::uint32_t seed =
      given != nullptr ? static_cast<std::uint32_t>(std::stoul(given)) : std::random_device{}();
  std::printf("ORBELLE_TEST_SEED=%u\n", static_cast<unsigned>(seed));
  std::fflush(stdout);  // before any fork, which would write it a second time
  ::testing::Test::RecordProperty("seed", std::to_string(seed));
  return seed;
}

std::optional<std::uint32_t> storedNumber(const std::filesystem::path& file,
                                          std::string_view name) {
  const auto parsed = parseRegFile(readFile(file));
  if (!parsed) {
    return std::nullopt;
  }
  for (const RegValue& value : parsed->values()) {
    if (sameValueName(value.name, name) && value.bytes.size() == 4) {
      return readLe32(value.bytes, 0);
    }
  }
  return 0;  // not written yet
}

TEST(RegFileStore, ProgramsWritingAtOnceLoseNothingAndReadersSeeWholeFiles) {
  TempDir dir;
  const auto file = dir / "VKR/VKR.reg";
  const auto writer = [&](const char* name) {
    return [&file, name] {
      RegFileStore store(file);
      if (!store.openKey() && !store.createKey()) {
        return 1;
      }
      const auto end = std::chrono::steady_clock::now() + 1000ms;
      std::uint32_t count = 0;
      while (std::chrono::steady_clock::now() < end) {
        if (!store.writeNumber(name, count + 1) || !readNumberValue(store, "protocol")) {
          return 2;
        }
        ++count;
      }
      const std::string text = std::to_string(count) + "\n";
      return ::write(1, text.data(), text.size()) == static_cast<ssize_t>(text.size()) ? 0 : 3;
    };
  };
  {
    RegFileStore first(file);
    loadLinkPreferences(first);
  }
  BackgroundProcess a(writer("a"));
  BackgroundProcess b(writer("b"));
  BackgroundProcess* const writers[] = {&a, &b};
  const char* const names[] = {"a", "B"};  // names are found whatever their case
  std::uint32_t last[2] = {};
  std::string count[2];
  int reads = 0;
  for (const auto end = std::chrono::steady_clock::now() + 10s;
       (count[0].empty() || count[1].empty()) && std::chrono::steady_clock::now() < end; ++reads) {
    for (int w = 0; w < 2; ++w) {
      const auto seen = storedNumber(file, names[w]);
      ASSERT_TRUE(seen) << "a reader saw a file that does not parse";
      ASSERT_GE(*seen, last[w]) << "a value went backwards";
      last[w] = *seen;
      count[w] = count[w].empty() ? writers[w]->readLine(0ms) : count[w];
    }
  }
  for (int w = 0; w < 2; ++w) {
    ASSERT_EQ(writers[w]->waitForExit(5s), 0);
    EXPECT_EQ(storedNumber(file, names[w]), std::stoul(count[w])) << "a last write was lost";
  }
  EXPECT_GT(std::stoul(count[0]) + std::stoul(count[1]), 10U) << reads << " reads";
}

TEST(RegFileStore, AWriterKilledAtAnyMomentLeavesTheOldOrTheNewValue) {
  TempDir dir;
  const auto file = dir / "VKR/VKR.reg";
  const std::uint32_t seed = chosenSeed();
  SCOPED_TRACE("ORBELLE_TEST_SEED=" + std::to_string(seed) + " runs these rounds again");
  std::mt19937 random(seed);
  std::uint32_t last = 0;
  for (int round = 0; round < 8; ++round) {
    // Each write reports itself; the writer dies after a random number of them, in
    // whatever it is doing then, possibly holding the lock.
    BackgroundProcess writer([&file, last] {
      RegFileStore store(file);
      if (!store.openKey() && !store.createKey()) {
        return 1;
      }
      const std::string padding(4000, 'p');
      for (std::uint32_t n = last + 1;; ++n) {
        if (!store.writeString("padding", padding + std::to_string(n)) ||
            !store.writeNumber("n", n) || ::write(1, "w\n", 2) != 2) {
          return 2;
        }
      }
    });
    const std::size_t writes = std::uniform_int_distribution<std::size_t>(1, 12)(random);
    std::size_t reported = 0;
    while (reported < writes && writer.readLine(5s) == "w") {
      ++reported;
    }
    ASSERT_EQ(reported, writes) << "the writer stopped by itself";
    writer.terminate();
    const auto stored = storedNumber(file, "n");
    ASSERT_TRUE(stored) << "a killed writer left a file that does not parse";
    ASSERT_GE(*stored, last + writes) << "a completed write was lost";
    last = *stored;
  }
  RegFileStore after(file);
  ASSERT_TRUE(after.openKey());
  ASSERT_TRUE(after.writeNumber("n", last + 1)) << "a killed writer's lock must not stay";

  // A lock held beyond the store's patience: the change is refused and said so; once the
  // lock is free, changes are taken again.
  const int holder = ::open((file.string() + ".lock").c_str(), O_RDWR | O_CLOEXEC);
  ASSERT_EQ(::flock(holder, LOCK_EX), 0);
  RegFileStore impatient(file, 1ms);
  ASSERT_TRUE(impatient.openKey());
  EXPECT_FALSE(impatient.writeNumber("n", 0));
  ASSERT_EQ(impatient.problems().size(), 1U);
  EXPECT_EQ(impatient.problems()[0].kind, StoreProblemKind::Busy);
  ::close(holder);
  EXPECT_TRUE(after.writeNumber("n", last + 2));
  EXPECT_EQ(storedNumber(file, "n"), last + 2);
  for (const auto& entry : std::filesystem::directory_iterator(file.parent_path())) {
    EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos)
        << "left-over temporary file " << entry.path();
  }
}

TEST(RegFileStore, AStoreThatCannotBeReadIsLeftAloneAndSaysWhy) {
  TempDir dir;
  const auto file = dir / "VKR/VKR.reg";
  std::filesystem::create_directories(file.parent_path());
  struct Case {
    const char* what;
    std::function<void()> make;
    StoreProblemKind kind;
  };
  const std::vector<Case> cases{
      {"a folder", [&] { std::filesystem::create_directory(file); },
       StoreProblemKind::NotRegularFile},
      {"a named pipe", [&] { ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0); },
       StoreProblemKind::NotRegularFile},
      {"a link to an endless device", [&] { std::filesystem::create_symlink("/dev/zero", file); },
       StoreProblemKind::NotRegularFile},
      {"a huge file", [&] { writeFile(file, std::string(2 * RegFileStore::kMaxFileSize, 'x')); },
       StoreProblemKind::TooLarge},
      {"a file without read permission",
       [&] {
         writeFile(file, "Windows Registry Editor Version 5.00\n");
         std::filesystem::permissions(file, std::filesystem::perms::none);
       },
       StoreProblemKind::Unreadable},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.make();
    if (c.kind == StoreProblemKind::Unreadable && ::geteuid() == 0) {
      continue;  // root reads it anyway
    }
    const auto before = std::filesystem::symlink_status(file).type();
    BackgroundProcess loader([&file] {
      RegFileStore store(file);
      loadLinkPreferences(store);
      return 0;
    });
    ASSERT_EQ(loader.waitForExit(5s), 0) << "loading did not end";

    RegFileStore store(file);
    const LinkPreferences prefs = loadLinkPreferences(store);
    EXPECT_EQ(std::tie(prefs.protocol, prefs.port, prefs.baudrate),
              std::tuple(LinkProtocol::Usb, 1, 9600));
    LinkPreferences changed = prefs;
    EXPECT_FALSE(choosePort(store, changed, 3));
    EXPECT_EQ(changed.port, 3) << "the in-memory value changes even when the write fails";
    ASSERT_FALSE(store.problems().empty());
    EXPECT_EQ(store.problems().front().kind, c.kind);
    EXPECT_NE(store.problems().front().message.find(file.string()), std::string::npos);
    EXPECT_EQ(std::filesystem::symlink_status(file).type(), before) << "it was replaced";
    EXPECT_FALSE(std::filesystem::exists(file.string() + ".bad"));
    std::filesystem::remove_all(file);
  }
}

TEST(RegFileStore, WritesGoThroughLinksKeepWhatIsNotOursAndSetUnparsableFilesApart) {
  TempDir dir;
  const auto file = dir / "VKR/VKR.reg";
  const auto real = dir / "elsewhere/prefs.reg";
  std::filesystem::create_directories(file.parent_path());
  std::filesystem::create_directories(real.parent_path());
  std::filesystem::create_symlink("../elsewhere/prefs.reg", file);  // dangling at first start
  {
    RegFileStore store(file);
    LinkPreferences prefs = loadLinkPreferences(store);
    ASSERT_TRUE(choosePort(store, prefs, 3));
    EXPECT_TRUE(store.problems().empty());
  }
  EXPECT_TRUE(std::filesystem::is_symlink(file));
  EXPECT_EQ(storedNumber(real, "port"), 3U);

  // A registry editor's export (UTF-16LE with its mark) is written back in its own form;
  // that a change keeps everything else byte for byte is the format's test.
  writeFile(real,
            asUtf16("Windows Registry Editor Version 5.00\r\n\r\n"
                    "[HKEY_CURRENT_USER\\Software\\VKR\\VKR]\r\n\"port\"=dword:00000004\r\n"));
  {
    RegFileStore store(file);
    LinkPreferences prefs = loadLinkPreferences(store);
    EXPECT_EQ(prefs.port, 4);
    ASSERT_TRUE(choosePort(store, prefs, 2));
    EXPECT_TRUE(store.problems().empty()) << store.problems().front().message;
  }
  EXPECT_EQ(readFile(real).rfind(asUtf16("W"), 0), 0U) << "the file changed its form";
  EXPECT_EQ(storedNumber(real, "port"), 2U);

  for (const char* garbage : {"first broken store", "second broken store"}) {
    writeFile(real, garbage);
    RegFileStore store(file);
    EXPECT_EQ(loadLinkPreferences(store).port, 1);
    ASSERT_EQ(store.problems().size(), 1U);
    EXPECT_EQ(store.problems()[0].kind, StoreProblemKind::SetAside);
    EXPECT_TRUE(std::filesystem::is_symlink(file));
    EXPECT_EQ(storedNumber(real, "port"), 1U) << "the defaults were written in its place";
  }
  EXPECT_EQ(readFile(real.string() + ".bad"), "first broken store");
  EXPECT_EQ(readFile(real.string() + ".bad.1"), "second broken store");
}

}  // namespace
}  // namespace orbelle::testing
