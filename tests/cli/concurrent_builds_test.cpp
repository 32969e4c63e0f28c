// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include "support/child_process.h"
#include "support/test_support.h"

namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;

testing_support::ProgramId StartCli(std::vector<std::string> arguments,
                                    const std::string& errPath = "") {
  arguments.insert(arguments.begin(), KELVANE_CLI_PATH);
  return testing_support::StartProgram(arguments, {"", errPath});
}

int Wait(testing_support::ProgramId program) {
  return testing_support::WaitForProgram(program);
}

// Eight builds of different lists to one output at once: whichever finishes
// last wins, and what stays is one whole DEF, with no partial file beside it.
TEST(ConcurrentBuilds, LeaveOneCompleteDef) {
  TempDir dir;
  TempDir logs;
  constexpr int kBuilds = 8;
  std::vector<std::vector<std::string>> lists(kBuilds);
  std::vector<std::vector<uint8_t>> alone;
  for (int i = 0; i < kBuilds; ++i) {
    lists[i] = {"build", "-q", "--type", "3"};
    for (int frame = 0; frame <= i; ++frame) {
      lists[i].push_back(dir.Bmp("f" + std::to_string(i) + "_" + std::to_string(frame) + ".bmp",
                                 testing_support::Tile32(i * 10 + frame)));
    }
    auto single = lists[i];
    single.insert(single.end(), {"-o", dir.File("alone.def")});
    ASSERT_EQ(Wait(StartCli(single, logs.File("err.txt"))), 0) << logs.Text("err.txt");
    alone.push_back(ReadBytes(dir.File("alone.def")));
  }
  std::vector<testing_support::ProgramId> running;
  for (size_t i = 0; i < lists.size(); ++i) {
    lists[i].insert(lists[i].end(), {"-o", dir.File("same.def")});
    running.push_back(StartCli(lists[i], logs.File("err" + std::to_string(i))));
  }
  for (size_t i = 0; i < running.size(); ++i) {
    EXPECT_EQ(Wait(running[i]), 0) << logs.Text("err" + std::to_string(i));
  }
  const auto result = ReadBytes(dir.File("same.def"));
  EXPECT_NE(std::find(alone.begin(), alone.end(), result), alone.end());
  const auto names = dir.Names();
  EXPECT_EQ(std::count_if(names.begin(), names.end(),
                          [](const std::string& name) { return name.back() == 't'; }),
            0);  // no ".part" left
  EXPECT_EQ(names.size(), 36u + 2);
}

}  // namespace
