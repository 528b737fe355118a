#include "Output.h"

#include <iostream>

namespace orbelle::cli {

namespace {

// Paths may hold bytes that are not UTF-8; they must not stop the output.
std::string dumpJson(const nlohmann::json& value) {
  return value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace

void Output::result(const nlohmann::json& value, const std::string& text) const {
  if (json_) {
    std::cout << dumpJson(value) << '\n' << std::flush;
  } else {
    std::cout << text << std::flush;
  }
}

void Output::error(int exitCode, const std::string& message) const {
  if (json_) {
    std::cout << dumpJson({{"error", message}, {"exit_code", exitCode}}) << '\n' << std::flush;
  } else {
    std::cerr << "vkr: " << message << '\n' << std::flush;
  }
}

void Output::note(const std::string& text) const {
  if (!json_) {
    std::cerr << text << '\n' << std::flush;
  }
}

}  // namespace orbelle::cli
