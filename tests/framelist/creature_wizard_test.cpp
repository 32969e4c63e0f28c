// SPDX-License-Identifier: GPL-3.0-or-later
#include "framelist/creature_wizard.h"

#include <gtest/gtest.h>

#include <map>

#include "support/test_support.h"

namespace kelvane {
namespace {

using testing_support::Texts;

// A document the wizard opens on: an entry to throw away and numbers to keep.
FrameDocument UsedDocument() {
  FrameDocument document;
  document.list.Append("left over", true);
  document.numbers.fill(99);
  return document;
}

TEST(WizardFinishTest, WritesTheFilledStepsAsNumberedGroups) {
  struct Case {
    std::map<size_t, std::vector<std::string>> steps;
    std::vector<std::string> rows;
    std::vector<uint8_t> numbers;  // the slots written; the others keep 99
  };
  const Case cases[] = {
      {{{0, {"m1", "m2"}}, {2, {"o1"}}, {5, {"d1", "d2"}}},
       {"m1", "m2", "/", "o1*", "/", "d1", "d2", "/"},
       {0, 2, 5}},
      {{}, {}, {}},
      {{{1, {"s1", "s2"}}, {21, {"z"}}}, {"s1*", "s2*", "/", "z", "/"}, {1, 21}},
  };
  for (const Case& c : cases) {
    FrameDocument document = UsedDocument();
    CreatureWizard wizard(document);
    for (size_t step = 0; step < kWizardStepCount; ++step) {
      ASSERT_EQ(wizard.StepIndex(), step);
      if (c.steps.count(step)) {
        static_cast<void>(wizard.AddFiles(c.steps.at(step)));
      }
      EXPECT_EQ(wizard.Next(), step + 1 == kWizardStepCount);
    }
    EXPECT_EQ(Texts(document.list), c.rows);
    GroupNumbers expected;
    expected.fill(99);
    std::copy(c.numbers.begin(), c.numbers.end(), expected.begin());
    EXPECT_EQ(document.numbers, expected);
    EXPECT_EQ(document.settings.monsterIndex, 14);  // set even when every step is empty

    EXPECT_TRUE(wizard.Next());  // finishing twice writes nothing more
    EXPECT_EQ(document.list.Count(), c.rows.size());
  }
}

TEST(WizardFinishTest, EveryStepFilledUsesAllSlots) {
  WizardStepLists steps;
  for (size_t i = 0; i < kWizardStepCount; ++i) {
    steps[i] = {"f" + std::to_string(i)};
  }
  FrameDocument document;
  EXPECT_EQ(FinishCreatureWizard(steps, document), 22u);
  EXPECT_EQ(document.list.Count(), 44u);
  EXPECT_EQ(document.numbers[21], 21);
}

TEST(WizardFinishTest, SetsACreatureDefFromCode) {
  struct Case {
    WindowSettings before;
    bool monsterBoxEnabled;
    bool fixedFieldsEnabled;
  };
  WindowSettings fixedSizeOnFieldsOff = StartSettings();
  fixedSizeOnFieldsOff.fixedSize = true;  // checking it again runs no reaction
  const Case cases[] = {
      {StartSettings(), true, true},
      {FormatsPicked(StartSettings(), 7), true, true},
      {fixedSizeOnFieldsOff, true, false},
  };
  for (const Case& c : cases) {
    FrameList list;
    GroupNumbers numbers{};
    WindowSettings settings = c.before;
    FinishCreatureWizard(WizardStepLists{}, list, numbers, settings);
    EXPECT_EQ(settings.monsterIndex, 14);
    EXPECT_EQ(settings.typeIndex, 0);
    EXPECT_EQ(settings.formatsIndex, 7);
    EXPECT_EQ(settings.fixedWidth, "450");
    EXPECT_EQ(settings.fixedHeight, "400");
    EXPECT_TRUE(settings.shadow && settings.outline && settings.fixedSize);
    EXPECT_EQ(settings.monsterBoxEnabled, c.monsterBoxEnabled);
    EXPECT_EQ(settings.fixedFieldsEnabled, c.fixedFieldsEnabled);
  }
}

TEST(CreatureWizardTest, OpensOnAnEmptyListWithItsMessages) {
  FrameDocument document = UsedDocument();
  CreatureWizard wizard(document);
  EXPECT_TRUE(document.list.IsEmpty());
  EXPECT_EQ(document.numbers[0], 99);
  EXPECT_EQ(CreatureWizard::OpeningNotice().text,
            "Please add bmp file for some actions, for more info see hints in bottom menu");
  EXPECT_EQ(CreatureWizard::OpeningNotice().caption, "!");
  EXPECT_EQ(CreatureWizard::ClosingNotice().text,
            "Ok, now you can choose Def file name and push button \"Create Def File\", Good Luck");
  EXPECT_EQ(AbortWizardQuestion().text, "Do you want exit from Creature Wizard");
  EXPECT_EQ(AbortWizardQuestion().caption, "?");
}

TEST(CreatureWizardTest, StepDisplayFollowsTheStep) {
  struct Row {
    size_t step;
    bool previousEnabled;
    const char* forward;
    const char* description;
    const char* hint;
  };
  const Row rows[] = {
      {0, false, "Next step", "Creature move from left to right", "None"},
      {21, true, "Finished", "Static creature or Special power.",
       "Landing or end of movement of creature"},
  };
  FrameDocument document = UsedDocument();
  CreatureWizard wizard(document);
  for (const Row& row : rows) {
    while (wizard.StepIndex() < row.step) {
      wizard.Next();
    }
    const WizardStepDisplay display = wizard.Display();
    EXPECT_EQ(display.previousEnabled, row.previousEnabled) << row.step;
    EXPECT_EQ(display.forwardCaption, row.forward) << row.step;
    EXPECT_EQ(display.description, row.description) << row.step;
    EXPECT_EQ(display.hint, row.hint) << row.step;
  }
}

TEST(CreatureWizardTest, BackAndForthKeepsEachStepsPaths) {
  FrameDocument document = UsedDocument();
  CreatureWizard wizard(document);
  wizard.Previous();  // not reachable at step 0: nothing happens
  EXPECT_EQ(wizard.StepIndex(), 0u);
  static_cast<void>(wizard.AddFiles({"a", "b"}));
  wizard.Next();
  static_cast<void>(wizard.AddFiles({"c"}));
  wizard.Previous();
  EXPECT_EQ(Texts(wizard.ShownList()), (std::vector<std::string>{"a", "b"}));
  wizard.DeleteFile(Selection(0));
  wizard.Next();
  EXPECT_EQ(Texts(wizard.ShownList()), (std::vector<std::string>{"c"}));
  wizard.Previous();
  EXPECT_EQ(Texts(wizard.ShownList()), (std::vector<std::string>{"b"}));
}

TEST(CreatureWizardTest, AddAsksForTheSizeOnlyWhenOnePathStands) {
  struct Row {
    std::vector<std::string> before;
    std::vector<std::string> added;
    bool refresh;
  };
  const Row rows[] = {
      {{}, {"a", "b", "c"}, false},
      {{}, {"a"}, true},
      {{"a"}, {"b"}, false},
      {{"a"}, {}, false},  // a cancelled dialog changes nothing
      {{}, {}, false},
  };
  for (const Row& row : rows) {
    FrameDocument document = UsedDocument();
    CreatureWizard wizard(document);
    static_cast<void>(wizard.AddFiles(row.before));
    EXPECT_EQ(wizard.AddFiles(row.added), row.refresh) << row.before.size() << row.added.size();
  }
}

TEST(CreatureWizardTest, DeleteKeepsThePositionAndZeroesTheSizeWhenEmptied) {
  struct Row {
    Selection selected;
    WizardDeleteOutcome outcome;
    std::vector<std::string> rows;
  };
  const Row rows[] = {
      {std::nullopt, {false, std::nullopt, false}, {"a", "b", "c"}},
      {Selection(1), {true, Selection(1), false}, {"a", "c"}},
      {Selection(1), {true, std::nullopt, false}, {"a"}},
      {Selection(0), {true, std::nullopt, true}, {}},
  };
  FrameDocument document = UsedDocument();
  document.settings.fixedWidth = "58";
  document.settings.fixedHeight = "52";
  CreatureWizard wizard(document);
  static_cast<void>(wizard.AddFiles({"a", "b", "c"}));
  for (const Row& row : rows) {
    EXPECT_EQ(document.settings.fixedWidth, "58");
    const WizardDeleteOutcome outcome = wizard.DeleteFile(row.selected);
    EXPECT_EQ(outcome.deleted, row.outcome.deleted);
    EXPECT_EQ(outcome.selection, row.outcome.selection);
    EXPECT_EQ(outcome.fixedSizeReset, row.outcome.fixedSizeReset);
    EXPECT_EQ(Texts(wizard.ShownList()), row.rows);
  }
  EXPECT_EQ(document.settings.fixedWidth, "0");
  EXPECT_EQ(document.settings.fixedHeight, "0");
}

}  // namespace
}  // namespace kelvane
