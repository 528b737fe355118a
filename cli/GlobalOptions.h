#pragma once

#include <optional>
#include <string>

namespace CLI {
class App;
}

namespace orbelle::cli {

// Options every command takes. Link options override the stored preferences for this run
// only; nothing here is written to the store.
struct GlobalOptions {
  std::optional<std::string> link;  // "usb" or "rs232"
  std::optional<int> port;          // COM number 1..4
  std::optional<int> baud;          // preferred rate
  std::optional<std::string> device;
  double timeoutSeconds = 3.0;
  bool json = false;
  bool trace = false;
};

void addGlobalOptions(CLI::App& app, GlobalOptions& options);

}  // namespace orbelle::cli
