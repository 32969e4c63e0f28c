// SPDX-License-Identifier: GPL-3.0-or-later
// The list commands from the window: ADD File, Cut File and the Delete key,
// AddSeparator, New, check marks, the context menu and dropped files.

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

#include "window_fixture.h"

namespace {

TEST_F(WindowTest, AddedFilesGoBelowTheSelectionReversedAndMarksMoveWithTheirFrames) {
  SetEntries({"1", "2", "3", "4", "5"});
  for (int row : {1, 2}) {
    SelectRow(row);
    Check(row, true);
  }
  SelectRow(1);
  AddFiles({"A", "B"});
  EXPECT_EQ(Entries(), (std::vector<std::string>{"1", "2", "B", "A", "3", "4", "5"}));
  EXPECT_EQ(Checks(), (std::vector<bool>{false, true, false, false, true, false, false}));
  EXPECT_EQ(SelectedRow(), 1);
  EXPECT_TRUE(Get<QListView>("ListBox1")->hasFocus() || !window->isVisible());

  const auto& request = dialogs.openRequests.back();
  ASSERT_EQ(request.filters.size(), 5u);
  EXPECT_EQ(request.filters[1].label, "BMP mark as PCX");
  EXPECT_EQ(request.filters[2].pattern, "*.*");
  EXPECT_EQ(request.filters[3].pattern, "*.bmp *.png");  // the PNG entries come after
  EXPECT_EQ(request.filters[4].pattern, "*.png");
  EXPECT_EQ(request.initialName, "*.BMP");
  EXPECT_TRUE(request.multiple);
}

TEST_F(WindowTest, OneFileInAnEmptyListGivesTheFixedSizeSeveralDoNot) {
  const auto wide = Frames(3, 58, 52);
  AddFiles(wide);
  EXPECT_EQ(Text("Edit1"), "0");
  dialogs.answers.push_back(true);
  Click("Button6");
  AddFiles({wide[0]});
  EXPECT_EQ(Text("Edit1"), "58");
  EXPECT_EQ(Text("Edit2"), "52");
}

TEST_F(WindowTest, TheAddDialogKeepsItsLastFilterEntry) {
  AddFiles({"a"}, 2);
  AddFiles({"b"}, 0);
  ASSERT_EQ(dialogs.openRequests.size(), 2u);
  EXPECT_EQ(dialogs.openRequests[0].filterIndex, 0);
  EXPECT_EQ(dialogs.openRequests[1].filterIndex, 2);
}

TEST_F(WindowTest, AFileThatCannotBeMeasuredIsReportedAndStaysListed) {
  AddFiles({folder.File("missing.bmp")});
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, "error");
  EXPECT_EQ(dialogs.shown[0].text, "File not found");
  EXPECT_EQ(Entries().size(), 1u);
  EXPECT_EQ(Text("Edit1"), "0");
}

TEST_F(WindowTest, CuttingTheOnlyEntryEmptiesTheListAndResetsTheCounters) {
  AddFiles(Frames(1, 40, 30));
  Click("Button5");
  SelectRow(1);
  Click("Button3");
  SelectRow(0);
  Click("Button3");
  EXPECT_TRUE(Entries().empty());
  EXPECT_EQ(Text("Edit1"), "0");
  EXPECT_EQ(Text("Edit2"), "0");
  EXPECT_EQ(Text("Label7"), "0");
  EXPECT_EQ(Text("Label8"), "0");
}

TEST_F(WindowTest, DeleteCutsWhateverModifiersAreHeldAndTheLastCutLeavesNoSelection) {
  const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier,
                                             Qt::AltModifier};
  SetEntries({"a", "b", "c", "d", "e"});
  for (Qt::KeyboardModifiers held : modifiers) {
    SelectRow(int(Entries().size()) - 1);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, held);
    QApplication::sendEvent(Get<QListView>("ListBox1"), &press);
    EXPECT_EQ(SelectedRow(), -1);
  }
  EXPECT_EQ(Entries(), std::vector<std::string>{"a"});
  Click("Button3");  // nothing selected: nothing cut
  EXPECT_EQ(Entries(), std::vector<std::string>{"a"});
}

