// SPDX-License-Identifier: GPL-3.0-or-later
// The builder as a person meets it: every option checked before anything is
// read, a hint after a failure whose cause is plain, warnings for what will not
// happen, a summary of what was written.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "cli/build_command.h"
#include "support/test_support.h"

namespace kelvane::cli {
namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;

// The files every case starts with; "@NAME" in a case stands for the path of
// NAME in the case's folder.
void MakeInputs(const TempDir& dir) {
  dir.Bmp("a.bmp", testing_support::Tile32(0));
  dir.Bmp("b.bmp", testing_support::Tile32(1));
  dir.Bmp("grassland01.bmp", testing_support::Tile32(2));
  dir.Bmp("grassland02.bmp", testing_support::Tile32(3));
  bmpgen::Bmp8 odd = testing_support::Tile32(4);
  odd.palette.fill(0);
  dir.Bmp("odd.bmp", odd);
  std::filesystem::create_directory(std::filesystem::u8path(dir.File("folder")));
  testing_support::WriteBytes(dir.File("empty.h3l"), {});
  // A DefList written by hand, with LF line ends.
  const std::string lf =
      "3\n4\nout.def\nFALSE\nFALSE\nFALSE\n32\n32\n\n-1\nFALSE\nFALSE\nFALSE\nAuto\nAuto\n"
      "a.bmp\nb.bmp  0+\n";
  testing_support::WriteBytes(dir.File("lf.h3l"), {lf.begin(), lf.end()});
}

std::vector<std::string> Expand(const TempDir& dir, const std::vector<std::string>& args) {
  std::vector<std::string> expanded;
  for (const auto& arg : args) {
    expanded.push_back(arg.rfind('@', 0) == 0 ? dir.File(arg.substr(1)) : arg);
  }
  return expanded;
}

// In JSON ("{" first) the folder's backslashes are escaped.
std::string ExpandText(const TempDir& dir, std::string text) {
  std::string folder = dir.File("");
  if (!text.empty() && text[0] == '{') {
    for (size_t at = 0; (at = folder.find('\\', at)) != std::string::npos; at += 2) {
      folder.insert(at, 1, '\\');
    }
  }
  for (size_t at; (at = text.find('@')) != std::string::npos;) {
    text.replace(at, 1, folder);
  }
  return text;
}

struct Case {
  std::vector<std::string> args;
  int status;
  std::string err;           // found in stderr ("" for an empty stderr)
  std::string out;           // found in stdout
  std::string written;       // the file the build adds to the folder, if any
  std::string answers = {};  // typed at a terminal; none: no terminal
};

const Case kCases[] = {
    // Numbers are checked and named before anything is read, also when unused.
    {{"--x", "abc", "@a.bmp"}, 2, "kelvane-cli: --x: 'abc' is not a valid integer value\n", "", ""},
    {{"--y", "1.5", "@a.bmp"}, 2, "kelvane-cli: --y: '1.5' is not a valid integer value\n", "", ""},
    {{"--fixed", "10x", "@a.bmp"},
     2,
     "kelvane-cli: --fixed: '' is not a valid integer value\n",
     "",
     ""},
    {{"--fixed", "0x0", "@a.bmp"},
     2,
     "kelvane-cli: --fixed: Fixed Size must be at least 1 x 1",
     "",
     ""},
    {{"--type", "3", "--x", "abc", "@a.bmp"}, 2, "--x: 'abc' is not a valid integer value", "", ""},
    {{"--type", "x", "@a.bmp"}, 2, "--type: 'x' is not a valid integer value", "", ""},
    // The system's message stays; a hint follows where the cause is known.
    {{"-o", "@nodir/sub/out.def", "@a.bmp"},
     1,
     "kelvane-cli: Invalid filename (@nodir/sub/out.def)\n"
     "kelvane-cli: hint: the folder \"@nodir/sub/\" does not exist",
     "",
     ""},
    {{"-o", "@out.def", "@folder", "@a.bmp"},
     1,
     "kelvane-cli: File access denied (@folder)\nkelvane-cli: hint: \"@folder\" is a folder",
     "",
     ""},
    {{"-o", "@out.def", "/"},
     1,
     "kelvane-cli: List index out of bounds (1)\n"
     "kelvane-cli: hint: the list holds group separators (/) only",
     "",
     ""},
    {{"-o", "@out.def", "/", "/", "@a.bmp"},
     1,
     "kelvane-cli: File not found (/)\nkelvane-cli: hint: the list starts with a group separator",
     "",
     ""},
    {{"-o", "@out.def", "--list", "@a.bmp"},
     1,
     "kelvane-cli: Invalid numeric input (@a.bmp)\n"
     "kelvane-cli: hint: \"@a.bmp\" is a BMP frame, not a DefList",
     "",
     ""},
    {{"-o", "@out.def", "--list", "@empty.h3l"},
     1,
     "kelvane-cli: Invalid filename\nkelvane-cli: hint: \"@empty.h3l\" lists no frames",
     "",
     ""},
    // A DefList with LF line ends builds, into its own output name.
    {{"--list", "@lf.h3l"}, 0, "", "wrote @out.def: 2 frames in 1 group, 2,946 bytes\n", "out.def"},
    // The palette question: no terminal and no --yes is no; each line names the file.
    {{"-o", "@out.def", "--check-palette", "@a.bmp", "@odd.bmp"},
     3,
     "Atantion!: Wrong palette in 2 Frame (@odd.bmp)\n"
     "!Atantion: Do you wnat continue? Cancel (no --yes)\n",
     "",
     ""},
    {{"-o", "@out.def", "--check-palette", "@a.bmp", "@odd.bmp"},
     0,
     "!Atantion: Do you wnat continue? [y/N] ",
     "wrote",
     "out.def",
     "y\n"},
    {{"-o", "@out.def", "--check-palette", "@a.bmp", "@odd.bmp"},
     3,
     "!Atantion: Do you wnat continue? [y/N] ",
     "",
     "",
     "\n"},
    // Warnings, never a failure.
    {{"-q", "-o", "@out.def", "--type", "3", "--shadow", "--x", "2", "@a.bmp"},
     0,
     "kelvane-cli: warning: --shadow changes nothing with Type 3 (frame format 0)\n"
     "kelvane-cli: warning: --x changes nothing with Type 3 (frame format 0)\n",
     "",
     "out.def"},
    {{"-q", "-o", "@out.def", "--outline", "@a.bmp"},
     0,
     "warning: the outline is drawn on checked frames only, and none is checked",
     "",
     "out.def"},
    {{"-q", "-o", "@out.def", "--outline", "--check", "1,2", "@a.bmp", "/"},
     0,
     "kelvane-cli: warning: --check 2 is a group separator: check marks act on frames only\n",
     "",
     "out.def"},
    {{"-q", "-o", "@out.def", "@grassland01.bmp", "@grassland02.bmp"},
     0,
     "kelvane-cli: warning: \"@grassland01.bmp\" and \"@grassland02.bmp\" both get the frame name"
     " grasslan.pcx in the DEF\n",
     "",
     "out.def"},
    {{"-q", "-o", "@out.def", "--type", "3", "@a.bmp", "@./a.bmp", "@././a.bmp", "@./././a.bmp",
      "@././././a.bmp", "@./././././a.bmp", "@folder/../a.bmp", "@folder/../folder/../a.bmp"},
     0,
     "kelvane-cli: warning: 2 more frames get a name that another frame has (see --mask)\n",
     "",
     "out.def"},
    {{"--save-list", "@saved.h3l", "--no-build", "--check", "1", "@a.bmp"},
     0,
     "kelvane-cli: warning: a DefList keeps no check marks: \"@saved.h3l\" is saved without",
     "",
     "saved.h3l"},
    // What was written, for people and for scripts; -q silences the line.
    {{"-o", "@out.def", "--type", "3", "@a.bmp", "/", "@b.bmp"},
     0,
     "",
     "wrote @out.def: 2 frames in 2 groups, 2,962 bytes\n",
     "out.def"},
    {{"-q", "-o", "@out.def", "@a.bmp"}, 0, "", "", "out.def"},
    {{"--json", "-q", "-o", "@out.def", "--type", "3", "--mask", "Hero_AB", "@a.bmp", "/", "/",
      "@b.bmp"},
     0,
     "both get the frame name Hero_.pcx in the DEF\n",
     "{\"path\":\"@out.def\",\"bytes\":2978,\"groups\":[{\"number\":0,\"frames\":[{\"name\":"
     "\"\\u00cd\\u00cd\\u00cdHero_.pcx\",\"bmp\":\"@a.bmp\"}]},{\"number\":1,\"frames\":[]},"
     "{\"number\":2,\"frames\":[{\"name\":\"\\u00cd\\u00cd\\u00cdHero_.pcx\",\"bmp\":\"@b.bmp\"}]}]"
     "}\n",
     "out.def"},
};

class PeopleTest : public ::testing::TestWithParam<Case> {};

TEST_P(PeopleTest, StatusMessagesAndFiles) {
  const Case& c = GetParam();
  TempDir dir;
  MakeInputs(dir);
  auto before = dir.Names();
  std::istringstream typed(c.answers);
  Console console;
  if (!c.answers.empty()) {
    console = {&typed, true, true};
  }
  std::ostringstream out, err;
  EXPECT_EQ(RunBuild(Expand(dir, c.args), out, err, console), c.status) << err.str();
  if (c.err.empty()) {
    EXPECT_EQ(err.str(), "");
  } else {
    EXPECT_NE(err.str().find(ExpandText(dir, c.err)), std::string::npos) << err.str();
  }
  EXPECT_NE(out.str().find(ExpandText(dir, c.out)), std::string::npos) << out.str();
  if (!c.written.empty()) {
    before.push_back(c.written);
  }
  auto after = dir.Names();
  std::sort(before.begin(), before.end());
  std::sort(after.begin(), after.end());
  EXPECT_EQ(after, before);  // nothing else written, nothing left behind
}

INSTANTIATE_TEST_SUITE_P(IssueList, PeopleTest, ::testing::ValuesIn(kCases));

// --no-shadow and --no-fixed switch off what a document turned on.
TEST(PeopleOverrideTest, NoOptionsOverrideADocument) {
  TempDir dir;
  MakeInputs(dir);
  std::ostringstream out, err;
  const std::string doc = dir.File("doc.h3l");
  ASSERT_EQ(RunBuild({"--shadow", "--fixed", "40x40", "--save-list", doc, "--no-build",
                      dir.File("a.bmp")},
                     out, err),
            0);
  ASSERT_EQ(RunBuild({"-o", dir.File("plain.def"), "-q", dir.File("a.bmp")}, out, err), 0);
  ASSERT_EQ(RunBuild({"--list", doc, "--no-shadow", "--no-fixed", "-q", "-o", dir.File("doc.def")},
                     out, err),
            0);
  EXPECT_EQ(ReadBytes(dir.File("doc.def")), ReadBytes(dir.File("plain.def")));
}

// The bar counts frames and ends its line before a message.
TEST(PeopleProgressTest, BarCountsFramesAndEndsItsLine) {
  TempDir dir;
  MakeInputs(dir);
  std::ostringstream out, err;
  const Console terminal{nullptr, true, false};
  EXPECT_EQ(RunBuild({"-o", dir.File("out.def"), dir.File("a.bmp"), dir.File("missing.bmp")}, out,
                     err, terminal),
            1);
  const std::string shown = err.str();
  EXPECT_NE(shown.find("] 0/2 frames  a.bmp"), std::string::npos) << shown;
  EXPECT_NE(shown.find("] 1/2 frames  missing.bmp\033[K\nkelvane-cli: File not found"),
            std::string::npos)
      << shown;
  std::ostringstream quiet;
  EXPECT_EQ(RunBuild({"-q", "-o", dir.File("out.def"), dir.File("a.bmp")}, out, quiet, terminal),
            0);
  EXPECT_EQ(quiet.str(), "");
}

TEST(PeopleHelpTest, HelpFitsEightyColumnsAndExplainsTheCodes) {
  std::ostringstream help;
  PrintBuildHelp(help);
  std::istringstream lines(help.str());
  for (std::string line; std::getline(lines, line);) {
    EXPECT_LE(line.size(), 80u) << line;
  }
  for (const char* part : {"$42 creatures", "3 terrain", "Green Dragon", "0-5, 7-13, 17-25",
                           "--no-shadow", ".part", "keeps no check marks", "143"}) {
    EXPECT_NE(help.str().find(part), std::string::npos) << part;
  }
  EXPECT_EQ(help.str().find("mosters"), std::string::npos);
  std::ostringstream out, err;
  EXPECT_EQ(RunBuild({"--version"}, out, err), 0);
  EXPECT_EQ(out.str().rfind("kelvane-cli ", 0), 0u);
}

}  // namespace
}  // namespace kelvane::cli
