// SPDX-License-Identifier: GPL-3.0-or-later
// The creature wizard opened from the main window: its steps, its buttons, the
// groups and options it leaves, and the DEF built from them.

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QKeyEvent>
#include <QTimer>
#include <functional>

#include "support/cli_run.h"
#include "window_fixture.h"

namespace {

class WizardTest : public WindowTest {
 protected:
  // Opens the wizard with "Creature Wizard" and runs `drive` while it is open;
  // a wizard that `drive` left open is closed afterwards.
  void RunWizard(const std::function<void()>& drive) {
    bool opened = false;
    QTimer::singleShot(0, [&] {
      wizard = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      opened = wizard != nullptr;
      if (opened) {
        drive();
        if (wizard->isVisible()) {
          wizard->reject();
        }
      }
    });
    Click("WizardButton");
    EXPECT_TRUE(opened);
    wizard = nullptr;
  }

  template <typename Widget>
  Widget* In(const char* name) const {
    auto* widget = wizard->findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << "no wizard control " << name;
    return widget;
  }
  std::string WizardText(const char* name) const {
    if (auto* label = qobject_cast<QLabel*>(In<QWidget>(name))) {
      return label->text().toStdString();
    }
    return In<QAbstractButton>(name)->text().toStdString();
  }
  void Press(const char* button, int times = 1) {
    for (int i = 0; i < times; ++i) {
      In<QAbstractButton>(button)->click();
    }
  }
  void AddToStep(const std::vector<std::string>& paths) {
    dialogs.openAnswers.push_back(kelvane::ui::OpenFilesAnswer{paths, 0});
    Press("Button3");
  }
  std::vector<std::string> StepEntries() const {
    const QAbstractItemModel* model = In<QListView>("ListBox1")->model();
    std::vector<std::string> rows;
    for (int row = 0; row < model->rowCount(); ++row) {
      rows.push_back(model->index(row, 0).data().toString().toStdString());
    }
    return rows;
  }
  void SelectStepRow(int row) {
    auto* list = In<QListView>("ListBox1");
    list->selectionModel()->setCurrentIndex(list->model()->index(row, 0),
                                            QItemSelectionModel::ClearAndSelect);
  }
  // Fills the steps given, in step order, and finishes.
  void FillAndFinish(const std::vector<std::pair<int, std::vector<std::string>>>& steps) {
    RunWizard([&] {
      int step = 0;
      for (const auto& [index, paths] : steps) {
        Press("Button1", index - step);
        step = index;
        AddToStep(paths);
      }
      Press("Button1", 22 - step);
    });
  }

