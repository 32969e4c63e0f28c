// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kelvane::cli {

// Exit statuses of the command-line builder; a build asked to stop exits with
// 128 and the signal's number (StopRequest::exitStatus).
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitPaletteRefused = 3;

// Where questions are answered, and which streams are terminals.
struct Console {
  std::istream* in = nullptr;  // answers; nullptr: nobody answers
  bool errIsTerminal = false;
  bool inIsTerminal = false;
  bool outIsProcessOutput = false;  // `out` is the process's standard output
};

// The process's own: standard input, and whether it and stderr are terminals.
Console ProcessConsole();

// `kelvane-cli build [options] ENTRY...`; `args` excludes "build" itself.
int RunBuild(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             const Console& console);
// With the process's console when `err` is std::cerr, else with no terminal.
int RunBuild(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

void PrintBuildHelp(std::ostream& out);
// "kelvane-cli 8.5".
void PrintVersion(std::ostream& out);

}  // namespace kelvane::cli
