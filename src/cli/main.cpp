// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>
#include <string>
#include <vector>

#include "base/standard_output.h"
#include "base/system_files.h"
#include "cli/build_command.h"
#include "cli/def_commands.h"
#include "cli/printable_text.h"

namespace {

void PrintUsage(std::ostream& out) {
  out << "Usage: kelvane-cli COMMAND [options]\n"
         "\n"
         "Commands:\n"
         "  build      build a DEF file from BMP or PNG frames or a DefList document\n"
         "  info       describe a DEF file: FILE.def [--json]\n"
         "  extract    its frames as BMPs and a DefList:\n"
         "             FILE.def DIR [--force] [--max-size SIZE]\n"
         "  sheet      a contact sheet of its groups: FILE.def OUT.png\n"
         "  convert    the 8-bit BMPs a build would encode: [--palette FILE] [--dither]\n"
         "             [--force] -o DIR FRAME...\n"
         "  palette    the palette a build would give the DEF: OUT.pal FRAME...\n"
         "  help       this text\n"
         "\n"
         "Options: --version prints the version; -h, --help this text.\n"
         "Run 'kelvane-cli build --help' for the options of build.\n"
         "\n"
         "Standard output: when it cannot be written (a full disk), the command says\n"
         "so and exits with status 1. When the program reading it stops reading\n"
         "(kelvane-cli info x.def | head), kelvane-cli stops writing without a\n"
         "message and exits with the status it had (a DEF is written by then).\n";
}

int RunCommand(const std::vector<std::string>& args) {
  using namespace kelvane::cli;
  if (args.empty()) {
    PrintUsage(std::cerr);
    return kExitUsage;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    PrintUsage(std::cout);
    return kExitOk;
  }
  if (args[0] == "--version") {
    PrintVersion(std::cout);
    return kExitOk;
  }
  if (const auto run = DefCommand(args[0])) {
    return run({args.begin() + 1, args.end()}, std::cout, std::cerr);
  }
  if (args[0] != "build") {
    PrintableStream err(std::cerr);
    err << "kelvane-cli: unknown command '" << OneLineText(args[0]) << "'\n";
    PrintUsage(err);
    return kExitUsage;
  }
  return RunBuild({args.begin() + 1, args.end()}, std::cout, std::cerr);
}

}  // namespace

// What standard output could not take is an error, except when its reader went
// away: what it wanted to read, it has read, and the work is done (a DEF is
// written before anything goes to standard output).
int main(int argc, char** argv) {
  kelvane::CheckedStandardOutput output;
  const int status = RunCommand(kelvane::ProgramArguments(argc, argv));
  const auto failure = output.Finish();
  if (!failure || failure->readerGone) {
    return status;
  }
  kelvane::cli::PrintableStream(std::cerr)
      << "kelvane-cli: standard output could not be written: " << failure->reason << "\n";
  return status == kelvane::cli::kExitOk ? kelvane::cli::kExitFailed : status;
}
