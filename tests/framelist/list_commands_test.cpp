// SPDX-License-Identifier: GPL-3.0-or-later
#include "framelist/list_commands.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "framelist/first_frame_size.h"
#include "framelist/separators.h"
#include "support/test_support.h"

namespace kelvane {
namespace {

using testing_support::ErrorText;
using testing_support::ListOf;
using testing_support::TempDir;
using testing_support::Texts;

TEST(AddFilesTest, GoInAfterTheSelectionReversedAndMarksMoveWithTheirFrames) {
  FrameList list = ListOf({"1", "2*", "3*", "4", "5*"});
  EXPECT_FALSE(AddFiles(list, Selection(1), {"A", "B"}));
  EXPECT_EQ(Texts(list), (std::vector<std::string>{"1", "2*", "B", "A", "3*", "4", "5*"}));
}

TEST(AddFilesTest, WithoutSelectionOrAfterTheLastEntryTheyAreAppended) {
  FrameList list = ListOf({"1", "2"});
  EXPECT_FALSE(AddFiles(list, std::nullopt, {"A", "B"}));
  EXPECT_EQ(Texts(list), (std::vector<std::string>{"1", "2", "A", "B"}));
  EXPECT_FALSE(AddFiles(list, Selection(3), {"C"}));
  EXPECT_EQ(Texts(list), (std::vector<std::string>{"1", "2", "A", "B", "C"}));
}

TEST(AddFilesTest, AsksForTheFirstFrameSizeOnlyWhenOneEntryStands) {
  FrameList list;
  EXPECT_FALSE(AddFiles(list, std::nullopt, {"a", "b", "c"}));
  FrameList single;
  EXPECT_TRUE(AddFiles(single, std::nullopt, {"a"}));
  EXPECT_FALSE(AddFiles(single, Selection(0), {}));  // a cancelled dialog changes nothing
  EXPECT_THROW(static_cast<void>(AddFiles(single, Selection(4), {"b"})), Error);
  EXPECT_EQ(single.Count(), 1u);
}

TEST(CutFileTest, KeepsThePositionSelectedAndClearsAtTheEnd) {
  FrameList list = ListOf({"a", "/", "b*"});

  EXPECT_FALSE(CutFile(list, std::nullopt).cut);
  EXPECT_EQ(list.Count(), 3u);

  CutOutcome middle = CutFile(list, Selection(1));
  EXPECT_TRUE(middle.cut);
  EXPECT_EQ(middle.selection, Selection(1));
  EXPECT_FALSE(middle.listEmptied);
  EXPECT_EQ(Texts(list), (std::vector<std::string>{"a", "b*"}));  // the mark moved up with it
  EXPECT_EQ(middle.separatorCount, 0);

  CutOutcome last = CutFile(list, Selection(1));
  EXPECT_EQ(last.selection, std::nullopt);
  CutOutcome only = CutFile(list, Selection(0));
  EXPECT_TRUE(only.listEmptied);
  EXPECT_TRUE(list.IsEmpty());
}

TEST(CutFileTest, CuttingASeparatorMergesGroupsWithoutShiftingNumbers) {
  FrameList list = ListOf({"a", "/", "b", "/", "c", "/"});
  const CutOutcome outcome = CutFile(list, Selection(3));  // the second separator
  EXPECT_EQ(Texts(list), (std::vector<std::string>{"a", "/", "b", "c", "/"}));
  EXPECT_EQ(outcome.separatorCount, 2);
}

TEST(NewListTest, AsksFirstUnlessEmptyAndClearsEveryNumber) {
  FrameList list;
  GroupNumbers numbers{};
  EXPECT_EQ(NewListQuestion(list), std::nullopt);

  list = ListOf({"a", "/"});
  numbers.fill(7);
  const auto question = NewListQuestion(list);
  ASSERT_TRUE(question);
  EXPECT_EQ(question->text, "list of bmp will be clear, continue?");
  EXPECT_EQ(question->caption, "Warning");
  NewList(list, numbers);
  EXPECT_TRUE(list.IsEmpty());
  EXPECT_EQ(numbers, GroupNumbers{});
}

TEST(CheckMarkTest, MovesTheSelectionDownAndOffTheEnd) {
  FrameList list = ListOf({"a", "b"});
  EXPECT_EQ(CheckMarkToggled(list, 0, true, Selection(0)), Selection(1));
  EXPECT_EQ(CheckMarkToggled(list, 1, true, Selection(1)), std::nullopt);
  EXPECT_EQ(CheckMarkToggled(list, 1, false, std::nullopt), std::nullopt);
  EXPECT_EQ(Texts(list), (std::vector<std::string>{"a*", "b"}));
}

TEST(FirstFrameSizeTest, ReadsTheFirstEntrysSizeAsUnsignedTexts) {
  TempDir dir;
  FrameList list = ListOf({dir.Bmp("wide.bmp", bmpgen::Bmp8(58, 52)), "missing.bmp"});
  const FixedSizeTexts size = FirstFrameSizeRefresh(list);
  EXPECT_EQ(size.width, "58");
  EXPECT_EQ(size.height, "52");

  // A NUL would cut the name short and open the first frame again.
  const FrameList cut = ListOf({list.Text(0) + std::string(1, '\0') + "x"});
  EXPECT_EQ(ErrorText([&] { FirstFrameSizeRefresh(cut); }), "Invalid filename");
  const FrameList missing = ListOf({dir.File("missing.bmp")});
  EXPECT_EQ(ErrorText([&] { FirstFrameSizeRefresh(missing); }), "File not found");
}

}  // namespace
}  // namespace kelvane
