#pragma once

#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "harness/TempDir.h"

namespace orbelle::testing {

// The environment variables that the C++ files under `folders` read by name, whatever the call
// (getenv, qgetenv, qEnvironmentVariable...), except the tests' own seams (VKR_TEST_*) and
// those under `skipped`: what a program built from them must document.
inline std::set<std::string> environmentReads(const std::vector<std::filesystem::path>& folders,
                                              const std::vector<std::filesystem::path>& skipped) {
  static const std::regex read(R"((?:getenv|qEnvironmentVariable\w*)\(\s*"([A-Z][A-Z0-9_]*)\")");
  std::set<std::string> names;
  for (const std::filesystem::path& folder : folders) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
      const std::string path = entry.path().string();
      bool skip = !entry.is_regular_file();
      for (const std::filesystem::path& left : skipped) {
        skip = skip || path.rfind(left.string(), 0) == 0;
      }
      if (skip) {
        continue;
      }
      const std::string text = readFile(entry.path());
      for (std::sregex_iterator at(text.begin(), text.end(), read), end; at != end; ++at) {
        if ((*at)[1].str().rfind("VKR_TEST_", 0) != 0) {
          names.insert((*at)[1].str());
        }
      }
    }
  }
  return names;
}

}  // namespace orbelle::testing
