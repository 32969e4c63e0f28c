// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a command and prints the CPU time its process used (user + system, in
// microseconds, all its threads), the wall-clock time from start to end
// (microseconds) and its peak resident memory (KiB), read from wait4's usage
// record: finer than /usr/bin/time's hundredths of a second.
//   kelvane-bench-time COMMAND [ARGS...]
// Prints "CPU_US WALL_US MAXRSS_KIB STATUS" on stdout; the command's own
// output goes where this program's stderr goes.

#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>

namespace {

long long MonotonicMicroseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1000000LL + now.tv_nsec / 1000;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "Usage: kelvane-bench-time COMMAND [ARGS...]\n");
    return 2;
  }
  const long long started = MonotonicMicroseconds();
  const pid_t child = ::fork();
  if (child < 0) {
    std::perror("kelvane-bench-time: fork");
    return 1;
  }
  if (child == 0) {
    ::dup2(STDERR_FILENO, STDOUT_FILENO);
    ::execvp(argv[1], argv + 1);
    std::perror("kelvane-bench-time: exec");
    _exit(127);
  }
  int status = 0;
  struct rusage usage {};
  if (::wait4(child, &status, 0, &usage) != child) {
    std::perror("kelvane-bench-time: wait4");
    return 1;
  }
  const long long wall = MonotonicMicroseconds() - started;
  const long long cpu = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000LL +
                        usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
  const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  std::printf("%lld %lld %ld %d\n", cpu, wall, usage.ru_maxrss, code);
  return 0;
}
