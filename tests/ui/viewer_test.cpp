// SPDX-License-Identifier: GPL-3.0-or-later
// The DEF viewer, opened from the main window as a user opens it.

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QSpinBox>

#include "defread/def_file.h"
#include "ui/viewer.h"
#include "window_fixture.h"

namespace {

using kelvane::ui::DefViewer;

class ViewerTest : public WindowTest {
 protected:
  // A terrain DEF of groups 0 (three frames) and 1 (one frame), built by the window.
  std::string BuildDef() {
    const auto frames = Frames(4);
    Pick("ComboBox2", 3);
    SetEntries({frames[0], frames[1], frames[2], Separator(), frames[3], Separator()});
    const std::string def = folder.File("built.def");
    Get<QLineEdit>("Edit3")->setText(QString::fromStdString(def));
    BuildAndWait();
    EXPECT_TRUE(testing_support::FileExists(def));
    return def;
  }
  QAction* Action(const char* name) const { return Get<QAction>(name); }
  DefViewer* Viewer() const { return window->findChild<DefViewer*>(); }
  template <typename Widget>
  Widget* InViewer(const char* name) const {
    return Viewer() == nullptr ? nullptr : Viewer()->findChild<Widget*>(name);
  }
  std::string Facts() const { return InViewer<QLabel>("facts")->text().toStdString(); }
  void Press(const char* button) const { InViewer<QPushButton>(button)->click(); }
};

TEST_F(ViewerTest, TheListsMenuViewsTheBuiltDefWhileItExists) {
  Get<QLineEdit>("Edit3")->setText(QString::fromStdString(folder.File("none.def")));
  EXPECT_FALSE(Action("viewBuiltDef")->isEnabled());
  BuildDef();
  ASSERT_TRUE(Action("viewBuiltDef")->isEnabled());
  Action("viewBuiltDef")->trigger();
  ASSERT_NE(Viewer(), nullptr);
  EXPECT_TRUE(Viewer()->isVisible());
  const auto* groups = InViewer<QListView>("groups");
  ASSERT_EQ(groups->model()->rowCount(), 2);
  EXPECT_EQ(groups->model()->index(0, 0).data().toString().toStdString(), "Group 0: 3 frames");
  EXPECT_EQ(groups->model()->index(1, 0).data().toString().toStdString(), "Group 1: 1 frame");
  EXPECT_EQ(groups->currentIndex().row(), 0);
  EXPECT_EQ(Facts(),
            "Frame 1 of 3: \"\\xcd\\xcdframe1.pcx\", format 0\n"
            "Size 32 x 32 in a full frame of 32 x 32, margins 0 left, 0 top");
  Get<QLineEdit>("Edit3")->setText("");
  EXPECT_FALSE(Action("viewBuiltDef")->isEnabled());
}

TEST_F(ViewerTest, CtrlDOpensADefChosenInADialogAndReportsADamagedOne) {
  const std::string def = BuildDef();
  EXPECT_EQ(Action("viewDef")->shortcut().toString().toStdString(), "Ctrl+D");
  const std::string damaged = folder.File("damaged.def");
  testing_support::WriteBytes(damaged, {0x45, 0, 0, 0, 1});
  dialogs.openAnswers.push_back(kelvane::ui::OpenFilesAnswer{{damaged}, 0});
  Action("viewDef")->trigger();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, "error");
  EXPECT_TRUE(Viewer() == nullptr || !Viewer()->isVisible());

  dialogs.openAnswers.push_back(kelvane::ui::OpenFilesAnswer{{def}, 0});
  Action("viewDef")->trigger();
  EXPECT_EQ(dialogs.openRequests.back().filters.front().pattern, "*.def");
  ASSERT_NE(Viewer(), nullptr);
  EXPECT_EQ(Viewer()->path(), def);
  EXPECT_EQ(InViewer<QListView>("groups")->model()->rowCount(), 2);
}

// The timer's beats are the viewer's Tick: called here directly.
TEST_F(ViewerTest, StepsPlaysAndZoomsTheFramesOfAGroup) {
  const std::string def = BuildDef();
  Action("viewBuiltDef")->trigger();
  ASSERT_NE(Viewer(), nullptr);
  const struct {
    const char* press;  // a button, "tick", or "group1"
    int frame;          // counted from 1, as the facts say it
    bool playing;
  } steps[] = {{"next", 2, false},     {"play", 2, true},  {"tick", 3, true}, {"tick", 1, true},
               {"previous", 3, false}, {"tick", 3, false}, {"play", 3, true}, {"group1", 1, false}};
  for (const auto& step : steps) {
    SCOPED_TRACE(step.press);
    if (std::string(step.press) == "tick") {
      Viewer()->Tick();
    } else if (std::string(step.press) == "group1") {
      auto* groups = InViewer<QListView>("groups");
      groups->setCurrentIndex(groups->model()->index(1, 0));
    } else {
      Press(step.press);
    }
    EXPECT_EQ(Facts().substr(0, 8), "Frame " + std::to_string(step.frame) + " ");
    EXPECT_EQ(InViewer<QPushButton>("play")->isChecked(), step.playing);
  }
  EXPECT_FALSE(InViewer<QPushButton>("play")->isEnabled());  // one frame does not play
  const auto* picture = InViewer<QLabel>("picture");
  EXPECT_EQ(picture->pixmap().size(), QSize(64, 64));
  InViewer<QSpinBox>("zoom")->setValue(5);
  EXPECT_EQ(picture->pixmap().size(), QSize(160, 160));
}

TEST_F(ViewerTest, ExportSavesTheFrameShownWithTheDefsPalette) {
  const std::string def = BuildDef();
  Action("viewBuiltDef")->trigger();
  ASSERT_NE(Viewer(), nullptr);
  Press("next");
  const std::string png = folder.File("shown.png");
  dialogs.saveAnswers.push_back(png);
  Press("export");
  ASSERT_EQ(dialogs.saveRequests.size(), 1u);
  EXPECT_EQ(dialogs.saveRequests[0].initialName, folder.File("frame2.png"));
  EXPECT_TRUE(dialogs.shown.empty());

  const QImage saved(QString::fromStdString(png));
  ASSERT_EQ(saved.format(), QImage::Format_Indexed8);
  const auto frame = kelvane::DefFile::Open(def).DecodeFrame(0, 1);
  ASSERT_EQ(saved.size(), QSize(frame.width, frame.height));
  for (int y = 0; y < frame.height; ++y) {
    for (int x = 0; x < frame.width; ++x) {
      ASSERT_EQ(saved.pixelIndex(x, y), frame.At(x, y)) << x << ", " << y;
    }
  }
  EXPECT_EQ(qAlpha(saved.color(0)), 0);
  EXPECT_EQ(qAlpha(saved.color(42)), 255);
}

}  // namespace
