#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "support/test_support.h"

namespace {

using testing_support::TempDir;

// Runs kelvane-cli through the shell; returns its exit status.
int RunCli(const std::string& arguments, const std::string& errFile) {
  const std::string command =
      std::string("'") + KELVANE_CLI_PATH + "' " + arguments + " >/dev/null 2>'" + errFile + "'";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Text(const std::string& path) {
  const auto bytes = testing_support::ReadBytes(path);
  return {bytes.begin(), bytes.end()};
}

TEST(KelvaneCli, BuildsTheBundledTerrainExample) {
  TempDir dir;
  const std::string t = std::string(KELVANE_SOURCE_DIR) + "/examples/terrain/";
  const std::string out = dir.File("terrain.def");
  const std::string err = dir.File("err.txt");
  EXPECT_EQ(RunCli("build --type 3 -o '" + out + "' '" + t + "grass00.bmp' '" + t +
                       "grass01.bmp' / '" + t + "grass02.bmp' '" + t + "grass03.bmp' /",
                   err),
            0);
  EXPECT_EQ(Text(err), "");  // no progress bar when stderr is not a terminal
  EXPECT_EQ(testing_support::ReadBytes(out).size(), 784u + 2 * 16 + 4 * 17 + 4 * 1056);
}

TEST(KelvaneCli, ReportsUsageAndFailures) {
  TempDir dir;
  const std::string err = dir.File("err.txt");
  EXPECT_EQ(RunCli("", err), 2);
  EXPECT_EQ(RunCli("compile a.bmp", err), 2);
  EXPECT_NE(Text(err).find("unknown command 'compile'"), std::string::npos);
  EXPECT_EQ(RunCli("--help", err), 0);
  EXPECT_EQ(RunCli("build -o '" + dir.File("x.def") + "' '" + dir.File("none.bmp") + "'", err), 1);
  EXPECT_EQ(Text(err), "kelvane-cli: File not found (" + dir.File("none.bmp") + ")\n");
}

}  // namespace
