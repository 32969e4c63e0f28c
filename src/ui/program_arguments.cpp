#include "ui/program_arguments.h"

namespace kelvane::ui {

ProgramArguments ParseProgramArguments(const std::vector<std::string>& arguments) {
  using Action = ProgramArguments::Action;
  ProgramArguments parsed;
  bool optionsEnded = false;
  for (const std::string& argument : arguments) {
    if (!optionsEnded && (argument == "-h" || argument == "--help")) {
      return {Action::ShowHelp, std::nullopt, {}};
    }
    if (!optionsEnded && (argument == "-v" || argument == "--version")) {
      return {Action::ShowVersion, std::nullopt, {}};
    }
    if (!optionsEnded && argument == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
      return {Action::Refuse, std::nullopt, "unknown option " + argument};
    } else if (parsed.defList) {
      return {Action::Refuse, std::nullopt, "only one DefList can be opened"};
    } else {
      parsed.defList = argument;
    }
  }
  return parsed;
}

}  // namespace kelvane::ui
