// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/program_arguments.h"

#include <set>

namespace kelvane::ui {

namespace {

ProgramArguments Refused(std::string problem) {
  ProgramArguments refused;
  refused.action = ProgramArguments::Action::Refuse;
  refused.problem = std::move(problem);
  return refused;
}

// The options of QGuiApplication, QApplication and the X11 platform, without
// their dashes.
const std::set<std::string>& ToolkitOptionsWithValue() {
  static const std::set<std::string> options = {
      "platform",     "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
      "qwindowicon",  "qwindowtitle",       "session",       "style",  "stylesheet",
      "display",      "geometry",           "name",          "title",  "visual",
      "qmljsdebugger"};
  return options;
}

const std::set<std::string>& ToolkitFlags() {
  static const std::set<std::string> flags = {"reverse", "widgetcount", "nograb",
                                              "dograb",  "sync",        "testability"};
  return flags;
}

}  // namespace

std::vector<std::string> WithoutToolkitOptions(const std::vector<std::string>& arguments) {
  std::vector<std::string> kept;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--") {
      kept.insert(kept.end(), arguments.begin() + std::ptrdiff_t(i), arguments.end());
      break;
    }
    const size_t dashes = argument.rfind("--", 0) == 0 ? 2 : argument.rfind('-', 0) == 0 ? 1 : 0;
    const std::string option = argument.substr(dashes, argument.find('=') - dashes);
    if (dashes == 0 ||
        (!ToolkitFlags().count(option) && !ToolkitOptionsWithValue().count(option))) {
      kept.push_back(argument);
    } else if (ToolkitOptionsWithValue().count(option) && argument.find('=') == std::string::npos) {
      ++i;  // its value
    }
  }
  return kept;
}

ProgramArguments ParseProgramArguments(const std::vector<std::string>& arguments) {
  using Action = ProgramArguments::Action;
  ProgramArguments parsed;
  bool optionsEnded = false;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (!optionsEnded && (argument == "-h" || argument == "--help")) {
      return {Action::ShowHelp, std::nullopt, {}, {}};
    }
    if (!optionsEnded && (argument == "-v" || argument == "--version")) {
      return {Action::ShowVersion, std::nullopt, {}, {}};
    }
    if (!optionsEnded && argument == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && argument == "--view") {
      if (i + 1 == arguments.size()) {
        return Refused("--view needs a DEF file");
      }
      if (parsed.action == Action::OpenViewer) {
        return Refused("only one DEF can be viewed");
      }
      parsed.action = Action::OpenViewer;
      parsed.viewDef = arguments[++i];
    } else if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
      return Refused("unknown option " + argument);
    } else if (parsed.defList) {
      return Refused("only one DefList can be opened");
    } else {
      parsed.defList = argument;
    }
  }
  if (parsed.action == Action::OpenViewer && parsed.defList) {
    return Refused("--view opens a DEF alone, without a DefList");
  }
  return parsed;
}

}  // namespace kelvane::ui
