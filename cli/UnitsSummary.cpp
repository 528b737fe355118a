#include "UnitsSummary.h"

#include <algorithm>
#include <cstdio>
#include <iostream>

#include <nlohmann/json.hpp>

#include "ExitCode.h"
#include "HumanText.h"
#include "TextColumns.h"

namespace orbelle::cli {

namespace {

// "exit %1" with the number in its place.
std::string withNumber(std::string text, int number) {
  const std::size_t at = text.find("%1");
  return at == std::string::npos ? text : text.replace(at, 2, std::to_string(number));
}

// The result column: what the exit status means, briefly, in the desktop's language.
std::string resultText(int exitCode) {
  switch (exitCode) {
    case kOk:
      return tableWord("done");
    case kFailed:
      return tableWord("failed (1)");
    case kBadUsage:
      return tableWord("refused (2)");
    case kLinkUnusable:
      return tableWord("link not usable (3)");
    case kNoReply:
      return tableWord("no reply (4)");
    case kUnsetUnit:
      return tableWord("never set (5)");
    case kImageProblem:
      return tableWord("image unusable (6)");
    case kInterrupted:
    case kTerminated:
      return withNumber(tableWord("interrupted (%1)"), exitCode);
    default:
      return withNumber(tableWord("exit %1"), exitCode);
  }
}

std::string seconds(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f s", value);
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
    // In the desktop's language, the columns kept in line by display width.
    std::vector<std::vector<std::string>> rows{
        {tableWord("unit"), tableWord("result"), tableWord("time")}};
    for (const UnitOutcome& unit : outcomes) {
      rows.push_back({unit.name, resultText(unit.exitCode), seconds(unit.seconds)});
    }
    std::cout << tableText(rows);
  }
  std::cout << std::flush;
  if (!failed.empty()) {
    std::string units;
    for (const std::string& unit : failed) {
      units += (units.empty() ? "" : " ") + unit;
    }
    std::cerr << "vkr: "
              << humanText(std::to_string(failed.size()) + " of " +
                           std::to_string(outcomes.size()) + " units failed: " + units)
              << '\n'
              << std::flush;
  }
}

}  // namespace orbelle::cli
