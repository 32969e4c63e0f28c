#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kelvane::cli {

// Exit statuses of the command-line builder.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitPaletteRefused = 3;

// `kelvane-cli build [options] ENTRY...`; `args` excludes "build" itself.
int RunBuild(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

void PrintBuildHelp(std::ostream& out);

}  // namespace kelvane::cli
