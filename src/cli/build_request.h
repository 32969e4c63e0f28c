#pragma once

#include <optional>
#include <string>
#include <vector>

#include "compiler/compile_options.h"
#include "framelist/group_numbers.h"

namespace kelvane::cli {

// What a `build` command line asks for.
struct BuildRequest {
  CompileOptions options;
  std::vector<std::string> entries;   // BMP paths and separators
  std::vector<int> checkedPositions;  // 1-based
  std::optional<GroupNumbers> groupNumbers;
  bool formatGiven = false;
  bool quiet = false;
  bool answerYes = false;
  bool help = false;
};

// Parses the arguments after "build"; returns an error text for a usage error.
std::optional<std::string> ParseBuildArguments(const std::vector<std::string>& args,
                                               BuildRequest& request);

// The Formats position that goes with a Type position by default.
int DefaultFormatsForType(int typePosition);

}  // namespace kelvane::cli
