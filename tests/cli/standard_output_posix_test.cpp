// SPDX-License-Identifier: GPL-3.0-or-later
// What kelvane-cli does when its standard output cannot be written: a full
// disk is an error that it says; a reader that went away is not.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "hostile/hostile_files.h"
#include "support/child_process.h"
#include "support/test_support.h"

namespace {

using testing_support::TempDir;

std::string TextOf(const std::string& path) {
  const auto bytes = testing_support::ReadBytes(path);
  return {bytes.begin(), bytes.end()};
}

TEST(StandardOutput, AFullDiskIsAnErrorThatIsSaid) {
  TempDir work;
  const std::string frame = work.Bmp("a.bmp", testing_support::Tile32(1));
  const std::string def = work.File("a.def");
  const struct {
    std::vector<std::string> args;
  } cases[] = {
      {{"build", "--json", "--type", "3", "-o", def, frame}},
      {{"info", def, "--json"}},
      {{"--help"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[0]);
    std::vector<std::string> args{KELVANE_CLI_PATH};
    args.insert(args.end(), c.args.begin(), c.args.end());
    testing_support::ChildSetup setup;
    setup.stdoutPath = "/dev/full";
    setup.stderrPath = work.File("err.txt");
    EXPECT_EQ(testing_support::WaitForProgram(testing_support::StartProgram(args, setup)), 1);
    EXPECT_EQ(TextOf(work.File("err.txt")),
              "kelvane-cli: standard output could not be written: Disk full\n");
    EXPECT_TRUE(testing_support::FileExists(def));  // written before anything went to stdout
  }
}

// The reader of the pipe is gone before info writes far more than a pipe holds.
TEST(StandardOutput, AReaderThatGoesAwayEndsTheOutputQuietly) {
  TempDir work;
  const std::string def = work.File("many.def");
  ASSERT_TRUE(hostile::WriteFile(def, hostile::SharedFrameDef(5000, 1)));
  int pipe[2];
  ASSERT_EQ(::pipe2(pipe, O_CLOEXEC), 0);
  ::close(pipe[0]);
  testing_support::ChildSetup setup;
  setup.stdoutFd = pipe[1];
  setup.stderrPath = work.File("err.txt");
  const pid_t child = testing_support::StartProgram({KELVANE_CLI_PATH, "info", def}, setup);
  ::close(pipe[1]);
  EXPECT_EQ(testing_support::WaitForProgram(child), 0);
  EXPECT_EQ(TextOf(work.File("err.txt")), "");
}

}  // namespace
