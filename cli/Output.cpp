#include "Output.h"

#include <iostream>

#include "HumanText.h"

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
    std::cout << humanText(text) << std::flush;
  }
}

void Output::error(int exitCode, const std::string& message, const nlohmann::json& details) const {
  if (json_) {
    nlohmann::json error = details.is_object() ? details : nlohmann::json::object();
    error["error"] = message;
    error["exit_code"] = exitCode;
    std::cout << dumpJson(error) << '\n' << std::flush;
  } else {
    std::cerr << "vkr: " << humanText(message) << '\n' << std::flush;
  }
}

void Output::note(const std::string& text) const {
  if (!json_) {
    std::cerr << humanText(text) << '\n' << std::flush;
  }
}

}  // namespace orbelle::cli
