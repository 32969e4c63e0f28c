// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/build_command.h"

namespace testing_support {

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

// Runs the builder in this process, quiet so that a terminal shows no progress.
inline CliRun Build(std::vector<std::string> args) {
  args.push_back("-q");
  std::ostringstream out, err;
  const int status = kelvane::cli::RunBuild(args, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace testing_support
