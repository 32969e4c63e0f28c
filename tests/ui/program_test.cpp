// SPDX-License-Identifier: GPL-3.0-or-later
// The program's arguments and its answers on the terminal.

#include <gtest/gtest.h>
#include <stdio.h>

#include <string>

#include "base/program_licence.h"
#include "ui/program_arguments.h"

namespace {

using Action = kelvane::ui::ProgramArguments::Action;

TEST(ProgramArguments, AreADefListADefToViewOrAnAnswer) {
  const struct {
    std::vector<std::string> arguments;
    Action action;
    const char* defList;
    const char* viewDef;
  } cases[] = {
      {{}, Action::OpenWindow, nullptr, ""},
      {{"walk.h3l"}, Action::OpenWindow, "walk.h3l", ""},
      {{"--", "-odd.h3l"}, Action::OpenWindow, "-odd.h3l", ""},
      {{"--view", "walk.def"}, Action::OpenViewer, nullptr, "walk.def"},
      {{"--view", "--help"}, Action::OpenViewer, nullptr, "--help"},
      {{"--help"}, Action::ShowHelp, nullptr, ""},
      {{"a.h3l", "-v"}, Action::ShowVersion, nullptr, ""},
      {{"--frobnicate"}, Action::Refuse, nullptr, ""},
      {{"a.h3l", "b.h3l"}, Action::Refuse, nullptr, ""},
      {{"--view"}, Action::Refuse, nullptr, ""},
      {{"--view", "a.def", "--view", "b.def"}, Action::Refuse, nullptr, ""},
      {{"--view", "a.def", "b.h3l"}, Action::Refuse, nullptr, ""},
  };
  for (const auto& c : cases) {
    const auto parsed = kelvane::ui::ParseProgramArguments(c.arguments);
    EXPECT_EQ(parsed.action, c.action) << c.arguments.size();
    EXPECT_EQ(parsed.defList.value_or(""), c.defList == nullptr ? "" : c.defList);
    EXPECT_EQ(parsed.viewDef, c.viewDef);
  }
}

std::string Output(const std::string& arguments) {
  const std::string command =
      std::string("QT_QPA_PLATFORM=offscreen '") + KELVANE_UI_PATH + "' " + arguments;
  FILE* pipe = ::popen(command.c_str(), "r");
  std::string out;
  char buffer[256];
  while (pipe != nullptr && std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
    out += buffer;
  }
  if (pipe != nullptr) {
    ::pclose(pipe);
  }
  return out;
}

TEST(ProgramArguments, HelpAndVersionAnswerOnStandardOutput) {
  EXPECT_EQ(Output("--version"), std::string("kelvane 8.5\n") + kelvane::kLicenceLines);
  EXPECT_EQ(Output("--help").rfind("Usage: kelvane [LIST.h3l]\n", 0), 0u);
}

}  // namespace
