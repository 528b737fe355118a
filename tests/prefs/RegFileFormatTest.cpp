#include <gtest/gtest.h>

#include "harness/TempDir.h"
#include "prefs/RegFileFormat.h"

namespace orbelle::testing {
namespace {

TEST(RegFileFormat, WritesTheExportFormatAndReadsHandWrittenFiles) {
  RegFile contents;
  for (RegValue value : std::vector<RegValue>{{"protocol", 1, {'U', 'S', 'B', 0}},
                                              {"port", 4, {3, 0, 0, 0}},
                                              {"odd", 1, {'a', 0, 'b', 0}},
                                              {"multi", 0x1D, {0x61, 0x00}}}) {
    contents.setValue(std::move(value));
  }
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
  ASSERT_EQ(parsed->values().size(), 4U);
  EXPECT_EQ(parsed->values()[3].type, 0x1DU) << "value types are hex both ways";
  EXPECT_EQ(parsed->values()[2].bytes, (std::vector<std::uint8_t>{'a', 0, 'b', 0}));

  // What a registry editor or a hand leaves: a mark, CR LF, comments, other keys, values
  // we do not know. A write changes the lines of what it changes and adds the new at the
  // end of our key; everything else stays byte for byte, in the file's own form.
  const std::string handWritten =
      "Windows Registry Editor Version 5.00\r\n\r\n"
      "; a comment\r\n"
      "[HKEY_CURRENT_USER\\Software\\Other]\r\n\"base\"=\"not ours\"\r\nodd line\r\n"
      "[HKEY_CURRENT_USER\\Software\\VKR\\VKR]\r\n"
      "\"Base\"=hex:01,02,\\\r\n  03\r\n\"BASE\"=\"last wins\"\r\n@=\"default\"\r\n"
      "\"Extra\"=hex(7):61,00,\\\r\n  00,00\r\n"
      "\r\n[HKEY_CURRENT_USER\\Software\\Later]\r\n\"x\"=dword:00000001";
  std::string changed = handWritten;
  const std::string lastBase = "\"BASE\"=\"last wins\"";
  changed.replace(changed.find(lastBase), lastBase.size(), "\"Base\"=\"C:\\\\new\"");
  changed.insert(changed.find("\r\n[HKEY_CURRENT_USER\\Software\\Later]"),
                 "\"port\"=dword:00000002\r\n");
  const auto writeTwo = [](std::string_view bytes) {
    auto file = parseRegFile(bytes);
    if (file) {
      file->setValue({"base", 1, {'C', ':', '\\', 'n', 'e', 'w', 0}});
      file->setValue({"port", 4, {2, 0, 0, 0}});
    }
    return file;
  };
  for (const std::string& mark : {std::string(), std::string("\xEF\xBB\xBF")}) {
    const auto file = writeTwo(mark + handWritten);
    ASSERT_TRUE(file);
    EXPECT_EQ(serialiseRegFile(*file), mark + changed);
  }
  const auto wide = writeTwo(asUtf16(handWritten));
  ASSERT_TRUE(wide);
  EXPECT_EQ(wide->encoding(), RegFileEncoding::Utf16LeWithBom);
  EXPECT_EQ(serialiseRegFile(*wide), asUtf16(changed));

  std::string crOnly = handWritten;
  std::erase(crOnly, '\n');
  const auto oldMac = parseRegFile(crOnly);
  ASSERT_TRUE(oldMac);
  ASSERT_EQ(oldMac->values().size(), 2U);
  EXPECT_EQ(oldMac->values()[0].name, "Base") << "the first spelling stays";
  EXPECT_EQ(oldMac->values()[0].bytes.size(), 10U);
  EXPECT_EQ(oldMac->values()[1].bytes, (std::vector<std::uint8_t>{0x61, 0, 0, 0}));
  std::erase(changed, '\n');
  EXPECT_EQ(serialiseRegFile(*writeTwo(crOnly)), changed) << "written back with CR alone";

  // A text that is not UTF-8 cannot be quoted in a UTF-16 file; a new key goes after a
  // blank line, and units that pair with nothing survive.
  auto other = parseRegFile(asUtf16("Windows Registry Editor Version 5.00\r\n[A]\r\n") +
                            std::string("\x00\xD8\x3D\x00\x00\xDC", 6));
  ASSERT_TRUE(other);
  other->setValue({"v", 1, {0xFF, 'a', 0}});
  EXPECT_EQ(serialiseRegFile(*other),
            asUtf16("Windows Registry Editor Version 5.00\r\n[A]\r\n") +
                std::string("\x00\xD8\x3D\x00\x00\xDC", 6) +
                asUtf16("\r\n\r\n[HKEY_CURRENT_USER\\Software\\VKR\\VKR]\r\n"
                        "\"v\"=hex(1):ff,61,00\r\n")
                    .substr(2));
}

TEST(RegFileFormat, RejectsTextThatIsNotAnExport) {
  for (const char* bad : {"", "hello", "Windows Registry Editor Version 5.00\n[broken\n",
                          "Windows Registry Editor Version 5.00\n\"x\"=\"unterminated\n",
                          "Windows Registry Editor Version 5.00\n\"x\"=dword:12\n",
                          "Windows Registry Editor Version 5.00\n\"x\"=hex:1,,2\n",
                          "Windows Registry Editor Version 5.00\nx=1\n",
                          "Windows Registry Editor Version 5.00\n\"a\tb\"=\"tab in a name\"\n",
                          "\xFF\xFEW" /* half a UTF-16 unit */,
                          "Windows Registry Editor Version 5.00\n[Other]\n\"h\"=hex:01,\\\n"}) {
    EXPECT_FALSE(parseRegFile(bad)) << bad;
  }
}

}  // namespace
}  // namespace orbelle::testing
