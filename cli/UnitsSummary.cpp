#include "UnitsSummary.h"

#include <algorithm>
#include <cstdio>
#include <iostream>

#include <nlohmann/json.hpp>

#include "ExitCode.h"

namespace orbelle::cli {

namespace {

// The result column: what the exit status means, briefly.
std::string resultText(int exitCode) {
  switch (exitCode) {
    case kOk:
      return "done";
    case kFailed:
      return "failed (1)";
    case kBadUsage:
      return "refused (2)";
    case kLinkUnusable:
      return "link not usable (3)";
    case kNoReply:
      return "no reply (4)";
    case kUnsetUnit:
      return "never set (5)";
    case kImageProblem:
      return "image unusable (6)";
    case kInterrupted:
    case kTerminated:
      return "interrupted (" + std::to_string(exitCode) + ")";
    default:
      return "exit " + std::to_string(exitCode);
  }
}

std::string seconds(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f s", value);
  return text;
}

std::string padded(std::string text, std::size_t width) {
  text.resize(std::max(width, text.size()), ' ');
  return text;
}

}  // namespace

int worstExitCode(const std::vector<UnitOutcome>& outcomes) {
  int worst = kOk;
  for (const UnitOutcome& unit : outcomes) {
    if (unit.exitCode == kInterrupted || unit.exitCode == kTerminated) {
      return unit.exitCode;
    }
    worst = std::max(worst, unit.exitCode);
  }
  return worst;
}

void printUnitsSummary(bool json, const std::vector<UnitOutcome>& outcomes) {
  std::vector<std::string> failed;
  for (const UnitOutcome& unit : outcomes) {
    if (unit.exitCode != kOk) {
      failed.push_back(unit.name + " (" + std::to_string(unit.exitCode) + ")");
    }
  }
  if (json) {
    nlohmann::json units = nlohmann::json::array();
    for (const UnitOutcome& unit : outcomes) {
      units.push_back(
          {{"device", unit.name}, {"exit_code", unit.exitCode}, {"seconds", unit.seconds}});
    }
    // The one object about no single unit.
    std::cout << nlohmann::json{{"device", nullptr},
                                {"units", units},
                                {"exit_code", worstExitCode(outcomes)}}
                     .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace)
              << '\n';
  } else {
    std::size_t width = 4;
    for (const UnitOutcome& unit : outcomes) {
      width = std::max(width, unit.name.size());
    }
    std::cout << padded("unit", width + 2) << padded("result", 22) << "time\n";
    for (const UnitOutcome& unit : outcomes) {
      std::cout << padded(unit.name, width + 2) << padded(resultText(unit.exitCode), 22)
                << seconds(unit.seconds) << '\n';
    }
  }
  std::cout << std::flush;
  if (!failed.empty()) {
    std::cerr << "vkr: " << failed.size() << " of " << outcomes.size() << " units failed:";
    for (const std::string& unit : failed) {
      std::cerr << ' ' << unit;
    }
    std::cerr << '\n' << std::flush;
  }
}

}  // namespace orbelle::cli
