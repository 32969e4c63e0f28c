// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "base/path_parts.h"

namespace kelvane {
namespace {

struct PathCase {
  const char* path;
  PathStyle style;
  size_t root;
  const char* folder;
  const char* name;
};

TEST(PathPartsTest, RootsAndSplitsOfBothStyles) {
  constexpr auto kPosix = PathStyle::Posix;
  constexpr auto kWindows = PathStyle::Windows;
  for (const PathCase& c : {
           PathCase{"frames/a.bmp", kPosix, 0, "frames/", "a.bmp"},
           PathCase{"/mods/a.bmp", kPosix, 1, "/mods/", "a.bmp"},
           PathCase{"/a.bmp", kPosix, 1, "/", "a.bmp"},
           PathCase{"a.bmp", kPosix, 0, "", "a.bmp"},
           PathCase{"C:\\mods\\a.bmp", kPosix, 0, "", "C:\\mods\\a.bmp"},
           PathCase{"frames\\a.bmp", kWindows, 0, "frames\\", "a.bmp"},
           PathCase{"frames/sub\\a.bmp", kWindows, 0, "frames/sub\\", "a.bmp"},
           PathCase{"C:\\mods\\a.bmp", kWindows, 3, "C:\\mods\\", "a.bmp"},
           PathCase{"c:/a.bmp", kWindows, 3, "c:/", "a.bmp"},
           PathCase{"C:a.bmp", kWindows, 2, "C:", "a.bmp"},
           PathCase{"\\mods\\a.bmp", kWindows, 1, "\\mods\\", "a.bmp"},
           PathCase{"\\\\server\\share\\a.bmp", kWindows, 15, "\\\\server\\share\\", "a.bmp"},
           PathCase{"\\\\server\\share", kWindows, 14, "\\\\server\\share", ""},
           PathCase{"//server/share/mods/a.bmp", kWindows, 15, "//server/share/mods/", "a.bmp"},
       }) {
    EXPECT_EQ(RootLength(c.path, c.style), c.root) << c.path;
    EXPECT_EQ(IsRelativePath(c.path, c.style), c.root == 0) << c.path;
    const PathParts parts = SplitPath(c.path, c.style);
    EXPECT_EQ(parts.folder, c.folder) << c.path;
    EXPECT_EQ(parts.name, c.name) << c.path;
  }
}

TEST(PathPartsTest, JoinsWithTheSystemsSeparator) {
  EXPECT_EQ(JoinPath("frames", "a.bmp", PathStyle::Posix), "frames/a.bmp");
  EXPECT_EQ(JoinPath("frames/", "a.bmp", PathStyle::Posix), "frames/a.bmp");
  EXPECT_EQ(JoinPath("", "a.bmp", PathStyle::Posix), "a.bmp");
  EXPECT_EQ(JoinPath("C:\\mods", "a.bmp", PathStyle::Windows), "C:\\mods\\a.bmp");
  EXPECT_EQ(JoinPath("C:/mods/", "a.bmp", PathStyle::Windows), "C:/mods/a.bmp");
  EXPECT_EQ(JoinPath("C:", "a.bmp", PathStyle::Windows), "C:a.bmp");
}

TEST(PathPartsTest, WindowsPathsAreNamedFromTheirFolder) {
  constexpr auto kWindows = PathStyle::Windows;
  EXPECT_EQ(PathWithin("C:\\mods", "c:/mods/frames\\a.bmp", kWindows), "frames\\a.bmp");
  EXPECT_EQ(PathWithin("C:\\mods", "D:\\mods\\a.bmp", kWindows), "D:\\mods\\a.bmp");
  EXPECT_EQ(PathWithin("\\\\pc\\share", "\\\\pc\\share\\a.bmp", kWindows), "a.bmp");
  EXPECT_EQ(PathFrom("C:\\mods", "frames\\a.bmp", kWindows), "C:\\mods\\frames\\a.bmp");
  EXPECT_EQ(PathFrom("C:\\mods", "\\\\pc\\share\\a.bmp", kWindows), "\\\\pc\\share\\a.bmp");
  EXPECT_EQ(FolderOf("C:\\a.bmp", kWindows), "C:\\");
  EXPECT_EQ(FolderOf("C:\\mods\\a.bmp", kWindows), "C:\\mods");
}

}  // namespace
}  // namespace kelvane
