#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <sys/wait.h>

extern char** environ;

namespace orbelle::sim::testing {

// A vkr-sim started by a test. Its standard input is a pipe that the test holds: closing
// it ends the simulator, so none outlives its test, even when the test fails early.
class SimProcess {
 public:
  explicit SimProcess(const std::vector<std::string>& args) {
    int in[2];
    int out[2];
    if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0) {
      throw std::runtime_error("pipe failed");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    std::vector<std::string> all{VKR_SIM_PATH};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& arg : all) {
      argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    const int failed = ::posix_spawn(&pid_, VKR_SIM_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(in[0]);
    ::close(out[1]);
    input_ = in[1];
    output_ = out[0];
    if (failed != 0) {
      pid_ = -1;
      throw std::runtime_error("cannot start " + std::string(VKR_SIM_PATH));
    }
  }

  ~SimProcess() { stop(); }
  SimProcess(const SimProcess&) = delete;
  SimProcess& operator=(const SimProcess&) = delete;

  // The next line of standard output, or nothing if none comes in time.
  std::optional<std::string> readLine(std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (true) {
      const auto newline = buffered_.find('\n');
      if (newline != std::string::npos) {
        std::string line = buffered_.substr(0, newline);
        buffered_.erase(0, newline + 1);
        return line;
      }
      if (!readMore(deadline)) {
        return std::nullopt;
      }
    }
  }

  // Closes standard input and waits for the exit; the exit status, or -1 if it had to be
  // killed. Further calls return the first result.
  int stop() { return finish(false); }
  // The same through SIGTERM.
  int terminate() { return finish(true); }

 private:
  bool readMore(std::chrono::steady_clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd wait{output_, POLLIN, 0};
    if (left.count() <= 0 || ::poll(&wait, 1, static_cast<int>(left.count())) <= 0) {
      return false;
    }
    char chunk[512];
    const ssize_t n = ::read(output_, chunk, sizeof chunk);
    if (n <= 0) {
      ended_ = true;
      return false;
    }
    buffered_.append(chunk, static_cast<std::size_t>(n));
    return true;
  }

  int finish(bool signal) {
    if (pid_ < 0) {
      return status_;
    }
    if (signal) {
      ::kill(pid_, SIGTERM);
    }
    if (input_ >= 0) {
      ::close(input_);
      input_ = -1;
    }
    // Its standard output ends when it exits; a simulator that hangs is killed.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (readMore(deadline)) {
    }
    const bool killed = !ended_;
    if (killed) {
      ::kill(pid_, SIGKILL);
    }
    ::waitpid(pid_, &status_, 0);
    ::close(output_);
    pid_ = -1;
    status_ = killed ? -1 : (WIFEXITED(status_) ? WEXITSTATUS(status_) : -1);
    return status_;
  }

  pid_t pid_ = -1;
  int input_ = -1;
  int output_ = -1;
  int status_ = -1;
  bool ended_ = false;
  std::string buffered_;
};

}  // namespace orbelle::sim::testing
