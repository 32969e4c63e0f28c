// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace testing_support {

// Where a started program's output goes, and the limit it runs under.
struct ChildSetup {
  std::string stdoutPath = "/dev/null";
  std::string stderrPath = "/dev/null";
  long fileSizeLimit = -1;  // bytes; -1: none
  int stdoutFd = -1;        // when set, standard output is this descriptor, not stdoutPath
};

// Starts `args[0]` with `args` (no shell); -1 when it could not start.
pid_t StartProgram(const std::vector<std::string>& args, const ChildSetup& setup = {});

// Waits for `pid`: its exit status, or 128 + the signal that ended it.
int WaitForProgram(pid_t pid);

// True when `folder` holds a temporary ".part" file.
bool HasPartFile(const std::string& folder);

}  // namespace testing_support
