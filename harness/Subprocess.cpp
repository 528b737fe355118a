#include "harness/Subprocess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <utility>

#include <sys/wait.h>

#include "harness/TempDir.h"

extern char** environ;

namespace orbelle::testing {

namespace {

std::vector<char*> pointers(std::vector<std::string>& strings) {
  std::vector<char*> result;
  for (std::string& s : strings) {
    result.push_back(s.data());
  }
  result.push_back(nullptr);
  return result;
}

}  // namespace

ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::map<std::string, std::string>& env,
                         std::chrono::milliseconds limit) {
  BackgroundProcess process(program, args, env);
  ProcessResult result;
  result.exitCode = process.stop(limit);
  result.timedOut = process.wasKilled();
  result.out = process.restOfStdout();
  result.err = process.drainStderr();
  return result;
}

BackgroundProcess::BackgroundProcess(const std::string& program,
                                     const std::vector<std::string>& args,
                                     const std::map<std::string, std::string>& env) {
  std::vector<std::string> argv{program};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<std::string> envp;
  for (char** e = environ; *e != nullptr; ++e) {
    if (env.count(std::string(*e).substr(0, std::string(*e).find('='))) == 0) {
      envp.emplace_back(*e);
    }
  }
  for (const auto& [name, value] : env) {
    envp.push_back(name + "=" + value);
  }
  // Built before the fork: the child of a threaded test may only call exec.
  auto argvPointers = pointers(argv);
  auto envPointers = pointers(envp);
  start([&] {
    ::execve(program.c_str(), argvPointers.data(), envPointers.data());
    return 127;
  });
}

BackgroundProcess::BackgroundProcess(const std::function<int()>& body) { start(body); }

void BackgroundProcess::start(const std::function<int()>& child) {
  int pipes[3][2];
  for (auto& ends : pipes) {
    if (::pipe2(ends, O_CLOEXEC) != 0) {
      throw std::runtime_error("pipe failed");
    }
  }
  pid_ = ::fork();
  if (pid_ == 0) {
    // A test run in the background of a shell has SIGINT ignored, and would pass that on.
    ::signal(SIGINT, SIG_DFL);
    ::signal(SIGTERM, SIG_DFL);
    ::dup2(pipes[0][0], 0);
    ::dup2(pipes[1][1], 1);
    ::dup2(pipes[2][1], 2);
    ::_exit(child());
  }
  for (int fd = 0; fd < 3; ++fd) {
    ::close(pipes[fd][fd == 0 ? 0 : 1]);
    fds_[fd] = pipes[fd][fd == 0 ? 1 : 0];
  }
  if (pid_ < 0) {
    stop();
    throw std::runtime_error("cannot start a child process");
  }
}

BackgroundProcess::~BackgroundProcess() { stop(); }

bool BackgroundProcess::pumpUntil(std::chrono::milliseconds limit,
                                  const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd fds[2] = {{fds_[1], POLLIN, 0}, {fds_[2], POLLIN, 0}};
    if ((fds_[1] < 0 && fds_[2] < 0) ||
        ::poll(fds, 2, static_cast<int>(std::max<std::int64_t>(left.count(), 0))) <= 0) {
      return false;
    }
    for (int i = 0; i < 2; ++i) {
      if (fds[i].revents == 0) {
        continue;
      }
      char buffer[4096];
      const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        (i == 0 ? out_ : err_).append(buffer, static_cast<std::size_t>(n));
      } else {
        ::close(std::exchange(fds_[i + 1], -1));
      }
    }
  }
  return true;
}

std::string BackgroundProcess::readLine(std::chrono::milliseconds limit) {
  if (!pumpUntil(limit, [&] { return out_.find('\n') != std::string::npos; })) {
    return {};
  }
  std::string line = out_.substr(0, out_.find('\n'));
  out_.erase(0, line.size() + 1);
  return line;
}

int BackgroundProcess::waitForExit(std::chrono::milliseconds limit) {
  if (pid_ < 0) {
    return -1;
  }
  if (!pumpUntil(limit, [&] { return fds_[1] < 0 && fds_[2] < 0; })) {
    ::kill(pid_, SIGKILL);
    killed_ = true;
  }
  int status = 0;
  while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
  }
  pid_ = -1;
  for (int& fd : fds_) {
    if (fd >= 0) {
      ::close(std::exchange(fd, -1));
    }
  }
  return !killed_ && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool BackgroundProcess::waitForStderr(const std::string& text, std::size_t count,
                                      std::chrono::milliseconds limit) {
  return pumpUntil(limit, [&] { return countOf(err_, text) >= count; });
}

std::string BackgroundProcess::drainStderr() {
  pumpUntil(std::chrono::milliseconds(0), [] { return false; });
  return err_;
}

std::string BackgroundProcess::restOfStdout() { return std::exchange(out_, {}); }

int BackgroundProcess::stop(std::chrono::milliseconds limit) {
  if (fds_[0] >= 0) {
    ::close(std::exchange(fds_[0], -1));  // the program ends when its input closes
  }
  return waitForExit(limit);
}

void BackgroundProcess::signal(int signal) {
  if (pid_ >= 0) {
    ::kill(pid_, signal);
  }
}

int BackgroundProcess::terminate() {
  if (pid_ >= 0) {
    ::kill(pid_, SIGTERM);
  }
  return waitForExit(std::chrono::seconds(5));
}

}  // namespace orbelle::testing
