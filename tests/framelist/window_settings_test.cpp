// SPDX-License-Identifier: GPL-3.0-or-later
#include "framelist/window_settings.h"

#include <gtest/gtest.h>

#include <functional>

namespace kelvane {
namespace {

TEST(WindowSettingsTest, StartValuesOfTheCompileControls) {
  const WindowSettings start = StartSettings();
  EXPECT_EQ(start.typeIndex, 0);
  EXPECT_EQ(start.formatsIndex, 2);
  EXPECT_EQ(start.monsterIndex, -1);
  EXPECT_EQ(start.outputName, "Temp.def");
  EXPECT_EQ(start.nameMask, "");
  EXPECT_EQ(start.fixedWidth, "0");
  EXPECT_EQ(start.fixedHeight, "0");
  EXPECT_EQ(start.xText, "Auto");
  EXPECT_EQ(start.yText, "Auto");
  EXPECT_FALSE(start.shadow || start.outline || start.fixedSize || start.checkPalette ||
               start.useX || start.useY);
  EXPECT_FALSE(start.monsterBoxEnabled || start.fixedFieldsEnabled || start.xFieldEnabled ||
               start.yFieldEnabled);
}

TEST(WindowSettingsTest, TypePicksItsFormatsWithoutTouchingTheMonsterBox) {
  const int expected[] = {2, 4, 6, 4};
  WindowSettings monsters = FormatsPicked(StartSettings(), 7);
  for (int type = 0; type < 4; ++type) {
    const WindowSettings picked = TypePicked(monsters, type);
    EXPECT_EQ(picked.formatsIndex, expected[type]) << type;
    EXPECT_TRUE(picked.monsterBoxEnabled);
    EXPECT_EQ(picked.monsterIndex, 0);
  }
  EXPECT_EQ(TypePicked(monsters, 4).formatsIndex, -1);
}

TEST(WindowSettingsTest, OnlyMonstersEnablesTheMonsterBox) {
  WindowSettings settings = StartSettings();
  settings.monsterIndex = 14;
  for (int formats = 0; formats < 10; ++formats) {
    const WindowSettings picked = FormatsPicked(settings, formats);
    EXPECT_EQ(picked.monsterBoxEnabled, formats == 7) << formats;
    EXPECT_EQ(picked.monsterIndex, formats == 7 ? 0 : 14) << formats;
  }
}

TEST(WindowSettingsTest, CheckBoxesReactOncePerChange) {
  struct Case {
    std::function<WindowSettings(WindowSettings, bool)> set;
    std::function<bool(const WindowSettings&)> enabled;
    std::function<std::string(const WindowSettings&)> text;
    std::string onText, offText;
  };
  const Case cases[] = {
      {SetFixedSize, [](auto& s) { return s.fixedFieldsEnabled; },
       [](auto& s) { return s.fixedWidth; }, "7", "7"},
      {SetUseX, [](auto& s) { return s.xFieldEnabled; }, [](auto& s) { return s.xText; }, "0",
       "Auto"},
      {SetUseY, [](auto& s) { return s.yFieldEnabled; }, [](auto& s) { return s.yText; }, "0",
       "Auto"},
  };
  for (const Case& c : cases) {
    WindowSettings settings = StartSettings();
    settings.fixedWidth = "7";
    settings = c.set(settings, true);
    EXPECT_TRUE(c.enabled(settings));
    EXPECT_EQ(c.text(settings), c.onText);
    settings.xText = settings.yText = "12";  // typed in between: lost on the next change
    settings.fixedWidth = "7";
    settings = c.set(settings, true);  // no change, no reaction
    EXPECT_TRUE(c.enabled(settings));
    settings = c.set(settings, false);
    EXPECT_FALSE(c.enabled(settings));
    EXPECT_EQ(c.text(settings), c.offText);
  }
}

}  // namespace
}  // namespace kelvane
