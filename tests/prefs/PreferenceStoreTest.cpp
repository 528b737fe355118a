#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "prefs/RegistryStore.h"

#ifdef _WIN32
#include <windows.h>

#include <random>
#else
#include "harness/TempDir.h"
#include "prefs/RegFileStore.h"
#endif

namespace orbelle::testing {
namespace {

#ifdef _WIN32
// A key of this run's own, gone with everything under it when the test ends.
class RegistryKey {
 public:
  ~RegistryKey() { RegDeleteTreeA(HKEY_CURRENT_USER, top_.c_str()); }
  RegistryStore store() const { return RegistryStore(top_ + "\\VKR\\VKR"); }

 private:
  std::string top_ = "Software\\Orbelle test " + std::to_string(std::random_device{}());
};
using Stores = ::testing::Types<RegistryKey>;
#else
class ExportFile {
 public:
  RegFileStore store() const { return RegFileStore(dir_ / "VKR/VKR.reg"); }

 private:
  TempDir dir_;
};
using Stores = ::testing::Types<ExportFile>;
#endif

template <typename Place>
struct PreferenceStores : ::testing::Test {
  Place place;
};
TYPED_TEST_SUITE(PreferenceStores, Stores);

TYPED_TEST(PreferenceStores, AMissingKeyIsCreatedAndAnyTextSurvivesWhateverTheCaseOfItsName) {
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
    auto store = this->place.store();
    EXPECT_FALSE(store.openKey());
    EXPECT_FALSE(store.writeNumber("n", 1)) << "no key held";
    ASSERT_TRUE(store.createKey());
    for (std::size_t i = 0; i < texts.size(); ++i) {
      ASSERT_TRUE(store.writeString(std::to_string(i) + "v", texts[i]));
    }
    ASSERT_TRUE(store.writeNumber("n", 0xDEADBEEF));
    ASSERT_TRUE(store.writeString("long", std::string(1024, 'y')));
    ASSERT_TRUE(store.writeString("port", "3"));
  }
  auto reopened = this->place.store();
  ASSERT_TRUE(reopened.openKey());
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(readStringValue(reopened, std::to_string(i) + "V"), texts[i]) << i;
  }
  EXPECT_EQ(readNumberValue(reopened, "N"), 0xDEADBEEF);
  // 1024 characters and their zero do not fit the 1024-byte read.
  EXPECT_EQ(reopened.query("LONG", PreferenceStore::kStringReadLimit).status, ReadStatus::TooLong);
  EXPECT_EQ(readStringValue(reopened, "long"), std::nullopt);
  // The stored type is not examined: "3" and its zero read as the number 0x33.
  EXPECT_EQ(readNumberValue(reopened, "Port"), 0x33U);
  EXPECT_EQ(readNumberValue(reopened, "missing"), std::nullopt);
}

}  // namespace
}  // namespace orbelle::testing
