// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "support/cli_run.h"
#include "support/def_reader.h"
#include "support/test_support.h"

namespace kelvane::cli {
namespace {

using testing_support::Build;
using testing_support::GroupNumbersOf;
using testing_support::ReadDefFile;
using testing_support::TempDir;

class BuildCommandTest : public ::testing::Test {
 protected:
  std::string Frame(const std::string& name, int seed = 0) {
    return dir.Bmp(name, testing_support::Tile32(seed));
  }
  TempDir dir;
};

TEST_F(BuildCommandTest, BuildsATerrainDef) {
  const std::string out = dir.File("out.def");
  const auto run = Build(
      {"--type", "3", "-o", out, Frame("a.bmp"), Frame("b.bmp", 1), "/", Frame("c.bmp", 2), "/"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const auto def = ReadDefFile(out);
  EXPECT_EQ(def.type, 0x45);  // Terrain selects $45 by default
  EXPECT_EQ(def.groups.size(), 2u);
  EXPECT_EQ(def.frames.size(), 3u);
}

TEST_F(BuildCommandTest, FormatAndGroupOptionsReachTheDef) {
  const std::string out = dir.File("out.def");
  const std::string a = Frame("a.bmp");
  const auto run = Build({"--type", "1", "--format", "9", "--monster", "14", "--groups", "9,4",
                          "-o", out, a, "/", a, "/"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto def = ReadDefFile(out);
  EXPECT_EQ(def.type, 0x40);
  EXPECT_EQ(GroupNumbersOf(def), (std::vector<int32_t>{9, 4}));
}

TEST_F(BuildCommandTest, UsageErrorsExitWithTwo) {
  const std::string a = Frame("a.bmp");
  for (const auto& args : std::vector<std::vector<std::string>>{
           {},
           {"--type", "4", a},
           {"--type"},
           {"--format", "x", a},
           {"--monster", "15", a},
           {"--groups", "1,2,256", a},
           {"--groups", "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0", a},
           {"--check", "2", a},
           {"--check", "0", a},
           {"--fixed", "450", a},
           {"--frobnicate", a},
       }) {
    const auto run = Build(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("Try 'kelvane-cli build --help'"), std::string::npos);
  }
}

TEST_F(BuildCommandTest, FailuresExitWithOneAndTheMessage) {
  const std::string out = dir.File("out.def");
  const auto run = Build({"-o", out, "--type", "3", dir.File("missing.bmp")});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "kelvane-cli: File not found (" + dir.File("missing.bmp") + ")\n");
  EXPECT_FALSE(testing_support::FileExists(out));

  const auto fixed = Build({"-o", out, "--type", "3", "--fixed", "axb", Frame("a.bmp")});
  EXPECT_EQ(fixed.status, 2);  // checked before anything is read
  EXPECT_EQ(fixed.err,
            "kelvane-cli: --fixed: 'a' is not a valid integer value\n"
            "Try 'kelvane-cli build --help'.\n");
}

TEST_F(BuildCommandTest, PaletteDifferenceNeedsYes) {
  auto odd = testing_support::Tile32(1);
  odd.palette.fill(0);
  const std::string out = dir.File("out.def");
  const std::vector<std::string> args = {"--type",       "3", "--check-palette",    "-o", out,
                                         Frame("a.bmp"), "/", dir.Bmp("b.bmp", odd)};
  const auto refused = Build(args);
  EXPECT_EQ(refused.status, 3);
  EXPECT_EQ(refused.err, "Atantion!: Wrong palette in 3 Frame (" + dir.File("b.bmp") +
                             ")\n"
                             "!Atantion: Do you wnat continue? Cancel (no --yes)\n");
  EXPECT_FALSE(testing_support::FileExists(out));

  auto withYes = args;
  withYes.push_back("--yes");
  EXPECT_EQ(Build(withYes).status, 0);
  EXPECT_TRUE(testing_support::FileExists(out));
}

TEST_F(BuildCommandTest, HelpExplainsEveryOption) {
  const auto run = Build({"--help"});
  EXPECT_EQ(run.status, 0);
  for (const char* option :
       {"-o PATH", "--type", "--format", "--monster", "--groups", "--shadow", "--outline",
        "--check P", "--fixed", "--x", "--y", "--mask", "--check-palette", "--yes", "-q",
        "--list DOC", "--list-type", "--save-list", "--no-build"}) {
    EXPECT_NE(run.out.find(option), std::string::npos) << option;
  }
}

}  // namespace
}  // namespace kelvane::cli

namespace kelvane::cli {
namespace {

TEST(MapObjectBuild, WarnsAboutWidthsOutsideWholeBlocks) {
  TempDir dir;
  const std::string out = dir.File("object.def");
  bmpgen::Bmp8 narrow(33, 4);
  narrow.At(5, 1) = 9;
  const std::string narrowPath = dir.Bmp("narrow.bmp", narrow);
  const std::string wide = dir.Bmp("wide.bmp", bmpgen::Bmp8(64, 4, 9));
  const auto run = Build({"--type", "2", "-o", out, narrowPath, wide, narrowPath});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "kelvane-cli: warning: \"" + narrowPath +
                         "\" is 33 pixels wide, not a multiple of 32: map object rows are "
                         "decoded in whole 32-pixel blocks\n");

  const auto fixed = Build({"--type", "2", "--fixed", "40x4", "-o", out, wide});
  EXPECT_EQ(fixed.status, 0);
  EXPECT_EQ(fixed.err,
            "kelvane-cli: warning: the fixed width is 40, not a multiple of 32: map object rows "
            "are decoded in whole 32-pixel blocks\n");

  const auto terrain = Build({"--type", "0", "-o", out, narrowPath});
  EXPECT_EQ(terrain.err.find("warning"), std::string::npos);
}

}  // namespace
}  // namespace kelvane::cli
