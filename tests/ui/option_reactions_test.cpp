// SPDX-License-Identifier: GPL-3.0-or-later
// The reactions of the type boxes, the option check boxes and the output-file button.

#include <QCheckBox>
#include <QDir>

#include "window_fixture.h"

namespace {

TEST_F(WindowTest, PickingATypeSelectsItsFormats) {
  const struct {
    int type;
    const char* formats;
  } picks[] = {{3, "$45 {Terrain}"},
               {2, "$43 (Map object)"},
               {1, "$45 {Terrain}"},
               {0, "$47 (Buildings and buttons)"}};
  for (const auto& pick : picks) {
    Pick("ComboBox2", pick.type);
    EXPECT_EQ(Text("ComboBox1"), pick.formats) << pick.type;
  }
}

TEST_F(WindowTest, OnlyMonstersFormatsEnablesTheMonsterBoxAndTypePicksLeaveIt) {
  Pick("ComboBox1", 7);
  EXPECT_TRUE(Get<QComboBox>("ComboBox3")->isEnabled());
  EXPECT_EQ(Text("ComboBox3"), "Zealot");
  Pick("ComboBox3", 5);
  Pick("ComboBox2", 2);  // selects "$43 (Map object)" from code: no Formats reaction
  EXPECT_EQ(Text("ComboBox1"), "$43 (Map object)");
  EXPECT_TRUE(Get<QComboBox>("ComboBox3")->isEnabled());
  Pick("ComboBox1", 4);
  EXPECT_FALSE(Get<QComboBox>("ComboBox3")->isEnabled());
  EXPECT_EQ(Text("ComboBox3"), "Writh");
}

TEST_F(WindowTest, ASelectionMadeFromCodeRunsNoComboReaction) {
  Get<QComboBox>("ComboBox1")->setCurrentIndex(7);
  EXPECT_FALSE(Get<QComboBox>("ComboBox3")->isEnabled());
  EXPECT_EQ(Get<QComboBox>("ComboBox3")->currentIndex(), -1);
}

TEST_F(WindowTest, OffsetBoxesSwitchTheirFieldAndLoseATypedValue) {
  const struct {
    const char* box;
    const char* field;
  } offsets[] = {{"CB5", "Edit5"}, {"CB6", "Edit6"}};
  for (const auto& offset : offsets) {
    SCOPED_TRACE(offset.box);
    auto* field = Get<QLineEdit>(offset.field);
    Click(offset.box);
    EXPECT_TRUE(field->isEnabled());
    EXPECT_FALSE(field->isReadOnly());
    EXPECT_EQ(Text(offset.field), "0");
    field->setText("12");
    Click(offset.box);
    EXPECT_FALSE(field->isEnabled());
    EXPECT_TRUE(field->isReadOnly());
    EXPECT_EQ(Text(offset.field), "Auto");
    // Set from code, the box runs its reaction as a click does.
    Get<QCheckBox>(offset.box)->setChecked(true);
    EXPECT_EQ(Text(offset.field), "0");
    EXPECT_TRUE(field->isEnabled());
  }
}

TEST_F(WindowTest, FixedSizeEnablesTheSizeFieldsAndKeepsTheirText) {
  Click("CB4");
  EXPECT_TRUE(Get<QLineEdit>("Edit1")->isEnabled());
  EXPECT_TRUE(Get<QLineEdit>("Edit2")->isEnabled());
  Get<QLineEdit>("Edit1")->setText("64");
  Click("CB4");
  EXPECT_FALSE(Get<QLineEdit>("Edit1")->isEnabled());
  EXPECT_FALSE(Get<QLineEdit>("Edit2")->isEnabled());
  EXPECT_EQ(Text("Edit1"), "64");
}

TEST_F(WindowTest, TheFolderButtonSetsTheOutputNameAsChosen) {
  const QString before = QDir::currentPath();
  dialogs.saveAnswers = {std::nullopt, folder.File("out.DEF.old")};
  Click("BitBtn2");
  EXPECT_EQ(Text("Edit3"), "Temp.def");
  Click("BitBtn2");
  EXPECT_EQ(Text("Edit3"), folder.File("out.DEF.old"));
  EXPECT_EQ(QDir::currentPath(), before);
  ASSERT_EQ(dialogs.saveRequests.size(), 2u);
  const auto& request = dialogs.saveRequests.front();
  ASSERT_EQ(request.filters.size(), 1u);
  EXPECT_EQ(request.filters[0].label, "DeF Files");
  EXPECT_EQ(request.filters[0].pattern, "*.Def");
  EXPECT_EQ(request.initialName, "Temp.def");
  EXPECT_TRUE(request.askBeforeCreating);
}

}  // namespace
