// SPDX-License-Identifier: GPL-3.0-or-later
// Save As DefList and Load DefList through the dialogs, and a document dropped
// on the window: paths named from the document's folder, the variant read from
// the content, and cancelled dialogs that change nothing.

#include <QCheckBox>
#include <QDir>
#include <filesystem>

#include "support/cli_run.h"
#include "window_fixture.h"

namespace {

using kelvane::ui::OpenFilesAnswer;

std::string AsText(const std::vector<uint8_t>& bytes) {
  return std::string(bytes.begin(), bytes.end());
}

void WriteText(const std::string& path, const std::string& text) {
  testing_support::WriteBytes(path, {text.begin(), text.end()});
}

// The 15 settings lines of a Terrain document.
const char* const kTerrainHeader =
    "3\r\n4\r\nout.def\r\nFALSE\r\nFALSE\r\nFALSE\r\n32\r\n32\r\n\r\n-1\r\nFALSE\r\nFALSE\r\n"
    "FALSE\r\nAuto\r\nAuto\r\n";

TEST_F(WindowTest, ASavedListLoadsBackWithItsSettings) {
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
  // The frames lie in the document's folder: named from there, here and in the file.
  const std::vector<std::string> named = {"frame1.bmp", "frame2.bmp", Separator(), "frame3.bmp",
                                          Separator()};
  EXPECT_EQ(Entries(), named);
  EXPECT_EQ(window->document().folder, folder.path());
  const auto& saveRequest = dialogs.saveRequests.back();
  EXPECT_EQ(saveRequest.filters[0].label, "DeF List");
  EXPECT_EQ(saveRequest.filters[0].pattern, "*.H3l");
  EXPECT_EQ(saveRequest.initialName, "Temp.h3l");

  dialogs.answers.push_back(true);
  Click("Button6");
  Pick("ComboBox2", 0);
  Click("CB5");
  dialogs.openAnswers.push_back(OpenFilesAnswer{{folder.File("saved.H3L")}, 0});
  Click("Button4");
  EXPECT_TRUE(dialogs.shown.size() == 1u) << dialogs.shown.back().text;
  EXPECT_EQ(Entries(), named);
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

// Frames beside a document in a sub-folder, then the document saved into
// another folder: it must name them from there, and build the same DEF.
TEST_F(WindowTest, ADocumentSavedElsewhereBuildsTheSameBytes) {
  std::filesystem::create_directories(folder.File("a/terrain"));
  std::filesystem::create_directories(folder.File("b"));
  bmpgen::Bmp8 tile = testing_support::Tile32(1);
  folder.Bmp("a/terrain/grass00.bmp", tile);
  folder.Bmp("a/terrain/grass01.bmp", testing_support::Tile32(2));
  WriteText(folder.File("a/terrain.h3l"),
            kTerrainHeader + std::string("terrain/grass00.bmp\r\nterrain/grass01.bmp  0+\r\n"));
  dialogs.openAnswers.push_back(OpenFilesAnswer{{folder.File("a/terrain.h3l")}, 0});
  Click("Button4");
  ASSERT_TRUE(dialogs.shown.empty()) << dialogs.shown[0].text;
  dialogs.saveAnswers.push_back(folder.File("b/moved.h3l"));
  Click("BitBtn1");
  const std::string saved = AsText(testing_support::ReadBytes(folder.File("b/moved.H3L")));
  EXPECT_NE(saved.find("\r\n" + folder.File("a/terrain/grass00.bmp") + "\r\n"), std::string::npos)
      << saved;

  dialogs.answers.push_back(true);
  Click("Button6");
  dialogs.openAnswers.push_back(OpenFilesAnswer{{folder.File("b/moved.H3L")}, 0});
  Click("Button4");
  ASSERT_TRUE(dialogs.shown.size() == 1u) << dialogs.shown.back().text;
  Get<QLineEdit>("Edit3")->setText("window.def");
  BuildAndWait();
  const auto cli = testing_support::Build({"--list", folder.File("a/terrain.h3l"), "-q"});
  ASSERT_EQ(cli.status, 0) << cli.err;
  EXPECT_EQ(testing_support::ReadBytes(folder.File("b/window.def")),
            testing_support::ReadBytes(folder.File("a/out.def")));
  const auto moved = testing_support::Build(
      {"--list", folder.File("b/moved.H3L"), "-q", "-o", folder.File("b/cli.def")});
  ASSERT_EQ(moved.status, 0) << moved.err;
  EXPECT_EQ(testing_support::ReadBytes(folder.File("b/cli.def")),
            testing_support::ReadBytes(folder.File("a/out.def")));
}

TEST_F(WindowTest, TheVariantIsReadFromTheContent) {
  const auto frames = Frames(1, 16, 16);
  const struct {
    const char* name;
    std::string text;
    int filterIndex;
    std::vector<std::string> entries;
    const char* type;  // ComboBox2 afterwards
  } documents[] = {
      {"settings, first entry",
       kTerrainHeader + std::string("frame1.bmp  0+\r\n"),
       0,
       {"frame1.bmp", Separator()},
       "Terrain"},
      {"plain, second entry", "frame1.bmp\r\n", 1, {"frame1.bmp"}, "Buttons,backgrounds,mosters."},
      // A first line that is a number and no settings after it: the entry decides.
      {"either, first entry",
       "7\r\nframe1.bmp\r\n",
       0,
       {"7", "frame1.bmp"},
       "Buttons,backgrounds,mosters."},
  };
  for (const auto& document : documents) {
    SCOPED_TRACE(document.name);
    WriteText(folder.File("doc.h3l"), document.text);
    Pick("ComboBox2", 0);
    dialogs.openAnswers.push_back(OpenFilesAnswer{{folder.File("doc.h3l")}, document.filterIndex});
    dialogs.shown.clear();
    Click("Button4");
    EXPECT_EQ(Entries(), document.entries);
    EXPECT_EQ(Text("ComboBox2"), document.type);
  }
}

TEST_F(WindowTest, AMonstersDocumentEnablesTypeOfMonster) {
  WriteText(folder.File("creature.h3l"),
            "0\r\n7\r\nout.def\r\nTRUE\r\nTRUE\r\nFALSE\r\n0\r\n0\r\n\r\n3\r\nFALSE\r\n"
            "FALSE\r\nFALSE\r\nAuto\r\nAuto\r\n");
  EXPECT_FALSE(Get<QWidget>("ComboBox3")->isEnabled());
  window->OpenDefList(folder.File("creature.h3l"));
  EXPECT_EQ(Text("ComboBox1"), "$42 (Monsters)");
  EXPECT_EQ(Text("ComboBox3"), "Titan");
  EXPECT_TRUE(Get<QWidget>("ComboBox3")->isEnabled());
}

TEST_F(WindowTest, ADocumentThatCannotBeReadChangesNothing) {
  WriteText(folder.File("bad.h3l"),
            "3\r\n4\r\nout.def\r\nFALSE\r\nFALSE\r\nFALSE\r\n32\r\n32\r\n"
            "\r\nx\r\nFALSE\r\nFALSE\r\nFALSE\r\nAuto\r\nAuto\r\na.bmp\r\n");
  SetEntries({"kept"});
  Get<QLineEdit>("Edit3")->setText("mine.def");
  dialogs.openAnswers.push_back(OpenFilesAnswer{{folder.File("bad.h3l")}, 1});
  Click("Button4");
  ASSERT_FALSE(dialogs.shown.empty());
  EXPECT_EQ(dialogs.shown.back().kind, "error");
  EXPECT_EQ(dialogs.shown.back().text, "Invalid numeric input");
  EXPECT_EQ(Entries(), std::vector<std::string>{"kept"});
  EXPECT_EQ(Text("Edit3"), "mine.def");
  EXPECT_EQ(Text("ComboBox2"), "Buttons,backgrounds,mosters.");
}

TEST_F(WindowTest, ACancelledDialogChangesNothing) {
  const auto frames = Frames(1, 24, 20);
  const char* const commands[] = {"Button2", "Button4", "BitBtn1", "BitBtn2"};
  for (const char* command : commands) {
    SCOPED_TRACE(command);
    SetEntries({frames[0]});
    Get<QLineEdit>("Edit1")->setText("99");
    Get<QLineEdit>("Edit3")->setText("x.def");
    dialogs.openAnswers.push_back(std::nullopt);
    dialogs.saveAnswers.push_back(std::nullopt);
    Click(command);
    EXPECT_EQ(Entries(), std::vector<std::string>{frames[0]});
    EXPECT_EQ(Text("Edit3"), "x.def");
    EXPECT_EQ(Text("Edit1"), "99");
    dialogs.openAnswers.clear();
    dialogs.saveAnswers.clear();
    dialogs.answers.push_back(true);
    Click("Button6");
  }
}

TEST_F(WindowTest, ADroppedDocumentOpensAndNamesItsFramesFromItsFolder) {
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
  EXPECT_EQ(Entries(), (std::vector<std::string>{"frame1.bmp", Separator()}));
  EXPECT_EQ(Text("ComboBox2"), "Map object");
  EXPECT_EQ(Text("Edit1"), "16");  // the first frame, found from the document's folder
}

TEST_F(WindowTest, ADocumentNamedRelativeToTheStartFolderOpens) {
  const auto frames = Frames(1, 16, 16);
  SetEntries({frames[0], Separator()});
  dialogs.saveAnswers.push_back(folder.File("start.h3l"));
  Click("BitBtn1");
  dialogs.answers.push_back(true);
  Click("Button6");
  // The program started in the folder above.
  const QDir parent = QFileInfo(QString::fromStdString(folder.path())).dir();
  window.reset();
  testing_support::InFolder(parent.absolutePath().toStdString(),
                            [&] { window = std::make_unique<kelvane::ui::TForm1>(dialogs); });
  window->OpenDefList(QDir(QString::fromStdString(folder.path())).dirName().toStdString() +
                      "/start.H3L");
  EXPECT_EQ(Entries(), (std::vector<std::string>{"frame1.bmp", Separator()}));
  EXPECT_EQ(window->document().folder, folder.path());
}

}  // namespace
