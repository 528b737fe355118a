#pragma once

#include <initializer_list>
#include <string_view>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "harness/Subprocess.h"

namespace orbelle::testing {

// Ends with `code`, saying each of `said` on standard error.
inline void expectExit(const ProcessResult& result, int code,
                       std::initializer_list<std::string_view> said) {
  EXPECT_EQ(result.exitCode, code) << result.err;
  for (const std::string_view text : said) {
    EXPECT_NE(result.err.find(text), std::string::npos) << text << " in " << result.err;
  }
}

// The JSON a successful run printed.
inline nlohmann::json parsed(const ProcessResult& result) {
  EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
  return nlohmann::json::parse(result.out);
}

}  // namespace orbelle::testing
