// SPDX-License-Identifier: GPL-3.0-or-later
#include "framelist/help_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "base/errors.h"
#include "support/test_support.h"

namespace kelvane {
namespace {

TEST(HelpFileTest, DecodesUtf8AsItIsAndOtherBytesAsWindows1251) {
  const struct {
    const char* name;
    std::string bytes;
    bool cut;
    std::string shown;
  } cases[] = {
      // "Привет" in Windows-1251, then in UTF-8.
      {"1251", "\xcf\xf0\xe8\xe2\xe5\xf2\r\n2", false, "Привет\n2"},
      {"utf-8", "Привет\r\n2", false, "Привет\n2"},
      {"ascii and a lone CR", "a\rb\n", false, "a\nb\n"},
      // "Ё" is D0 81: cut after D0, the half character is dropped.
      {"utf-8 cut inside a character", "ab\xd0", true, "ab"},
      {"the same bytes uncut are 1251", "ab\xd0", false, "abР"},
      {"the one unassigned 1251 byte", "\x98\xcf", false, "?П"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DecodeHelpText(c.bytes, c.cut), c.shown);
  }
}

TEST(HelpFileTest, OnlyLinesUpToTheLimitAreWrapped) {
  const std::string limit(kHelpWrapLimit, 'x');
  const struct {
    std::string text;
    bool wrap;
  } cases[] = {{"", true},
               {limit + "\n" + limit, true},
               {"a\n" + limit + "x\nb", false},
               {"a\n" + limit + "x", false}};
  for (const auto& c : cases) {
    EXPECT_EQ(LinesFitWrapping(c.text), c.wrap) << c.text.size();
  }
}

TEST(HelpFileTest, ReadsOnlyTheStartFoldersFileUpToTheCap) {
  testing_support::TempDir folder;
  EXPECT_EQ(HelpFilePath(folder.path()), folder.File("help.txt"));
  EXPECT_FALSE(ReadHelpFile(folder.path()));

  const std::string big(kHelpFileReadCap + 10, 'x');
  testing_support::WriteBytes(folder.File("help.txt"), {big.begin(), big.end()});
  const auto help = ReadHelpFile(folder.path());
  ASSERT_TRUE(help);
  EXPECT_TRUE(help->cut);
  EXPECT_EQ(help->utf8.size(), kHelpFileReadCap);
  EXPECT_FALSE(help->wrap);
}

TEST(HelpFileTest, AFileThatCannotBeReadEndsWithItsError) {
  testing_support::TempDir folder;
  folder.Folder("help.txt");
  try {
    ReadHelpFile(folder.path());
    FAIL() << "a folder was read as the help file";
  } catch (const Error& error) {
    EXPECT_STREQ(error.what(), "File access denied");
  }
}

}  // namespace
}  // namespace kelvane
