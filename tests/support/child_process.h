// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

// Where a started program's output goes ("" for nowhere), and the limit it
// runs under (where the system has one).
struct ChildSetup {
  std::string stdoutPath;
  std::string stderrPath;
  long fileSizeLimit = -1;  // bytes; -1: none
  int stdoutFd = -1;        // when set, standard output is this descriptor, not stdoutPath
};

// A started program: its process id on POSIX, its process handle on Windows.
using ProgramId = intptr_t;

// Starts `args[0]` with `args` (no shell); -1 when it could not start.
ProgramId StartProgram(const std::vector<std::string>& args, const ChildSetup& setup = {});

// Waits for the program: its exit status, or 128 + the signal that ended it.
int WaitForProgram(ProgramId program);

// True when `folder` holds a temporary ".part" file.
bool HasPartFile(const std::string& folder);

// The test process's system: whether it runs with every file's permissions,
// and whether files keep POSIX permission bits.
bool IsSuperuser();
bool FilesHavePermissionBits();
// Whether a file name may hold any byte but '/' and NUL (control bytes, bytes
// that are not UTF-8), as on POSIX systems.
bool FileNamesTakeAnyBytes();

}  // namespace testing_support
