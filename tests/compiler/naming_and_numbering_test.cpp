// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "compiler/frame_naming.h"
#include "compiler/group_numbering.h"

namespace kelvane {
namespace {

std::string Name(const std::string& path, const std::string& mask = "") {
  const FrameName bytes = MakeFrameName(path, mask);
  return std::string(bytes.begin(), bytes.end());
}

std::string Padded(const std::string& text) {
  return text + std::string(13 - text.size(), '\0');
}

TEST(FrameNaming, FollowsTheNameRules) {
  EXPECT_EQ(Name("C:\\art\\runner10.bmp"), Padded("runner10.pcx"));
  EXPECT_EQ(Name("/art/runner10.bmp", "Hero_A"), Padded("Hero_A10.pcx"));
  EXPECT_EQ(Name("C:\\art\\runner10.bmp", "Hero_A"), Padded("Hero_A10.pcx"));
  EXPECT_EQ(Name("walk07.bmp"), Padded("\xCD\xCDwalk07.pcx"));
  EXPECT_EQ(Name("walk7.bmp"), Padded("\xCD\xCD\xCDwalk7.pcx"));
  EXPECT_EQ(Name("walker7.bmp"), Padded("\xCDwalker7.pcx"));
  EXPECT_EQ(Name("w.bmp"), Padded("w.bmp.pcx"));
  EXPECT_EQ(Name("longname0001.bmp"), Padded("longname.pcx"));
  EXPECT_EQ(Name("/frames/a.bmp", "Hero_A"), Padded("Hero_Aa..pcx"));
}

TEST(FrameNaming, FileNamePartEndsAtAnyDelimiter) {
  EXPECT_EQ(FileNamePart("C:frame.bmp"), "frame.bmp");
  EXPECT_EQ(FileNamePart("a\\b/c.bmp"), "c.bmp");
  EXPECT_EQ(FileNamePart("a/b\\c.bmp"), "c.bmp");
  EXPECT_EQ(FileNamePart("plain.bmp"), "plain.bmp");
}

TEST(FrameNaming, ShortAndEmptyNamesWithAMask) {
  EXPECT_EQ(Name("/x/b", "M"), Padded("Mb.pcx"));
  EXPECT_EQ(Name("/x/", "Mask"), Padded("Mask.pcx"));
  EXPECT_EQ(Name("/x/abcdef", "M"), Padded("Mab.pcx"));
  EXPECT_EQ(Name("/x/f.bmp", "LongMask12"), Padded("LongMask.pcx"));
}

std::vector<int32_t> FirstTwenty(int monster, GroupNumbers numbers = {}) {
  GroupNumbering numbering(numbers, monster);
  std::vector<int32_t> out;
  for (int g = 0; g < 20; ++g) {
    out.push_back(numbering.Next(g));
  }
  return out;
}

TEST(GroupNumbering, FollowsTheFourCreatureLayouts) {
  const std::vector<int32_t> plain = {0,  1,  2,  3,  4,  5,  7,  8,  9,  10,
                                      11, 12, 13, 14, 15, 16, 17, 18, 19, 20};
  const std::vector<int32_t> shooters = {0,  1,  2,  3,  4,  5,  7,  8,  9,  10,
                                         11, 12, 13, 14, 15, 16, 20, 21, 22, 23};
  const std::vector<int32_t> golems = {0,  1,  2,  3,  4,  5,  7,  8,  9,  10,
                                       11, 12, 13, 20, 21, 22, 23, 24, 25, 26};
  const std::vector<int32_t> dragons = {0,  1,  2,  3,  4,  5,  7,  8,  9,  10,
                                        11, 12, 13, 17, 18, 19, 20, 21, 22, 23};
  for (int monster : {-1, 0, 1, 6, 11}) {
    EXPECT_EQ(FirstTwenty(monster), plain) << monster;
  }
  for (int monster = 2; monster <= 5; ++monster) {
    EXPECT_EQ(FirstTwenty(monster), shooters) << monster;
  }
  for (int monster = 7; monster <= 10; ++monster) {
    EXPECT_EQ(FirstTwenty(monster), golems) << monster;
  }
  for (int monster = 12; monster <= 13; ++monster) {
    EXPECT_EQ(FirstTwenty(monster), dragons) << monster;
  }
}

TEST(GroupNumbering, StartsFromTheFirstStoredNumber) {
  GroupNumbers numbers{};
  numbers[0] = 5;
  GroupNumbering numbering(numbers, -1);
  EXPECT_EQ(numbering.Next(0), 5);
  EXPECT_EQ(numbering.Next(1), 7);
  EXPECT_EQ(numbering.Next(2), 8);
}

TEST(GroupNumbering, CustomTakesStoredNumbersUnadjusted) {
  GroupNumbers numbers{};
  numbers[0] = 2;
  numbers[1] = 6;
  numbers[2] = 5;
  numbers[21] = 255;
  GroupNumbering numbering(numbers, kMonsterCustom);
  EXPECT_EQ(numbering.Next(0), 2);
  EXPECT_EQ(numbering.Next(1), 6);
  EXPECT_EQ(numbering.Next(2), 5);
  EXPECT_EQ(numbering.Next(21), 255);
}

}  // namespace
}  // namespace kelvane
