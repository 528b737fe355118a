#include <gtest/gtest.h>
#include <sys/stat.h>

#include "harness/TempDir.h"
#include "prefs/LinkPreferences.h"
#include "prefs/RegFileStore.h"

namespace orbelle::testing {
namespace {

const std::string kHeader =
    "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\VKR\\VKR]\n";

struct PrefsFixture : ::testing::Test {
  TempDir dir;
  std::filesystem::path file = dir / "VKR/VKR.reg";

  void store(const std::string& values) { writeFile(file, kHeader + values); }
  LinkPreferences load() {
    RegFileStore s(file);
    return loadLinkPreferences(s);
  }
  std::string stored() { return readFile(file); }
};

TEST_F(PrefsFixture, ProtocolTextIsReadByItsPrefixWithCaseSignificant) {
  const std::vector<std::pair<std::string, LinkProtocol>> cases{
      {"RS232", LinkProtocol::Rs232}, {"RS232 at desk", LinkProtocol::Rs232},
      {"USBX", LinkProtocol::Usb},    {"", LinkProtocol::Usb},
      {"usb", LinkProtocol::None},    {"rs232", LinkProtocol::None},
      {"Serial", LinkProtocol::None}};
  for (const auto& [text, expected] : cases) {
    store("\"protocol\"=\"" + text +
          "\"\n\"port\"=dword:00000002\n\"baudrate\"=dword:00004b00\n"
          "\"base\"=\"\"\n\"handheld\"=\"\"\n");
    const std::string before = stored();
    EXPECT_EQ(load().protocol, expected) << text;
    EXPECT_EQ(stored(), before) << "the protocol text is never rewritten";
  }
}

TEST_F(PrefsFixture, DefaultsAtFirstStartUnacceptableValuesFallBackAndMissingOnesAreRepaired) {
  load();  // a first start; the loaded defaults are checked with every unusable store
  EXPECT_EQ(stored(),
            kHeader +
                "\"port\"=dword:00000001\n\"baudrate\"=dword:00002580\n\"protocol\"=\"USB\"\n"
                "\"base\"=\"\"\n\"handheld\"=\"\"\n");
  struct stat info {};
  ASSERT_EQ(::stat(file.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600U);

  store(
      "\"protocol\"=\"RS232\"\n\"port\"=dword:00000007\n\"baudrate\"=dword:000012c0\n"
      "\"base\"=\"/b.dat\"\n\"handheld\"=\"/h.dat\"\n");
  const std::string before = stored();
  LinkPreferences prefs = load();
  EXPECT_EQ(std::tie(prefs.port, prefs.baudrate, prefs.baseImagePath, prefs.handheldImagePath),
            std::tuple(1, 9600, "/b.dat", "/h.dat"));
  EXPECT_EQ(stored(), before);

  store("\"protocol\"=\"RS232\"\n\"base\"=\"/b.dat\"\n");
  prefs = load();
  EXPECT_EQ(std::tie(prefs.port, prefs.baudrate), std::tuple(1, 9600));
  EXPECT_EQ(stored(), kHeader +
                          "\"protocol\"=\"RS232\"\n\"base\"=\"/b.dat\"\n\"handheld\"=\"\"\n"
                          "\"port\"=dword:00000001\n\"Baudrate\"=dword:00002580\n");

  // The stored type is not examined on reading: "3" with its zero is two bytes: read as a number it
  // is 0x33 = 51, so port 1. "9600" with its zero is five bytes: too long for a number, so missing
  // and replaced.
  store(
      "\"Port\"=\"3\"\n\"baudrate\"=\"9600\"\n\"protocol\"=\"USB\"\n\"base\"=\"\"\n"
      "\"handheld\"=\"\"\n");
  RegFileStore s(file);
  prefs = loadLinkPreferences(s);
  EXPECT_EQ(readNumberValue(s, "port"), 51U);
  EXPECT_EQ(std::tie(prefs.port, prefs.baudrate), std::tuple(1, 9600));
  EXPECT_EQ(readNumberValue(s, "baudrate"), 9600U);
  EXPECT_NE(stored().find("\"baudrate\"=dword:00002580"), std::string::npos)
      << "the value keeps the spelling it was created with";
}

TEST_F(PrefsFixture, LongPathsLoadWholeUpTo1023BytesAndLongerOnesAreOnlyReplacedByAChoice) {
  const std::string longest = "/" + std::string(1022, 'p');
  const std::string tooLong = "/" + std::string(1023, 'q');
  store(
      "\"protocol\"=\"USB\"\n\"port\"=dword:00000001\n\"baudrate\"=dword:00002580\n"
      "\"base\"=\"" +
      longest + "\"\n\"handheld\"=\"" + tooLong + "\"\n");
  const LinkPreferences prefs = load();
  EXPECT_EQ(prefs.baseImagePath, longest);
  EXPECT_EQ(prefs.handheldImagePath, "");
  EXPECT_NE(stored().find(tooLong), std::string::npos);

  RegFileStore s(file);
  LinkPreferences chosen = loadLinkPreferences(s);
  ASSERT_TRUE(chooseHandheldImagePath(s, chosen, "/fw/hand \"1\".dat"));
  EXPECT_EQ(load().handheldImagePath, "/fw/hand \"1\".dat") << "a chosen path replaces it";
}

}  // namespace
}  // namespace orbelle::testing
