#include "support/Subprocess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <utility>

#include <sys/wait.h>

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

std::size_t occurrences(const std::string& in, const std::string& text) {
  std::size_t found = 0;
  for (std::size_t at = in.find(text); at != std::string::npos; at = in.find(text, at + 1)) {
    ++found;
  }
  return found;
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
  start([&](const int(&ends)[3]) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (int fd = 0; fd < 3; ++fd) {
      posix_spawn_file_actions_adddup2(&actions, ends[fd], fd);
    }
    std::vector<std::string> argv{program};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<std::string> envp;
    for (char** e = environ; *e != nullptr; ++e) {
      const std::string entry(*e);
      if (env.count(entry.substr(0, entry.find('='))) == 0) {
        envp.push_back(entry);
      }
    }
    for (const auto& [name, value] : env) {
      envp.push_back(name + "=" + value);
    }
    auto argvPointers = pointers(argv);
    auto envPointers = pointers(envp);
    int pid = -1;
    const int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argvPointers.data(),
                               envPointers.data());
    posix_spawn_file_actions_destroy(&actions);
    return rc == 0 ? pid : -1;
  });
}

BackgroundProcess::BackgroundProcess(const std::function<int()>& body) {
  start([&](const int(&ends)[3]) {
    const pid_t pid = ::fork();
    if (pid == 0) {
      for (int fd = 0; fd < 3; ++fd) {
        ::dup2(ends[fd], fd);
      }
      ::_exit(body());
    }
    return pid;
  });
}

void BackgroundProcess::start(const Launch& launch) {
  int in[2];
  int out[2];
  int err[2];
  if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) {
    throw std::runtime_error("pipe failed");
  }
  const int childEnds[3] = {in[0], out[1], err[1]};
  pid_ = launch(childEnds);
  for (const int fd : childEnds) {
    ::close(fd);
  }
  fds_[0] = in[1];
  fds_[1] = out[0];
  fds_[2] = err[0];
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
  return pumpUntil(limit, [&] { return occurrences(err_, text) >= count; });
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

int BackgroundProcess::terminate() {
  if (pid_ >= 0) {
    ::kill(pid_, SIGTERM);
  }
  return waitForExit(std::chrono::seconds(5));
}

}  // namespace orbelle::testing
