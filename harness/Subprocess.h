#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace orbelle::testing {

struct ProcessResult {
  int exitCode = -1;  // -1 when killed or not started
  std::string out;
  std::string err;
  bool timedOut = false;
};

// Runs a program to its end with extra environment variables, standard input closed, and
// kills it when it overruns `limit`, so no test can hang or leave a process behind.
ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::map<std::string, std::string>& env = {},
                         std::chrono::milliseconds limit = std::chrono::seconds(30));

// A program that runs beside the test (a simulator): its standard input stays open and
// closing it (or the destructor) ends the program. SIGINT and SIGTERM take their default
// actions in it, as in a program started from a terminal, whatever the test inherited.
class BackgroundProcess {
 public:
  BackgroundProcess(const std::string& program, const std::vector<std::string>& args,
                    const std::map<std::string, std::string>& env = {});
  // A forked copy of the test running `body`, whose result is its exit code.
  explicit BackgroundProcess(const std::function<int()>& body);
  ~BackgroundProcess();
  BackgroundProcess(const BackgroundProcess&) = delete;
  BackgroundProcess& operator=(const BackgroundProcess&) = delete;

  // The next line of standard output, waiting at most `limit`; empty on time-out or end.
  std::string readLine(std::chrono::milliseconds limit = std::chrono::seconds(10));
  // Waits for the program to end by itself; its exit code, or -1 if it had to be killed.
  int waitForExit(std::chrono::milliseconds limit = std::chrono::seconds(10));
  // Everything written to standard output that readLine has not taken.
  std::string restOfStdout();
  // Waits until standard error holds `count` occurrences of `text`; false on time-out.
  bool waitForStderr(const std::string& text, std::size_t count,
                     std::chrono::milliseconds limit = std::chrono::seconds(5));
  // Everything written to standard error so far.
  std::string drainStderr();
  // Closes its input and waits for it to end (killing it after `limit`); its exit code.
  int stop(std::chrono::milliseconds limit = std::chrono::seconds(5));
  // Asks it to end with SIGTERM instead; its exit code.
  int terminate();
  // Sends it `signal` (SIGINT for a Ctrl-C) and returns at once.
  void signal(int signal);
  bool wasKilled() const { return killed_; }

 private:
  // Forks a child that runs `child` with the pipes as its standard streams.
  void start(const std::function<int()>& child);
  // Reads both output streams until `done` holds; false once `limit` passed or both closed.
  bool pumpUntil(std::chrono::milliseconds limit, const std::function<bool()>& done);

  int pid_ = -1;
  int fds_[3] = {-1, -1, -1};  // its input, output and error
  std::string out_;
  std::string err_;
  bool killed_ = false;
};

}  // namespace orbelle::testing
