#include <iostream>
#include <string>
#include <vector>

#include "cli/build_command.h"
#include "cli/def_commands.h"

namespace {

void PrintUsage(std::ostream& out) {
  out << "Usage: kelvane-cli build [options] ENTRY...\n"
         "Run 'kelvane-cli build --help' for the options.\n";
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    PrintUsage(std::cerr);
    return kelvane::cli::kExitUsage;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    PrintUsage(std::cout);
    return kelvane::cli::kExitOk;
  }
  if (const auto run = kelvane::cli::DefCommand(args[0])) {
    return run({args.begin() + 1, args.end()}, std::cout, std::cerr);
  }
  if (args[0] != "build") {
    std::cerr << "kelvane-cli: unknown command '" << args[0] << "'\n";
    PrintUsage(std::cerr);
    return kelvane::cli::kExitUsage;
  }
  return kelvane::cli::RunBuild({args.begin() + 1, args.end()}, std::cout, std::cerr);
}
