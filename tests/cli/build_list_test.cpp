// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>

#include "base/path_parts.h"
#include "support/cli_run.h"
#include "support/def_reader.h"
#include "support/test_support.h"

namespace kelvane::cli {
namespace {

using testing_support::Build;
using testing_support::FileExists;
using testing_support::ReadBytes;
using testing_support::ReadDefFile;
using testing_support::TempDir;
using testing_support::Tile32;

void WriteText(const std::string& path, const std::string& text) {
  testing_support::WriteBytes(path, {text.begin(), text.end()});
}

std::string ReadText(const std::string& path) {
  const auto bytes = ReadBytes(path);
  return {bytes.begin(), bytes.end()};
}

// A type 2 header; `lines` replaces lines by number (1-based).
std::string Header(const std::map<int, std::string>& lines) {
  std::vector<std::string> header = {"0", "2",  "Temp.def", "FALSE", "FALSE", "FALSE", "0",   "0",
                                     "",  "-1", "FALSE",    "FALSE", "FALSE", "Auto",  "Auto"};
  for (const auto& [line, text] : lines) {
    header[size_t(line - 1)] = text;
  }
  std::string text;
  for (const auto& line : header) {
    text += line + "\r\n";
  }
  return text;
}

class BuildListTest : public ::testing::Test {
 protected:
  BuildListTest() {
    for (int i = 0; i < 3; ++i) {
      frames.push_back(dir.Bmp("walk0" + std::to_string(i) + ".bmp", Tile32(i)));
    }
  }
  TempDir dir;
  std::vector<std::string> frames;
};

TEST_F(BuildListTest, ADocumentBuildsTheDefItsSettingsGiveOnTheCommandLine) {
  WriteText(dir.File("doc.h3l"), Header({{1, "3"},
                                         {2, "5"},
                                         {3, "never.def"},
                                         {4, "TRUE"},
                                         {5, "TRUE"},
                                         {6, "TRUE"},
                                         {7, "40"},
                                         {8, "44"},
                                         {9, "Hero_A"},
                                         {10, "14"},
                                         {12, "TRUE"},
                                         {14, "2"}}) +
                                     "walk00.bmp\r\nwalk01.bmp  3+\r\nwalk02.bmp  9+\r\n");
  const auto fromList =
      Build({"--list", dir.File("doc.h3l"), "--check", "2", "-o", dir.File("list.def")});
  ASSERT_EQ(fromList.status, 0) << fromList.err;
  EXPECT_FALSE(FileExists(dir.File("never.def")));
  const auto direct = Build({"--type",    "3",       "--format", "5",       "--shadow",
                             "--outline", "--fixed", "40x44",    "--mask",  "Hero_A",
                             "--monster", "14",      "--groups", "3,9",     "--x",
                             "2",         "--check", "2",        "-o",      dir.File("direct.def"),
                             frames[0],   frames[1], "/",        frames[2], "/"});
  ASSERT_EQ(direct.status, 0) << direct.err;
  EXPECT_EQ(ReadBytes(dir.File("list.def")), ReadBytes(dir.File("direct.def")));
  const auto def = ReadDefFile(dir.File("direct.def"));
  EXPECT_EQ(def.type, 0x44);
  EXPECT_EQ(def.height, 44);
  EXPECT_EQ(def.groups.at(0).number, 3);
}

TEST_F(BuildListTest, SavedListRebuildsTheSameDef) {
  const std::vector<std::string> settings = {"--type",  "3",     "--format",  "9",
                                             "--fixed", "40x36", "--groups",  "200,7",
                                             "--mask",  "Tile_", "--monster", "14"};
  auto save = settings;
  save.insert(save.end(), {"--save-list", dir.File("saved.h3l"), "--no-build", "-o",
                           dir.File("first.def"), frames[0], "/", "/", frames[1], frames[2]});
  ASSERT_EQ(Build(save).status, 0);
  EXPECT_FALSE(FileExists(dir.File("first.def")));
  // Paths under the document's folder are named from there.
  const auto name = [this](const std::string& path) { return path.substr(dir.path().size() + 1); };
  EXPECT_EQ(ReadText(dir.File("saved.h3l")), Header({{1, "3"},
                                                     {2, "9"},
                                                     {3, "first.def"},
                                                     {6, "TRUE"},
                                                     {7, "40"},
                                                     {8, "36"},
                                                     {9, "Tile_"},
                                                     {10, "14"}}) +
                                                 name(frames[0]) + "  200+\r\n  7+\r\n" +
                                                 name(frames[1]) + "\r\n" + name(frames[2]) +
                                                 "\r\n");

  // Without -o the DEF goes to the output name the document holds.
  const auto rebuilt = Build({"--list", dir.File("saved.h3l")});
  ASSERT_EQ(rebuilt.status, 0) << rebuilt.err;
  auto direct = settings;
  direct.insert(direct.end(),
                {"-o", dir.File("direct.def"), frames[0], "/", "/", frames[1], frames[2]});
  ASSERT_EQ(Build(direct).status, 0);
  EXPECT_EQ(ReadBytes(dir.File("first.def")), ReadBytes(dir.File("direct.def")));
  const auto def = ReadDefFile(dir.File("first.def"));
  EXPECT_EQ(def.type, 0x40);
  EXPECT_EQ(def.width, 40);
  EXPECT_EQ(def.groups.at(0).number, 200);
}

TEST_F(BuildListTest, CommandLineOptionsOverrideTheDocument) {
  WriteText(dir.File("doc.h3l"), Header({{1, "3"}, {2, "4"}}) + "walk00.bmp  0+\r\n");
  ASSERT_EQ(Build({"--list", dir.File("doc.h3l"), "--format", "9", "-o", dir.File("a.def")}).status,
            0);
  EXPECT_EQ(ReadDefFile(dir.File("a.def")).type, 0x40);
  // A Type given alone brings its own Formats, as choosing it in the window does.
  ASSERT_EQ(Build({"--list", dir.File("doc.h3l"), "--type", "1", "-o", dir.File("b.def")}).status,
            0);
  EXPECT_EQ(ReadDefFile(dir.File("b.def")).type, 0x45);
  ASSERT_EQ(Build({"--list", dir.File("doc.h3l"), "--groups", "5", "-o", dir.File("c.def")}).status,
            0);
  EXPECT_EQ(ReadDefFile(dir.File("c.def")).groups.at(0).number, 5);
}

TEST_F(BuildListTest, PathsInADocumentAreTakenFromItsFolder) {
  dir.Folder("lists");
  WriteText(dir.File("lists/doc.h3l"), Header({{1, "3"}, {3, "out/terrain.def"}}) +
                                           "../walk00.bmp\r\n" + frames[1] + "  0+\r\n");
  dir.Folder("lists/out");
  const auto run = Build({"--list", dir.File("lists/doc.h3l")});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadDefFile(dir.File("lists/out/terrain.def")).groups.at(0).names.size(), 2u);

