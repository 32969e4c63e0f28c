// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kelvane::ui {

struct ProgramArguments {
  enum class Action { OpenWindow, OpenViewer, ShowHelp, ShowVersion, Refuse };
  Action action = Action::OpenWindow;
  std::optional<std::string> defList;  // a type 2 DefList to open at start
  std::string viewDef;                 // the DEF the viewer opens alone
  std::string problem;                 // why the arguments were refused
};

// kelvane [LIST.h3l] | --view FILE.def | --help | --version. Arguments Qt
// takes for itself (-platform, -style, ...) have been removed before.
ProgramArguments ParseProgramArguments(const std::vector<std::string>& arguments);

// The arguments without those Qt takes for itself (-platform NAME, -style=NAME,
// -reverse, ... with one dash or two), so that they can be read before Qt
// starts: an answer on the terminal needs no display.
std::vector<std::string> WithoutToolkitOptions(const std::vector<std::string>& arguments);

}  // namespace kelvane::ui