TEST_F(WindowTest, SeparatorsAreAppendedAtTheEndAndCounted) {
  SetEntries({"a", "b", "c"});
  SelectRow(1);
  Click("Button5");
  Click("Button5");
  EXPECT_EQ(Entries(), (std::vector<std::string>{"a", "b", "c", Separator(), Separator()}));
  EXPECT_EQ(Text("Label8"), "2");
  EXPECT_EQ(SelectedRow(), 1);
}

TEST_F(WindowTest, NewAsksUnlessEmptyAndKeepsTheOptions) {
  Click("Button6");
  EXPECT_TRUE(dialogs.shown.empty());
  SetEntries({"a", Separator()});
  dialogs.shown.clear();  // "a" names no file to measure
  Get<QLineEdit>("Edit4")->setText("Hero_A");
  dialogs.answers = {false, true};
  Click("Button6");
  EXPECT_EQ(Entries().size(), 2u);
  Click("Button6");
  EXPECT_TRUE(Entries().empty());
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[1].kind, "question");
  EXPECT_EQ(dialogs.shown[1].caption, "Warning");
  EXPECT_EQ(dialogs.shown[1].text, "list of bmp will be clear, continue?");
  EXPECT_EQ(Text("Label8"), "0");
  EXPECT_EQ(Text("Label7"), "0");
  EXPECT_EQ(Text("Edit4"), "Hero_A");
}

TEST_F(WindowTest, ACheckMarkToggledMovesTheSelectionDown) {
  SetEntries({"a", "b", "c"});
  const struct {
    int row;
    int selectedAfter;
  } toggles[] = {{0, 1}, {1, 2}, {2, -1}};
  for (const auto& toggle : toggles) {
    SelectRow(toggle.row);
    Check(toggle.row, true);
    EXPECT_EQ(SelectedRow(), toggle.selectedAfter) << toggle.row;
  }
  EXPECT_EQ(Checks(), (std::vector<bool>{true, true, true}));
  EXPECT_EQ(window->document().list.Checked(2), true);
}

TEST_F(WindowTest, TheListsContextMenuOffersTheListCommands) {
  std::vector<std::string> captions;
  for (QAction* action : Get<QListView>("ListBox1")->actions()) {
    captions.push_back(action->text().toStdString());
  }
  EXPECT_EQ(captions,
            (std::vector<std::string>{
                "ADD File", "Cut File (Key: Delete)", "AddSeparator", "New", "", "View DEF...",
                "View the built DEF", "", "Reference palette...", "Clear reference palette",
                "Dither true-colour frames", "palette: none yet, the list has no frame"}));
  Get<QListView>("ListBox1")->actions()[2]->trigger();
  EXPECT_EQ(Entries(), std::vector<std::string>{Separator()});
}

TEST_F(WindowTest, TheListsContextMenuShowsInTheWindowsFont) {
  auto* list = Get<QListView>("ListBox1");
  QFont shown;
  int actions = 0;
  QTimer::singleShot(0, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    shown = menu->font();
    actions = int(menu->actions().size());
    menu->close();
  });
  const QPoint at(10, 10);
  QContextMenuEvent open(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
  QApplication::sendEvent(list->viewport(), &open);
  EXPECT_EQ(shown.toString().toStdString(), window->font().toString().toStdString());
  EXPECT_EQ(actions, int(list->actions().size()));
}

TEST_F(WindowTest, DroppedBitmapsOnTheListAreAddedOthersAreLeftOut) {
  const auto frames = Frames(2, 20, 10);
  const std::string upper = folder.Bmp("UPPER.BMP", bmpgen::Bmp8(8, 8));
  Drop({100, 100}, {frames[0]});  // beside the list: nothing
  EXPECT_TRUE(Entries().empty());
  const std::string png = folder.Png("shot.png", bmpgen::PalettePng(bmpgen::Bmp8(8, 8)));
  Drop({500, 100}, {frames[0], folder.File("notes.txt"), upper, png});
  EXPECT_EQ(Entries(), (std::vector<std::string>{frames[0], upper, png}));
}

}  // namespace