  QDialog* wizard = nullptr;
};

TEST_F(WizardTest, TheWindowShowsEveryControlInItsPlace) {
  const struct {
    const char* name;
    QRect place;
    const char* caption;  // nullptr for none
  } controls[] = {
      {"ListBox1", {0, 0, 502, 339}, nullptr},
      {"Panel1", {0, 341, 305, 92}, nullptr},
      {"Label2", {8, 7, 289, 16}, "Please add specify bmp files:"},
      {"General", {8, 28, 289, 16}, "Creature move from left to right"},
      {"label1", {8, 48, 289, 16}, "Hint:"},
      {"General2", {8, 65, 289, 16}, "None"},
      {"Button4", {315, 346, 88, 25}, "Delete file"},
      {"Button3", {414, 346, 88, 25}, "Add BMP file"},
      {"Button2", {414, 377, 88, 26}, "Previous step"},
      {"Button6", {325, 396, 71, 15}, "Abort Wizard"},
      {"Button1", {414, 408, 88, 25}, "Next step"},
  };
  RunWizard([&] {
    EXPECT_EQ(wizard->windowTitle().toStdString(), "Create Wizard");
    EXPECT_EQ(wizard->size(), QSize(502, 433));
    EXPECT_TRUE(wizard->isModal());
    for (const auto& control : controls) {
      SCOPED_TRACE(control.name);
      EXPECT_EQ(In<QWidget>(control.name)->geometry(), control.place);
      if (control.caption != nullptr) {
        EXPECT_EQ(WizardText(control.name), control.caption);
      }
    }
    EXPECT_FALSE(In<QWidget>("Button2")->isEnabled());
  });
  ASSERT_FALSE(dialogs.shown.empty());
  EXPECT_EQ(dialogs.shown[0].kind, "message");
  EXPECT_EQ(dialogs.shown[0].caption, "!");
  EXPECT_EQ(dialogs.shown[0].text,
            "Please add bmp file for some actions, for more info see hints in bottom menu");
}

TEST_F(WizardTest, FinishingWritesTheFilledStepsAsNumberedGroupsAndCreatureOptions) {
  const std::string s = Separator();
  const struct {
    const char* name;
    std::vector<std::pair<int, std::vector<std::string>>> steps;
    std::vector<std::string> entries;
    std::vector<bool> checks;
    std::vector<int> numbers;  // the first group numbers
    const char* groups;
  } cases[] = {
      {"steps 0, 2 and 5",
       {{0, {"m1", "m2"}}, {2, {"o1", "o2"}}, {5, {"d1", "d2"}}},
       {"m1", "m2", s, "o1", "o2", s, "d1", "d2", s},
       {false, false, false, true, true, false, false, false, false},
       {0, 2, 5},
       "3"},
      {"every step empty", {}, {}, {}, {}, "0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetEntries({"old"});  // thrown away after the question
    dialogs.answers.push_back(true);
    dialogs.shown.clear();
    FillAndFinish(c.steps);
    EXPECT_EQ(Entries(), c.entries);
    EXPECT_EQ(Checks(), c.checks);
    for (size_t g = 0; g < c.numbers.size(); ++g) {
      EXPECT_EQ(window->document().numbers[g], c.numbers[g]);
    }
    EXPECT_EQ(Text("Label8"), c.groups);
    EXPECT_EQ(Text("ComboBox3"), "Custom");
    EXPECT_EQ(Text("ComboBox2"), "Buttons,backgrounds,mosters.");
    EXPECT_EQ(Text("ComboBox1"), "$42 (Monsters)");
    EXPECT_TRUE(Get<QWidget>("ComboBox3")->isEnabled());  // as "$42 (Monsters)" always has it
    EXPECT_EQ(Text("Edit1"), "450");
    EXPECT_EQ(Text("Edit2"), "400");
    EXPECT_TRUE(Get<QWidget>("Edit1")->isEnabled());
    for (const char* box : {"CB2", "CB3", "CB4"}) {
      EXPECT_TRUE(Get<QCheckBox>(box)->isChecked()) << box;
    }
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[0].caption, "Warning");
    EXPECT_EQ(dialogs.shown[0].text, "list of bmp will be clear, continue?");
    EXPECT_EQ(dialogs.shown[2].caption, "!");
    EXPECT_EQ(dialogs.shown[2].text,
              "Ok, now you can choose Def file name and push button \"Create Def File\", Good "
              "Luck");
  }
}

TEST_F(WizardTest, EachStepKeepsItsFilesGoingBackAndForth) {
  RunWizard([&] {
    AddToStep({"a", "b"});
    Press("Button1");
    EXPECT_TRUE(In<QWidget>("Button2")->isEnabled());
    EXPECT_EQ(WizardText("General"), "Crature animation without moving");
    EXPECT_EQ(WizardText("General2"), "the behemot stands arms");
    AddToStep({"c"});
    Press("Button2");
    EXPECT_EQ(StepEntries(), (std::vector<std::string>{"a", "b"}));
    EXPECT_FALSE(In<QWidget>("Button2")->isEnabled());
    Press("Button1");
    EXPECT_EQ(StepEntries(), (std::vector<std::string>{"c"}));
    Press("Button1", 20);
    EXPECT_EQ(WizardText("Button1"), "Finished");
    EXPECT_EQ(WizardText("General"), "Static creature or Special power.");
    EXPECT_EQ(WizardText("General2"), "Landing or end of movement of creature");
    Press("Button2");
    EXPECT_EQ(WizardText("Button1"), "Next step");
  });
}

TEST_F(WizardTest, AbortingAsksAndLeavesTheMainListEmpty) {
  SetEntries({"kept until the question is answered"});
  dialogs.answers.push_back(false);  // "list of bmp will be clear": Cancel
  Click("WizardButton");
  EXPECT_EQ(Entries().size(), 1u);

  dialogs.answers = {true, false, true};  // clear: OK; abort: Cancel, then OK
  RunWizard([&] {
    AddToStep({"a"});
    Press("Button6");
    EXPECT_TRUE(wizard->isVisible());
    Press("Button6");
    EXPECT_FALSE(wizard->isVisible());
  });
  EXPECT_TRUE(Entries().empty());
  EXPECT_EQ(Text("Label8"), "0");
  EXPECT_EQ(dialogs.shown.back().caption, "?");
  EXPECT_EQ(dialogs.shown.back().text, "Do you want exit from Creature Wizard");
}

TEST_F(WizardTest, AddingAndDeletingFilesSetsTheFixedSize) {
  const auto wide = Frames(3, 40, 30);
  const std::string missing = folder.File("missing.bmp");
  RunWizard([&] {
    const struct {
      const char* action;
      std::vector<std::string> paths;  // for "add"; "delete" removes the selected row 0
      const char* width;
      const char* height;
    } acts[] = {
        {"several at once", {wide[0], wide[1]}, "0", "0"},
        {"next step", {}, "0", "0"},
        {"one file", {wide[2]}, "40", "30"},
        {"delete the last", {}, "0", "0"},
        {"a bad first file", {missing}, "0", "0"},
    };
    for (const auto& act : acts) {
      SCOPED_TRACE(act.action);
      if (act.paths.empty()) {
        SelectStepRow(0);
        Press(std::string(act.action) == "next step" ? "Button1" : "Button4");
      } else {
        AddToStep(act.paths);
      }
      EXPECT_EQ(Text("Edit1"), act.width);
      EXPECT_EQ(Text("Edit2"), act.height);
    }
    EXPECT_EQ(StepEntries(), (std::vector<std::string>{missing}));
  });
  EXPECT_EQ(dialogs.shown[1].kind, "error");
  EXPECT_EQ(dialogs.shown[1].text, "File not found");
  // The dialog's folder becomes the one relative names are taken from, as the
  // main window's add dialog does not make it.
  EXPECT_EQ(window->document().folder, folder.path());
  EXPECT_EQ(dialogs.openRequests[0].initialName, "*.BMP");
  EXPECT_TRUE(dialogs.openRequests[0].multiple);
}

TEST_F(WizardTest, TheDeleteKeyDeletesTheSelectedFile) {
  RunWizard([&] {
    AddToStep({"a", "b"});
    SelectStepRow(0);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(In<QWidget>("ListBox1"), &press);
    EXPECT_EQ(StepEntries(), (std::vector<std::string>{"b"}));
    EXPECT_TRUE(In<QWidget>("Button4")->toolTip().endsWith("(Del)"));
  });
}

TEST_F(WizardTest, BitmapsDroppedOnTheListJoinTheCurrentStep) {
  const auto frames = Frames(2);
  RunWizard([&] {
    Press("Button1");
    Drop({100, 100}, {frames[0], folder.File("notes.txt"), frames[1]}, wizard);
    Drop({100, 400}, {frames[0]}, wizard);  // on the panel below the list: nothing
    EXPECT_EQ(StepEntries(), frames);
  });
}

TEST_F(WizardTest, TheWizardsListBuildsTheSameDefAsTheCommandLine) {
  const auto frames = Frames(3, 450, 400);
  FillAndFinish({{0, {frames[0]}}, {2, {frames[1]}}, {5, {frames[2]}}});
  const std::string fromWindow = folder.File("window.def");
  const std::string fromCli = folder.File("cli.def");
  Get<QLineEdit>("Edit3")->setText(QString::fromStdString(fromWindow));
  dialogs.shown.clear();
  BuildAndWait();
  ASSERT_TRUE(dialogs.shown.empty()) << dialogs.shown[0].text;
  const auto cli = testing_support::Build(
      {"--type",   "0",         "--format", "7", "--monster", "14",      "--groups", "0,2,5",
       "--shadow", "--outline", "--check",  "3", "--fixed",   "450x400", "-o",       fromCli,
       frames[0],  "/",         frames[1],  "/", frames[2],   "/"});
  ASSERT_EQ(cli.status, 0) << cli.err;
  EXPECT_EQ(testing_support::ReadBytes(fromWindow), testing_support::ReadBytes(fromCli));
}

}  // namespace
