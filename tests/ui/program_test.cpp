// SPDX-License-Identifier: GPL-3.0-or-later
// The program's arguments and its answers on the terminal.

#include <gtest/gtest.h>
#include <stdio.h>
#include <sys/wait.h>

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

TEST(ProgramArguments, QtsOwnOptionsAreLeftToQt) {
  const struct {
    std::vector<std::string> arguments;
    std::vector<std::string> kept;
  } cases[] = {
      {{"-platform", "xcb", "a.h3l"}, {"a.h3l"}},
      {{"--style=fusion", "-reverse", "--version"}, {"--version"}},
      {{"-display", ":1", "--frobnicate"}, {"--frobnicate"}},
      {{"--", "-platform"}, {"--", "-platform"}},
      {{"-v"}, {"-v"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(kelvane::ui::WithoutToolkitOptions(c.arguments), c.kept);
  }
}

// The program run without any display at all: an X11 platform and no server.
std::string Output(const std::string& arguments, int* status = nullptr) {
  const std::string command = std::string("env -u WAYLAND_DISPLAY DISPLAY= QT_QPA_PLATFORM=xcb '") +
                              KELVANE_UI_PATH + "' " + arguments + " 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  std::string out;
  char buffer[256];
  while (pipe != nullptr && std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
    out += buffer;
  }
  if (pipe != nullptr) {
    const int ended = ::pclose(pipe);
    if (status != nullptr) {
      *status = WIFEXITED(ended) ? WEXITSTATUS(ended) : -1;
    }
  }
  return out;
}

TEST(ProgramArguments, AnswersOnTheTerminalNeedNoDisplay) {
  int status = -1;
  EXPECT_EQ(Output("--version -platform xcb", &status),
            std::string("kelvane 8.5\n") + kelvane::kLicenceLines);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(Output("--help").rfind("Usage: kelvane [LIST.h3l]\n", 0), 0u);
  EXPECT_EQ(Output("--frobnicate", &status),
            "kelvane: unknown option --frobnicate\nTry 'kelvane --help'.\n");
  EXPECT_EQ(status, 2);
}

}  // namespace
