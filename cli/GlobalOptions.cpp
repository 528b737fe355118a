#include "GlobalOptions.h"

#include <CLI/CLI.hpp>

namespace orbelle::cli {

void addGlobalOptions(CLI::App& app, GlobalOptions& options) {
  app.add_option("--link", options.link, "Link to use for this run: usb or rs232")
      ->check(CLI::IsMember({"usb", "rs232"}, CLI::ignore_case));
  app.add_option("--port", options.port, "COM port number for RS232 (1-4)")
      ->check(CLI::Range(1, 4));
  app.add_option("--baud", options.baud, "RS232 rate: 9600, 19200, 38400, 57600 or 115200")
      ->check(CLI::IsMember({9600, 19200, 38400, 57600, 115200}));
  app.add_option("--device", options.device,
                 "Serial device to use instead of the COM port mapping (implies rs232)");
  app.add_option("--timeout", options.timeoutSeconds, "Seconds to wait for a reply")
      ->check(CLI::Range(0.05, 3600.0));
  app.add_flag("--json", options.json,
               "Print one JSON object per result on standard output, errors included");
  app.add_flag("--trace", options.trace,
               "Print every frame sent (>) and received (<) as hex on standard error");
}

}  // namespace orbelle::cli
