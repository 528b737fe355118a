#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <random>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include "prefs/LinkPreferences.h"
#include "prefs/RegFileStore.h"
#include "support/TempDir.h"

namespace orbelle {
namespace {

using namespace std::chrono_literals;
using testing::readFile;
using testing::TempDir;
using testing::writeFile;

// Another process running `body`, which may send text back through the given descriptor.
// It is killed and reaped when the test is done with it.
class Child {
 public:
  explicit Child(const std::function<int(int)>& body) {
    int ends[2] = {-1, -1};
    if (::pipe(ends) != 0) {
      return;
    }
    pid_ = ::fork();
    if (pid_ == 0) {
      ::close(ends[0]);
      ::_exit(body(ends[1]));
    }
    ::close(ends[1]);
    fd_ = ends[0];
  }
  ~Child() { kill(); }
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  // Takes what it sent, waiting at most `limit` for anything; false once it has ended.
  bool take(std::chrono::milliseconds limit) {
    pollfd p{fd_, POLLIN, 0};
    if (fd_ < 0 || ::poll(&p, 1, static_cast<int>(std::max(limit, 0ms).count())) <= 0) {
      return fd_ >= 0;
    }
    char buffer[4096];
    const ssize_t n = ::read(fd_, buffer, sizeof buffer);
    if (n <= 0) {
      ::close(fd_);
      fd_ = -1;
      return false;
    }
    sent_.append(buffer, static_cast<std::size_t>(n));
    return true;
  }
  // Its exit code once it ends within `limit`; -1 when it had to be killed.
  int wait(std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (take(std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now()))) {
      if (std::chrono::steady_clock::now() >= deadline) {
        kill();
        return -1;
      }
    }
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  void kill() {
    if (pid_ > 0) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
      pid_ = -1;
    }
    if (fd_ >= 0) {
      ::close(fd_);
      fd_ = -1;
    }
  }
  const std::string& sent() const { return sent_; }