  WriteText(dir.File("lists/win.h3l"), Header({{3, "C:\\out\\x.def"}}) + frames[0] + "\r\n");
  const auto windows = Build({"--list", dir.File("lists/win.h3l")});
  EXPECT_EQ(windows.status, 1);
  // Where '\\' parts paths, the name is one of this system, and absolute: a
  // document's output stays in the document's folder.
  EXPECT_NE(windows.err.find(IsPathSeparator('\\') ? "\"C:\\out\\x.def\" is an absolute path"
                                                   : "is not a path on this system; give -o"),
            std::string::npos)
      << windows.err;
}

TEST_F(BuildListTest, ListTypes) {
  WriteText(dir.File("one.h3l"), "walk00.bmp\r\nwalk01.bmp  4+\r\n");
  const auto asOne = Build({"--list", dir.File("one.h3l"), "--list-type", "1", "--type", "3", "-o",
                            dir.File("one.def")});
  ASSERT_EQ(asOne.status, 0) << asOne.err;
  EXPECT_EQ(ReadDefFile(dir.File("one.def")).groups.at(0).number, 4);

  const auto asTwo = Build({"--list", dir.File("one.h3l"), "-o", dir.File("two.def")});
  EXPECT_EQ(asTwo.status, 1);
  EXPECT_EQ(
      asTwo.err.rfind("kelvane-cli: Invalid numeric input (" + dir.File("one.h3l") + ")\n", 0),
      0u);  // then a hint
  EXPECT_FALSE(FileExists(dir.File("two.def")));
}

TEST_F(BuildListTest, UsageErrors) {
  WriteText(dir.File("doc.h3l"), Header({}) + "walk00.bmp\r\n");
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"--list", dir.File("doc.h3l"), "/"},
           {"--list-type", "1", frames[0]},
           {"--list", dir.File("doc.h3l"), "--list-type", "3"},
           {"--no-build", frames[0]},
           {"--list", dir.File("doc.h3l"), "--check", "2"},
           {"--save-list"},
       }) {
    EXPECT_EQ(Build(args).status, 2) << args[0];
  }
}

TEST(BundledExampleTest, BuildsLikeItsFramesOnTheCommandLine) {
  TempDir dir;
  const std::string examples = std::string(KELVANE_SOURCE_DIR) + "/examples/";
  const auto fromList = Build({"--list", examples + "terrain.h3l", "-o", dir.File("list.def")});
  ASSERT_EQ(fromList.status, 0) << fromList.err;
  const std::string t = examples + "terrain/";
  ASSERT_EQ(Build({"--type", "3", "-o", dir.File("direct.def"), t + "grass00.bmp",
                   t + "grass01.bmp", "/", t + "grass02.bmp", t + "grass03.bmp", "/"})
                .status,
            0);
  EXPECT_EQ(ReadBytes(dir.File("list.def")), ReadBytes(dir.File("direct.def")));
}

}  // namespace
}  // namespace kelvane::cli
