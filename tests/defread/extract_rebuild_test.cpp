// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "base/path_parts.h"
#include "cli/build_command.h"
#include "cli/extract_command.h"
#include "cli/frame_file_names.h"
#include "cli/info_command.h"
#include "compiler/frame_naming.h"
#include "sampledefs/sample_defs.h"
#include "support/cli_run.h"
#include "support/test_support.h"

namespace kelvane::cli {
namespace {

using testing_support::ReadBytes;

struct CommandRun {
  int status = 0;
  std::string out;
  std::string err;
};

template <typename Command>
CommandRun RunCommand(Command command, const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = command(args, out, err);
  return {status, out.str(), err.str()};
}

TEST(ExtractRebuild, DriverBuiltDefsOfEveryTypeRebuildByteForByte) {
  testing_support::TempDir dir;
  int identical = 0;
  int plain = 0;
  int index = 0;
  for (const auto& sample : sampledefs::BuildSampleDefs(dir.path(), 7)) {
    SCOPED_TRACE(sample.label);
    const std::string folder = dir.File("out" + std::to_string(index++));
    const CommandRun extract = RunCommand(RunExtract, {sample.path, folder});
    ASSERT_EQ(extract.status, kExitOk) << extract.err;
    const CommandRun build = RunCommand(
        static_cast<int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&)>(
            RunBuild),
        {"--list", folder + "/sample.h3l"});
    ASSERT_EQ(build.status, kExitOk) << build.err;
    const bool same = ReadBytes(folder + "/sample.def") == ReadBytes(sample.path);
    EXPECT_EQ(same, extract.out.find(" there) rebuilds the DEF byte for byte") != std::string::npos)
        << extract.out;
    if (sample.plainDriverBuild) {
      ++plain;
      EXPECT_TRUE(same) << extract.out;
    }
    identical += same;
  }
  RecordProperty("identical", identical);
  EXPECT_EQ(plain, 48);
  EXPECT_GE(identical, plain);
}

TEST(ExtractRebuild, RefusesToOverwriteWithoutForce) {
  testing_support::TempDir dir;
  const auto samples = sampledefs::BuildSampleDefs(dir.path(), 3);
  const std::string folder = dir.File("out");
  ASSERT_EQ(RunCommand(RunExtract, {samples[0].path, folder}).status, kExitOk);
  testing_support::WriteBytes(folder + "/sample.h3l", {'x'});
  const CommandRun again = RunCommand(RunExtract, {samples[0].path, folder});
  EXPECT_EQ(again.status, kExitFailed);
  EXPECT_NE(again.err.find("exists; give --force"), std::string::npos) << again.err;
  EXPECT_EQ(ReadBytes(folder + "/sample.h3l"), std::vector<uint8_t>{'x'});
  EXPECT_EQ(RunCommand(RunExtract, {samples[0].path, folder, "--force"}).status, kExitOk);
  EXPECT_NE(ReadBytes(folder + "/sample.h3l"), std::vector<uint8_t>{'x'});

  // Beside the DEF itself, the list builds to another name.
  const std::string besideDef = SplitPath(samples[0].path).folder;
  const CommandRun beside = RunCommand(RunExtract, {samples[0].path, besideDef, "--force"});
  EXPECT_NE(beside.out.find("(writing sample-rebuilt.def there) rebuilds"), std::string::npos)
      << beside.out;
}

TEST(Info, ShowsTypeGroupsAndFillerBytesReadably) {
  testing_support::TempDir dir;
  const auto samples = sampledefs::BuildSampleDefs(dir.path(), 3);
  const CommandRun text = RunCommand(RunInfo, {samples[5].path});
  ASSERT_EQ(text.status, kExitOk) << text.err;
  EXPECT_NE(text.out.find("Type: $44 (Map object)\n"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("  2 \"\\xcd\\xcdfr_001.pcx\" format 1, full "), std::string::npos)
      << text.out;
  const CommandRun json = RunCommand(RunInfo, {samples[5].path, "--json"});
  EXPECT_NE(json.out.find("\"name\": \"\\\\xcd\\\\xcdfr_001.pcx\", \"nameBytes\": "
                          "\"cdcd66725f3030312e70637800\""),
            std::string::npos)
      << json.out;
  EXPECT_EQ(RunCommand(RunInfo, {dir.File("none.def")}).status, kExitFailed);
  const std::string program = std::string(KELVANE_CLI_PATH) + " info '" + samples[5].path + "'";
  EXPECT_EQ(std::system((program + " --json >/dev/null").c_str()), 0);
}

DefFrameName Name(const std::string& bytes) {
  DefFrameName name{};
  std::copy(bytes.begin(), bytes.end(), name.begin());
  return name;
}

TEST(ExtractNames, FileNamesGiveTheFrameNameBackOrAreSafeFallbacks) {
  struct Case {
    std::string name;
    int variant;
    std::optional<std::string> file;
    std::string fallback;
  } cases[] = {
      {"walk0001.pcx", 0, "walk0001.bmp", "walk0001.bmp"},
      {"walk0001.pcx", 1, "walk0001-2.bmp", "walk0001-2.bmp"},
      {"\xCD\xCD"
       "fr_001.pcx",
       0, "fr_001.bmp", "fr_001.bmp"},
      {"\xCD\xCD"
       "fr_001.pcx",
       1, std::nullopt, "fr_001-2.bmp"},
      {"a0.bmp.pcx", 0, "a0.bmp", "a0.bmp.bmp"},
      {"../x.pcx", 0, std::nullopt, "x.bmp"},
      {"a/b\x01.pcx", 0, std::nullopt, "ab.bmp"},
      {"noext", 0, std::nullopt, "noext.bmp"},
      {"", 0, std::nullopt, "frame.bmp"},
      {"con.pcx", 0, std::nullopt, "con_.bmp"},
      {"Nul.txt.pcx", 0, std::nullopt, "Nul_.txt.bmp"},
      {"lpt9.pcx", 0, std::nullopt, "lpt9_.bmp"},
      {"com10.pcx", 0, "com10", "com10.bmp"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FileNameGivingName(Name(c.name), c.variant), c.file);
    EXPECT_EQ(FallbackFileName(Name(c.name), c.variant), c.fallback);
    if (c.file) {
      EXPECT_EQ(MakeFrameName(*c.file, ""), Name(c.name));
    }
  }
}

// Names that differ only in letter case are one file name on Windows: the
// second is numbered, which keeps its frame name, so that a DEF extracts the
// same everywhere and still rebuilds byte for byte.
TEST(ExtractNames, NamesDifferingInCaseAloneGetNumbered) {
  testing_support::TempDir dir;
  dir.Folder("a");
  dir.Folder("b");
  const std::string upper = dir.Bmp("a/Walk0001.bmp", testing_support::Tile32(1));
  const std::string lower = dir.Bmp("b/walk0001.bmp", testing_support::Tile32(2));
  const std::string def = dir.File("walk.def");
  ASSERT_EQ(testing_support::Build({"--type", "3", "-o", def, upper, lower, "/"}).status, kExitOk);
  const CommandRun extract = RunCommand(RunExtract, {def, dir.File("out")});
  ASSERT_EQ(extract.status, kExitOk) << extract.err;
  EXPECT_NE(extract.out.find("rebuilds the DEF byte for byte"), std::string::npos) << extract.out;
  EXPECT_EQ(FileNameKey("Walk0001.BMP"), "walk0001.bmp");
  EXPECT_TRUE(testing_support::FileExists(dir.File("out/walk0001-2.bmp")));
  EXPECT_TRUE(testing_support::FileExists(dir.File("out/Walk0001.bmp")));
}

}  // namespace
}  // namespace kelvane::cli
