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

Output::Output(bool json) : json_(json), out_(&std::cout), err_(&std::cerr) {}

Output::Output(bool json, std::ostream& out, std::ostream& err, std::string device)
    : json_(json), out_(&out), err_(&err), device_(std::move(device)) {}

nlohmann::json Output::named(nlohmann::json value) const {
  if (!device_.empty() && value.is_object()) {
    value["device"] = device_;
  }
  return value;
}

void Output::result(const nlohmann::json& value, const std::string& text) const {
  if (json_) {
    *out_ << dumpJson(named(value)) << '\n' << std::flush;
  } else {
    *out_ << humanText(text) << std::flush;
  }
}

void Output::error(int exitCode, const std::string& message, const nlohmann::json& details) const {
  if (json_) {
    nlohmann::json error = details.is_object() ? details : nlohmann::json::object();
    error["error"] = message;
    error["exit_code"] = exitCode;
    *out_ << dumpJson(named(error)) << '\n' << std::flush;
  } else {
    *err_ << "vkr: " << humanText(message) << '\n' << std::flush;
  }
}

void Output::note(const std::string& text) const {
  if (!json_) {
    *err_ << humanText(text) << '\n' << std::flush;
  }
}

}  // namespace orbelle::cli
