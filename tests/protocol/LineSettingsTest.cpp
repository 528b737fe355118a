#include <gtest/gtest.h>

#include "protocol/LineSettings.h"

namespace orbelle {
namespace {

TEST(LineSettings, ParsesSettingsStringsAndRejectsMalformedOnes) {
  EXPECT_EQ(parseLineSettings("19200,n,8,1"), (LineSettings{19200, 'n', 8, 1}));
  EXPECT_EQ(parseLineSettings("4800,E,7,2"), (LineSettings{4800, 'e', 7, 2}));
  for (const char* bad : {"", "9600", "9600,n,8", "9600,x,8,1", "9600,n,9,1", "9600,n,8,3",
                          "-1,n,8,1", "9600,nn,8,1", "9600,n,8,1,", "96oo,n,8,1"}) {
    EXPECT_FALSE(parseLineSettings(bad)) << bad;
  }
}

}  // namespace
}  // namespace orbelle
