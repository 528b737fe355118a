#include <array>
#include <chrono>
#include <fstream>

#include <gtest/gtest.h>

#include "harness/TempDir.h"
#include "upgrade/ImageFile.h"

namespace orbelle::testing {
namespace {

using namespace std::chrono_literals;

TEST(ImageFile, TellsTheFileOpenedFromOneChangedOrReplacedUnderItsName) {
  TempDir dir;
  const auto path = dir / "image.dat";
  const auto other = dir / "other.dat";
  const auto rewrite = [&](char byte) {
    std::fstream(path, std::ios::in | std::ios::out | std::ios::binary) << std::string(100, byte);
  };
  // Whole seconds, so that a change within the same second is one only a finer clock sees.
  const auto second = std::chrono::time_point_cast<std::chrono::seconds>(
      std::filesystem::file_time_type::clock::now() - 10s);
  std::array<std::uint8_t, 100> out{};

  writeFile(path, imageBytes(100));
  std::filesystem::last_write_time(path, second);
  auto image = ImageFile::open(path);
  ASSERT_TRUE(image);
  EXPECT_TRUE(image->unchanged()) << "nothing touched it";
  EXPECT_EQ(image->readAt(0, out), 100U);
  EXPECT_TRUE(image->unchanged()) << "reading it is no change";
  EXPECT_EQ(static_cast<char>(out[99]), imageBytes(100)[99]);

  rewrite('a');
  std::filesystem::last_write_time(path, second + 1ms);
  EXPECT_FALSE(image->unchanged()) << "rewritten in place within the same second";

  image = ImageFile::open(path);
  ASSERT_TRUE(image);
  rewrite('b');
  std::filesystem::last_write_time(path, second + 1ms);
  EXPECT_FALSE(image->unchanged()) << "rewritten with its modification time put back";

  image = ImageFile::open(path);
  ASSERT_TRUE(image);
  writeFile(other, std::string(100, 'b'));
  std::filesystem::last_write_time(other, second + 1ms);
  std::error_code refused;
  std::filesystem::rename(other, path, refused);
  // Windows does not let a file open for the transfer be replaced; where it does, the new
  // one is another file even with the same size and time.
  EXPECT_EQ(image->unchanged(), refused.operator bool()) << refused.message();
}

}  // namespace
}  // namespace orbelle::testing
