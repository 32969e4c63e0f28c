// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/child_process.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testing_support {

namespace {

// Only async-signal-safe calls: the test process may have threads.
[[noreturn]] void BecomeProgram(char* const* argv, const ChildSetup& setup) {
  const auto nowhereIfEmpty = [](const std::string& path) {
    return path.empty() ? "/dev/null" : path.c_str();
  };
  const int out = setup.stdoutFd >= 0 ? setup.stdoutFd
                                      : ::open(nowhereIfEmpty(setup.stdoutPath),
                                               O_WRONLY | O_CREAT | O_TRUNC, 0644);
  const int err = ::open(nowhereIfEmpty(setup.stderrPath), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (out < 0 || err < 0 || ::dup2(out, STDOUT_FILENO) < 0 || ::dup2(err, STDERR_FILENO) < 0) {
    ::_exit(126);
  }
  if (setup.fileSizeLimit >= 0) {
    const rlimit limit{rlim_t(setup.fileSizeLimit), rlim_t(setup.fileSizeLimit)};
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ::execv(argv[0], argv);
  ::_exit(127);
}

}  // namespace

ProgramId StartProgram(const std::vector<std::string>& args, const ChildSetup& setup) {
  std::vector<char*> argv;
  for (const auto& arg : args) {
    argv.push_back(const_cast<char*>(arg.c_str()));
  }
  argv.push_back(nullptr);
  const pid_t pid = ::fork();
  if (pid == 0) {
    BecomeProgram(argv.data(), setup);
  }
  return pid;
}

int WaitForProgram(ProgramId program) {
  const auto pid = pid_t(program);
  int status = 0;
  if (::waitpid(pid, &status, 0) != pid) {
    return -1;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

bool IsSuperuser() {
  return ::geteuid() == 0;
}

bool FilesHavePermissionBits() {
  return true;
}

bool FileNamesTakeAnyBytes() {
  return true;
}

}  // namespace testing_support
