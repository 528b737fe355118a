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

struct Spawned {
  int pid = -1;
  int in = -1;
  int out = -1;
  int err = -1;
};

namespace {

std::vector<std::string> environmentWith(const std::map<std::string, std::string>& extra) {
  std::vector<std::string> env;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry(*e);
    const std::string name = entry.substr(0, entry.find('='));
    if (extra.count(name) == 0) {
      env.push_back(entry);
    }
  }
  for (const auto& [name, value] : extra) {
    env.push_back(name + "=" + value);
  }
  return env;
}

std::vector<char*> pointers(std::vector<std::string>& strings) {
  std::vector<char*> result;
  for (std::string& s : strings) {
    result.push_back(s.data());
  }
  result.push_back(nullptr);
  return result;
}

// Starts a child whose standard streams are fresh pipes; `launch` gets the child's ends
// (input, output, error) and returns its process id, or -1.
template <typename Launch>
Spawned withPipes(const std::string& what, Launch launch) {
  int in[2];
  int out[2];
  int err[2];
  if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) {
    throw std::runtime_error("pipe failed");
  }
  const int childEnds[3] = {in[0], out[1], err[1]};
  const Spawned spawned{launch(childEnds), in[1], out[0], err[0]};
  for (const int fd : childEnds) {
    ::close(fd);
  }
  if (spawned.pid < 0) {
    for (const int fd : {spawned.in, spawned.out, spawned.err}) {
      ::close(fd);
    }
    throw std::runtime_error("cannot start " + what);
  }
  return spawned;
}

Spawned spawn(const std::string& program, const std::vector<std::string>& args,
              const std::map<std::string, std::string>& env) {
  return withPipes(program, [&](const int(&ends)[3]) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (int fd = 0; fd < 3; ++fd) {
      posix_spawn_file_actions_adddup2(&actions, ends[fd], fd);
    }
    std::vector<std::string> argv{program};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<std::string> envp = environmentWith(env);
    auto argvPointers = pointers(argv);
    auto envPointers = pointers(envp);
    int pid = -1;
    const int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argvPointers.data(),
                               envPointers.data());
    posix_spawn_file_actions_destroy(&actions);
    return rc == 0 ? pid : -1;
  });
}

bool readSome(int fd, std::string& into) {
  char buffer[4096];
  const ssize_t n = ::read(fd, buffer, sizeof buffer);
  if (n > 0) {
    into.append(buffer, static_cast<std::size_t>(n));
    return true;
  }
  return false;
}

int reap(int pid) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::map<std::string, std::string>& env,
                         std::chrono::milliseconds limit) {
  Spawned p = spawn(program, args, env);
  ::close(p.in);
  ProcessResult result;
  const auto deadline = std::chrono::steady_clock::now() + limit;
  bool outOpen = true;
  bool errOpen = true;
  while (outOpen || errOpen) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      result.timedOut = true;
      ::kill(p.pid, SIGKILL);
      break;
    }
    pollfd fds[2] = {{outOpen ? p.out : -1, POLLIN, 0}, {errOpen ? p.err : -1, POLLIN, 0}};
    if (::poll(fds, 2, static_cast<int>(left.count())) < 0 && errno != EINTR) {
      break;
    }
    if (fds[0].revents != 0) {
      outOpen = readSome(p.out, result.out);
    }
    if (fds[1].revents != 0) {
      errOpen = readSome(p.err, result.err);
    }
  }
  ::close(p.out);
  ::close(p.err);
  result.exitCode = reap(p.pid);
  return result;
}

BackgroundProcess::BackgroundProcess(const std::string& program,
                                     const std::vector<std::string>& args,
                                     const std::map<std::string, std::string>& env)
    : BackgroundProcess(spawn(program, args, env)) {}

BackgroundProcess::BackgroundProcess(const std::function<int()>& body)
    : BackgroundProcess(withPipes("a forked child", [&](const int (&ends)[3]) {
        const pid_t pid = ::fork();
        if (pid == 0) {
          for (int fd = 0; fd < 3; ++fd) {
            ::dup2(ends[fd], fd);
          }
          ::_exit(body());
        }
        return pid;
      })) {}

BackgroundProcess::BackgroundProcess(const Spawned& p) {
  pid_ = p.pid;
  stdinFd_ = p.in;
  stdoutFd_ = p.out;
  stderrFd_ = p.err;
  ::fcntl(stderrFd_, F_SETFL, O_NONBLOCK);
}

BackgroundProcess::~BackgroundProcess() { stop(); }

std::string BackgroundProcess::readLine(std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (true) {
    const std::size_t end = pendingOut_.find('\n');
    if (end != std::string::npos) {
      std::string line = pendingOut_.substr(0, end);
      pendingOut_.erase(0, end + 1);
      return line;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd fd{stdoutFd_, POLLIN, 0};
    if (::poll(&fd, 1, static_cast<int>(std::max<std::int64_t>(left.count(), 0))) <= 0 ||
        !readSome(stdoutFd_, pendingOut_)) {
      return {};
    }
  }
}

std::string BackgroundProcess::drainStderr() {
  while (stderrFd_ >= 0 && readSome(stderrFd_, err_)) {
  }
  return err_;
}

int BackgroundProcess::waitForExit(std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  int status = 0;
  while (::waitpid(pid_, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, &status, 0);
      status = -1;
      break;
    }
    pollfd fd{stdoutFd_, POLLIN, 0};
    if (::poll(&fd, 1, 10) > 0) {
      readSome(stdoutFd_, pendingOut_);
    }
  }
  while (readSome(stdoutFd_, pendingOut_)) {
  }
  drainStderr();
  for (int* fd : {&stdinFd_, &stdoutFd_, &stderrFd_}) {
    if (*fd >= 0) {
      ::close(*fd);
      *fd = -1;
    }
  }
  pid_ = -1;
  return status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool BackgroundProcess::waitForStderr(const std::string& text, std::size_t count,
                                      std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  const auto occurrences = [&] {
    std::size_t found = 0;
    for (std::size_t at = err_.find(text); at != std::string::npos; at = err_.find(text, at + 1)) {
      ++found;
    }
    return found;
  };
  while (occurrences() < count) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd fd{stderrFd_, POLLIN, 0};
    if (left.count() <= 0 || ::poll(&fd, 1, static_cast<int>(left.count())) <= 0) {
      return false;
    }
    drainStderr();
  }
  return true;
}

std::string BackgroundProcess::restOfStdout() { return std::exchange(pendingOut_, {}); }

int BackgroundProcess::stop() {
  if (pid_ < 0) {
    return -1;
  }
  ::close(stdinFd_);  // the program ends when its input closes
  stdinFd_ = -1;
  return waitForExit(std::chrono::seconds(5));
}

int BackgroundProcess::terminate() {
  if (pid_ < 0) {
    return -1;
  }
  ::kill(pid_, SIGTERM);
  return waitForExit(std::chrono::seconds(5));
}

}  // namespace orbelle::testing