 private:
  pid_t pid_ = -1;
  int fd_ = -1;
  std::string sent_;
};

std::optional<std::uint32_t> storedNumber(const std::filesystem::path& file,
                                          std::string_view name) {
  const auto parsed = parseRegFile(readFile(file));
  if (!parsed) {
    return std::nullopt;
  }
  for (const RegValue& value : parsed->values) {
    if (sameValueName(value.name, name) && value.bytes.size() == 4) {
      return value.bytes[0] | (value.bytes[1] << 8U) | (value.bytes[2] << 16U) |
             (static_cast<std::uint32_t>(value.bytes[3]) << 24U);
    }
  }
  return 0;  // not written yet
}

TEST(RegFileStore, ProgramsWritingAtOnceLoseNothingAndReadersSeeWholeFiles) {
  TempDir dir;
  const auto file = dir / "VKR/VKR.reg";
  const auto writer = [&](const char* name) {
    return [&file, name](int report) {
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
      const std::string text = std::to_string(count);
      return ::write(report, text.data(), text.size()) == static_cast<ssize_t>(text.size()) ? 0 : 3;
    };
  };
  {
    RegFileStore first(file);
    LoadLinkPreferences(first);
  }
  Child a(writer("a"));
  Child b(writer("b"));
  std::uint32_t lastA = 0;
  std::uint32_t lastB = 0;
  int reads = 0;
  for (bool aRuns = true, bRuns = true; aRuns || bRuns; ++reads) {
    const auto seenA = storedNumber(file, "a");
    const auto seenB = storedNumber(file, "B");
    ASSERT_TRUE(seenA && seenB) << "a reader saw a file that does not parse";
    ASSERT_GE(*seenA, lastA) << "a value went backwards";
    ASSERT_GE(*seenB, lastB) << "a value went backwards";
    lastA = *seenA;
    lastB = *seenB;
    aRuns = aRuns && a.take(0ms);
    bRuns = bRuns && b.take(0ms);
  }
  ASSERT_EQ(a.wait(5s), 0);
  ASSERT_EQ(b.wait(5s), 0);
  EXPECT_EQ(storedNumber(file, "a"), std::stoul(a.sent())) << "the last write of a was lost";
  EXPECT_EQ(storedNumber(file, "b"), std::stoul(b.sent())) << "the last write of b was lost";
  EXPECT_GT(std::stoul(a.sent()) + std::stoul(b.sent()), 10U) << reads << " reads";
}

TEST(RegFileStore, AWriterKilledAtAnyMomentLeavesTheOldOrTheNewValue) {
  TempDir dir;
  const auto file = dir / "VKR/VKR.reg";
  std::mt19937 random(std::random_device{}());
  std::uint32_t last = 0;
  for (int round = 0; round < 8; ++round) {
    // Each write reports itself; the writer dies after a random number of them, in
    // whatever it is doing then, possibly holding the lock.
    Child writer([&file, last](int report) {
      RegFileStore store(file);
      if (!store.openKey() && !store.createKey()) {
        return 1;
      }
      const std::string padding(4000, 'p');
      for (std::uint32_t n = last + 1;; ++n) {
        if (!store.writeString("padding", padding + std::to_string(n)) ||
            !store.writeNumber("n", n) || ::write(report, "w", 1) != 1) {
          return 2;
        }
      }
    });
    const std::size_t writes = std::uniform_int_distribution<std::size_t>(1, 12)(random);
    while (writer.sent().size() < writes && writer.take(5s)) {
    }
    ASSERT_GE(writer.sent().size(), writes) << "the writer stopped by itself";
    writer.kill();
    const auto stored = storedNumber(file, "n");
    ASSERT_TRUE(stored) << "a killed writer left a file that does not parse";
    ASSERT_GE(*stored, last + writes) << "a completed write was lost";
    last = *stored;
  }
  RegFileStore after(file);
  ASSERT_TRUE(after.openKey());
  ASSERT_TRUE(after.writeNumber("n", last + 1)) << "a killed writer's lock must not stay";
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
    Child loader([&file](int) {
      RegFileStore store(file);
      LoadLinkPreferences(store);
      return 0;
    });
    ASSERT_EQ(loader.wait(5s), 0) << "loading did not end";

    RegFileStore store(file);
    const LinkPreferences prefs = LoadLinkPreferences(store);
    EXPECT_EQ(prefs.protocol, LinkProtocol::Usb);
    EXPECT_EQ(prefs.port, 1);
    EXPECT_EQ(prefs.baudrate, 9600);
    LinkPreferences changed = prefs;
    EXPECT_FALSE(choosePort(store, changed, 3));
    ASSERT_FALSE(store.problems().empty());
    EXPECT_EQ(store.problems().front().kind, c.kind);
    EXPECT_NE(store.problems().front().message.find(file.string()), std::string::npos);
    EXPECT_EQ(std::filesystem::symlink_status(file).type(), before) << "it was replaced";
    EXPECT_FALSE(std::filesystem::exists(file.string() + ".bad"));
    std::filesystem::remove_all(file);
  }
}

TEST(RegFileStore, ALinkedStoreIsWrittenThroughAndUnparsableOnesAreKeptApart) {
  TempDir dir;
  const auto file = dir / "VKR/VKR.reg";
  const auto real = dir / "elsewhere/prefs.reg";
  std::filesystem::create_directories(file.parent_path());
  std::filesystem::create_directories(real.parent_path());
  std::filesystem::create_symlink("../elsewhere/prefs.reg", file);  // dangling at first start
  {
    RegFileStore store(file);
    LinkPreferences prefs = LoadLinkPreferences(store);
    ASSERT_TRUE(choosePort(store, prefs, 3));
    EXPECT_TRUE(store.problems().empty());
  }
  EXPECT_TRUE(std::filesystem::is_symlink(file));
  EXPECT_EQ(storedNumber(real, "port"), 3U);

  for (const char* garbage : {"first broken store", "second broken store"}) {
    writeFile(real, garbage);
    RegFileStore store(file);
    EXPECT_EQ(LoadLinkPreferences(store).port, 1);
    ASSERT_EQ(store.problems().size(), 1U);
    EXPECT_EQ(store.problems()[0].kind, StoreProblemKind::SetAside);
    EXPECT_TRUE(std::filesystem::is_symlink(file));
    EXPECT_EQ(storedNumber(real, "port"), 1U) << "the defaults were written in its place";
  }
  EXPECT_EQ(readFile(real.string() + ".bad"), "first broken store");
  EXPECT_EQ(readFile(real.string() + ".bad.1"), "second broken store");
}

}  // namespace
}  // namespace orbelle
