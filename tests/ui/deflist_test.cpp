// SPDX-License-Identifier: GPL-3.0-or-later
// Save As DefList and Load DefList through the dialogs, and a document dropped
// on the window.

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>

#include "window_fixture.h"

namespace {

std::string Here() {
  return QDir::currentPath().toStdString();
}

std::vector<uint8_t> Bytes(const std::string& text) {
  return {text.begin(), text.end()};
}

TEST_F(WindowTest, ASavedListLoadsBackWithItsSettingsAndMovesTheCurrentFolder) {
  const auto frames = Frames(3, 40, 30);
  SetEntries({frames[0], frames[1], Separator(), frames[2], Separator()});
  Pick("ComboBox2", 3);
  Click("CB5");
  Get<QLineEdit>("Edit5")->setText("-7");
  Get<QLineEdit>("Edit4")->setText("Hero_A");
  Get<QLineEdit>("Edit3")->setText("elsewhere.def");
  dialogs.saveAnswers.push_back(folder.File("saved.txt"));
  Click("BitBtn1");
  ASSERT_TRUE(testing_support::FileExists(folder.File("saved.H3L")));
  EXPECT_EQ(Here(), folder.path());
  const auto& saveRequest = dialogs.saveRequests.back();
  EXPECT_EQ(saveRequest.filters[0].label, "DeF List");
  EXPECT_EQ(saveRequest.filters[0].pattern, "*.H3l");
  EXPECT_EQ(saveRequest.initialName, "Temp.h3l");

  QDir::setCurrent(QDir::tempPath());
  dialogs.answers.push_back(true);
  Click("Button6");
  Pick("ComboBox2", 0);
  Click("CB5");
  dialogs.openAnswers.push_back(kelvane::ui::OpenFilesAnswer{{folder.File("saved.H3L")}, 1});
  Click("Button4");
  EXPECT_TRUE(dialogs.shown.size() == 1u) << dialogs.shown.back().text;
  EXPECT_EQ(Entries(),
            (std::vector<std::string>{frames[0], frames[1], Separator(), frames[2], Separator()}));
  EXPECT_EQ(Here(), folder.path());
  EXPECT_EQ(Text("ComboBox2"), "Terrain");
  EXPECT_TRUE(Get<QCheckBox>("CB5")->isChecked());
  EXPECT_TRUE(Get<QLineEdit>("Edit5")->isEnabled());
  EXPECT_EQ(Text("Edit5"), "-7");
  EXPECT_EQ(Text("Edit4"), "Hero_A");
  EXPECT_EQ(Text("Edit3"), "Temp.def");
  EXPECT_EQ(Text("Edit1"), "40");
  EXPECT_EQ(Text("Label8"), "2");

  const auto& openRequest = dialogs.openRequests.back();
  ASSERT_EQ(openRequest.filters.size(), 2u);
  EXPECT_EQ(openRequest.filters[0].label, "*.h3l");
  EXPECT_EQ(openRequest.filters[1].label, "*.h3l New");
  EXPECT_EQ(openRequest.filters[1].pattern, "*.h3l");
  EXPECT_EQ(openRequest.initialName, "*.h3l");
  EXPECT_FALSE(openRequest.multiple);
}

TEST_F(WindowTest, ACancelledLoadStillEndsAsALoadDoes) {
  AddFiles(Frames(1, 24, 20));
  Click("Button5");
  Get<QLineEdit>("Edit1")->setText("99");
  Get<QLineEdit>("Edit3")->setText("x.def");
  const std::string before = Here();
  dialogs.openAnswers.push_back(std::nullopt);
  Click("Button4");
  EXPECT_EQ(Text("Edit3"), "Temp.def");
  EXPECT_EQ(Text("Edit1"), "24");
  EXPECT_EQ(Text("Label8"), "1");
  EXPECT_EQ(Here(), before);
}

TEST_F(WindowTest, ALoadErrorIsReportedAndKeepsWhatWasRead) {
  const std::string listOnly = folder.File("plain.h3l");
  testing_support::WriteBytes(listOnly, {'a', '.', 'b', 'm', 'p', '\r', '\n'});
  SetEntries({"kept"});
  dialogs.openAnswers.push_back(kelvane::ui::OpenFilesAnswer{{listOnly}, 1});
  Click("Button4");
  ASSERT_FALSE(dialogs.shown.empty());
  EXPECT_EQ(dialogs.shown.back().kind, "error");
  EXPECT_EQ(dialogs.shown.back().text, "Invalid numeric input");
  EXPECT_EQ(Entries(), std::vector<std::string>{"kept"});
}

// A load that stopped after the output line leaves the document's name in the
// field; building from it keeps the rule that a DefList writes in its folder.
TEST_F(WindowTest, ABuildRefusesAnOutputNameALoadLeftOutsideTheFolder) {
  const auto frames = Frames(1, 32, 32);
  SetEntries({frames[0], Separator()});
  Pick("ComboBox2", 3);
  const std::string document = folder.File("sub/doc.h3l");
  QDir().mkpath(QString::fromStdString(folder.File("sub")));
  testing_support::WriteBytes(document, Bytes("3\r\n4\r\n../victim.def\r\nFALSE\r\nFALSE\r\n"
                                              "FALSE\r\n32\r\n32\r\n\r\nnone\r\n"));
  dialogs.openAnswers.push_back(kelvane::ui::OpenFilesAnswer{{document}, 1});
  Click("Button4");
  ASSERT_EQ(Text("Edit3"), "../victim.def");
  Click("Button1");
  EXPECT_NE(dialogs.shown.back().text.find("climbs out with \"..\""), std::string::npos)
      << dialogs.shown.back().text;
  EXPECT_FALSE(testing_support::FileExists(folder.File("victim.def")));
}

TEST_F(WindowTest, ADroppedDocumentOpensAsTypeTwo) {
  const auto frames = Frames(1, 16, 16);
  SetEntries({frames[0], Separator()});
  Pick("ComboBox2", 2);
  dialogs.saveAnswers.push_back(folder.File("dropped.h3l"));
  Click("BitBtn1");
  dialogs.answers.push_back(true);
  Click("Button6");
  Pick("ComboBox2", 0);

  dialogs.shown.clear();
  Drop({50, 50}, {folder.File("notes.txt"), folder.File("dropped.H3L")});
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(Entries(), (std::vector<std::string>{frames[0], Separator()}));
  EXPECT_EQ(Text("ComboBox2"), "Map object");
}

TEST_F(WindowTest, ADocumentNamedRelativeToTheCurrentFolderOpens) {
  const auto frames = Frames(1, 16, 16);
  SetEntries({frames[0], Separator()});
  dialogs.saveAnswers.push_back(folder.File("start.h3l"));
  Click("BitBtn1");
  dialogs.answers.push_back(true);
  Click("Button6");
  const QFileInfo document(QString::fromStdString(folder.File("start.H3L")));
  QDir::setCurrent(document.dir().absolutePath() + "/..");
  window->OpenDefList((document.dir().dirName() + "/start.H3L").toStdString());
  EXPECT_EQ(Entries(), (std::vector<std::string>{frames[0], Separator()}));
  EXPECT_EQ(Here(), folder.path());
}

}  // namespace
