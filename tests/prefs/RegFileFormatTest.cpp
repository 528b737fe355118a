#include <gtest/gtest.h>

#include "prefs/RegFileFormat.h"
#include "prefs/RegFileStore.h"
#include "support/TempDir.h"

namespace orbelle {
namespace {

using testing::TempDir;

TEST(RegFileFormat, AnyTextSurvivesTheStoreUnchanged) {
  TempDir dir;
  const auto file = dir / "VKR/VKR.reg";
  const std::vector<std::string> texts{
      "",
      "plain",
      "C:\\firmware\\base \"new\".dat",
      "line one\nline two\r\n\ttabbed",
      "/home/ana/Prošivka/基站.dat",
      std::string("trailing backslash\\"),
      std::string("\x7f\x01 control", 10),
      std::string(1023, 'x'),
  };
  {
    RegFileStore store(file);
    ASSERT_TRUE(store.createKey());
    for (std::size_t i = 0; i < texts.size(); ++i) {
      ASSERT_TRUE(store.writeString(std::to_string(i) + "v", texts[i]));
    }
    ASSERT_TRUE(store.writeNumber("n", 0xDEADBEEF));
  }
  RegFileStore reopened(file);
  ASSERT_TRUE(reopened.openKey());
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(readStringValue(reopened, std::to_string(i) + "V"), texts[i]) << i;
  }
  EXPECT_EQ(readNumberValue(reopened, "N"), 0xDEADBEEF);
}

TEST(RegFileFormat, WritesTheExportFormatAndReadsHandWrittenFiles) {
  RegKeyContents contents{true,
                          {{"protocol", 1, {'U', 'S', 'B', 0}},
                           {"port", 4, {3, 0, 0, 0}},
                           {"odd", 1, {'a', 0, 'b', 0}},
                           {"multi", 0x1D, {0x61, 0x00}}}};
  const std::string text = serialiseRegFile(contents);
  EXPECT_EQ(text,
            "Windows Registry Editor Version 5.00\n\n"
            "[HKEY_CURRENT_USER\\Software\\VKR\\VKR]\n"
            "\"protocol\"=\"USB\"\n"
            "\"port\"=dword:00000003\n"
            "\"odd\"=hex(1):61,00,62,00\n"
            "\"multi\"=hex(1d):61,00\n");
  const auto parsed = parseRegFile(text);
  ASSERT_TRUE(parsed);
  ASSERT_EQ(parsed->values.size(), 4U);
  EXPECT_EQ(parsed->values[3].type, 0x1DU) << "value types are hex both ways";
  EXPECT_EQ(parsed->values[2].bytes, (std::vector<std::uint8_t>{'a', 0, 'b', 0}));

  const auto handWritten = parseRegFile(
      "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n\r\n"
      "; a comment\r\n"
      "[HKEY_CURRENT_USER\\Software\\Other]\r\n\"base\"=\"not ours\"\r\n"
      "[HKEY_CURRENT_USER\\Software\\VKR\\VKR]\r\n"
      "\"Base\"=hex:01,02,\\\r\n  03\r\n\"BASE\"=\"last wins\"\r\n");
  ASSERT_TRUE(handWritten);
  ASSERT_EQ(handWritten->values.size(), 1U);
  EXPECT_EQ(handWritten->values[0].bytes.size(), 10U);
}

TEST(RegFileFormat, RejectsTextThatIsNotAnExport) {
  for (const char* bad : {"", "hello", "Windows Registry Editor Version 5.00\n[broken\n",
                          "Windows Registry Editor Version 5.00\n\"x\"=\"unterminated\n",
                          "Windows Registry Editor Version 5.00\n\"x\"=dword:12\n",
                          "Windows Registry Editor Version 5.00\n\"x\"=hex:1,,2\n",
                          "Windows Registry Editor Version 5.00\nx=1\n",
                          "Windows Registry Editor Version 5.00\n\"a\tb\"=\"tab in a name\"\n"}) {
    EXPECT_FALSE(parseRegFile(bad)) << bad;
  }
}

}  // namespace
}  // namespace orbelle
