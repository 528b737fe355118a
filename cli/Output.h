#pragma once

#include <ostream>
#include <string>

#include <nlohmann/json.hpp>

namespace orbelle::cli {

// Where results and errors go. With --json standard output carries only JSON, errors
// included, in English; otherwise results go to standard output and errors to standard error,
// in the desktop's language.
class Output {
 public:
  explicit Output(bool json);
  // One unit's output among several: its own streams, and with JSON the unit named in every
  // object (`device`), when a name is given.
  Output(bool json, std::ostream& out, std::ostream& err, std::string device);

  bool json() const { return json_; }
  void result(const nlohmann::json& value, const std::string& text) const;
  // `details` (an object) joins the message in the JSON.
  void error(int exitCode, const std::string& message,
             const nlohmann::json& details = nlohmann::json()) const;
  // Progress and notes for a person; suppressed in JSON mode.
  void note(const std::string& text) const;

 private:
  nlohmann::json named(nlohmann::json value) const;

  bool json_;
  std::ostream* out_;
  std::ostream* err_;
  std::string device_;
};

}  // namespace orbelle::cli
