// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>
#include <string>
#include <vector>

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
         "  extract    its frames as BMPs and a DefList: FILE.def DIR [--force]\n"
         "  sheet      a contact sheet of its groups: FILE.def OUT.png\n"
         "  convert    the 8-bit BMPs a build would encode: [--palette FILE] [--dither]\n"
         "             [--force] -o DIR FRAME...\n"
         "  palette    the palette a build would give the DEF: OUT.pal FRAME...\n"
         "  help       this text\n"
         "\n"
         "Options: --version prints the version; -h, --help this text.\n"
         "Run 'kelvane-cli build --help' for the options of build.\n";
}

}  // namespace

int main(int argc, char** argv) {
  using namespace kelvane::cli;
  const std::vector<std::string> args = kelvane::ProgramArguments(argc, argv);
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
    err << "kelvane-cli: unknown command '" << args[0] << "'\n";
    PrintUsage(err);
    return kExitUsage;
  }
  return RunBuild({args.begin() + 1, args.end()}, std::cout, std::cerr);
}
