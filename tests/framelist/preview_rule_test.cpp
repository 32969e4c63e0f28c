// SPDX-License-Identifier: GPL-3.0-or-later
#include "framelist/preview_rule.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

TEST(PreviewRuleTest, PictureOnlyForAFrameUnderTheFirstFilterEntry) {
  FrameList list;
  for (const char* entry : {"a.bmp", "-", "b.bmp"}) {
    list.Append(entry[0] == '-' ? kGroupSeparator : entry);
  }
  struct Case {
    Selection selected;
    int filter;
    std::string position;
    std::optional<std::string> picture;
  };
  const Case cases[] = {
      {0, 0, "1", "a.bmp"},      {2, 0, "3", "b.bmp"},      {1, 0, "2", std::nullopt},
      {0, 1, "1", std::nullopt}, {0, 2, "1", std::nullopt}, {std::nullopt, 0, "0", std::nullopt},
      {3, 0, "0", std::nullopt}, {2, 3, "3", "b.bmp"},      {0, 4, "1", "a.bmp"},
  };
  for (const Case& c : cases) {
    const PreviewStep step = PreviewFor(list, c.selected, c.filter);
    EXPECT_EQ(step.positionText, c.position);
    EXPECT_EQ(step.picturePath, c.picture) << c.position;
    EXPECT_TRUE(step.applyStretch);
  }
  const PreviewStep empty = PreviewFor(FrameList{}, std::nullopt, 0);
  EXPECT_EQ(empty.positionText, "0");
  EXPECT_FALSE(empty.applyStretch);
}

}  // namespace
}  // namespace kelvane
