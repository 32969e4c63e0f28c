// SPDX-License-Identifier: GPL-3.0-or-later
// SIGINT, SIGTERM and SIGHUP stop a build cleanly.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/child_process.h"
#include "support/test_support.h"

namespace kelvane::cli {
namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;

// A signal during a long build removes the temporary file and leaves the
// earlier output as it was.
TEST(PeopleSignalTest, StopSignalsLeaveNoPartFileAndTheEarlierOutput) {
  TempDir frames;
  bmpgen::Bmp8 big(450, 400);
  big.SetGreyPalette();
  for (int32_t y = 0; y < big.height; ++y) {
    for (int32_t x = 0; x < big.width; ++x) {
      big.At(x, y) = uint8_t(8 + (x * 7 + y * 3) % 240);
    }
  }
  const std::string frame = frames.Bmp("big.bmp", big);
  for (const auto& [signo, status] : {std::pair{SIGTERM, 143}, {SIGINT, 130}, {SIGHUP, 129}}) {
    TempDir dir;
    const std::string out = dir.File("out.def");
    testing_support::WriteBytes(out, {'e', 'a', 'r', 'l', 'i', 'e', 'r'});
    std::vector<std::string> args = {KELVANE_CLI_PATH, "build", "--shadow", "-o", out};
    args.insert(args.end(), 2000, frame);
    const pid_t pid = pid_t(testing_support::StartProgram(args, {"", frames.File("err.txt")}));
    ASSERT_GT(pid, 0);
    // The temporary file shows that the build is writing; then stop it.
    int child = 0;
    while (!testing_support::HasPartFile(dir.path()) && waitpid(pid, &child, WNOHANG) == 0) {
      usleep(1000);
    }
    ::kill(pid, signo);
    ASSERT_EQ(waitpid(pid, &child, 0), pid);
    ASSERT_TRUE(WIFEXITED(child)) << signo;
    EXPECT_EQ(WEXITSTATUS(child), status);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"out.def"});
    EXPECT_EQ(ReadBytes(out), (std::vector<uint8_t>{'e', 'a', 'r', 'l', 'i', 'e', 'r'}));
  }
}

}  // namespace
}  // namespace kelvane::cli
