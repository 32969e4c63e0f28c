// SPDX-License-Identifier: GPL-3.0-or-later
// True-colour frames in the window: the preview as built and the original,
// the reference palette and dithering from the list's context menu.

#include <QAction>
#include <QHelpEvent>
#include <QPushButton>
#include <QTest>

#include "prepare/palette_file.h"
#include "ui/ui_texts.h"
#include "window_fixture.h"

namespace {

QAction* Action(const QListView* list, const char* name) {
  for (QAction* action : list->actions()) {
    if (action->objectName() == name) {
      return action;
    }
  }
  ADD_FAILURE() << "no action " << name;
  return nullptr;
}

class TrueColourWindowTest : public WindowTest {
 protected:
  // 6 x 4: the left half transparent, the right half one opaque colour.
  std::string Frame() {
    std::vector<uint8_t> rgba;
    for (int i = 0; i < 24; ++i) {
      const bool left = i % 6 < 3;
      rgba.insert(rgba.end(), {200, 30, 60, uint8_t(left ? 0 : 255)});
    }
    return folder.Png("frame.png", bmpgen::RgbaPng(6, 4, rgba));
  }
  QImage Shown() const { return Get<QLabel>("Image1")->pixmap().toImage(); }
  QString Tip() const { return Get<QLabel>("Image1")->toolTip(); }
};

TEST_F(TrueColourWindowTest, PreviewShowsTheFrameAsBuiltAndTheOriginalOnO) {
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  AddFiles({Frame()}, 3);
  SelectRow(0);
  // Mapped on a worker thread: the original shows until it is done.
  ASSERT_TRUE(QTest::qWaitFor([&] { return Tip() == kelvane::ui::ui_text::kPreviewMapped; }))
      << Tip().toStdString();
  // A palette made for the frame: its colour kept, transparency on index 0's cyan.
  EXPECT_EQ(Shown().pixelColor(4, 1), QColor(200, 30, 60));
  EXPECT_EQ(Shown().pixelColor(0, 1), QColor(0, 255, 255));
  QTest::keyClick(Get<QListView>("ListBox1"), Qt::Key_O);
  EXPECT_EQ(Tip(), QString(kelvane::ui::ui_text::kPreviewOriginal));
  EXPECT_EQ(Shown().pixelColor(0, 1).alpha(), 0);
  QTest::keyClick(Get<QListView>("ListBox1"), Qt::Key_O);
  EXPECT_EQ(Shown().pixelColor(0, 1), QColor(0, 255, 255));
}

TEST_F(TrueColourWindowTest, ReferencePaletteIsPickedShownAndCleared) {
  AddFiles({Frame()}, 3);
  auto* list = Get<QListView>("ListBox1");
  const std::string pal = folder.File("game.pal");
  kelvane::RgbPalette grey{};
  for (size_t i = 0; i < grey.size(); ++i) {
    grey[i] = uint8_t(i / 3);
  }
  kelvane::WritePaletteFile(pal, grey);
  const std::string bad = folder.Png("few.png", [] {
    bmpgen::Bmp8 few(2, 2);
    few.colours = 4;
    return bmpgen::PalettePng(few);
  }());
  dialogs.openAnswers.push_back(kelvane::ui::OpenFilesAnswer{{bad}, 0});
  Action(list, "referencePalette")->trigger();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, "error");
  EXPECT_EQ(window->document().colours.referencePalette, "");

  dialogs.openAnswers.push_back(kelvane::ui::OpenFilesAnswer{{pal}, 0});
  Action(list, "referencePalette")->trigger();
  EXPECT_EQ(window->document().colours.referencePalette, pal);
  EXPECT_TRUE(Action(list, "clearReferencePalette")->isEnabled());
  auto* create = Get<QPushButton>("Button1");
  QHelpEvent hover(QEvent::ToolTip, {5, 5}, create->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(create, &hover);
  EXPECT_EQ(create->toolTip().toStdString(),
            "Builds the DEF file (Ctrl+B, F5)\npalette: the reference " + pal);

  Action(list, "dither")->trigger();
  EXPECT_TRUE(window->document().colours.dither);
  Action(list, "clearReferencePalette")->trigger();
  EXPECT_EQ(window->document().colours.referencePalette, "");
  EXPECT_FALSE(Action(list, "clearReferencePalette")->isEnabled());
  EXPECT_EQ(Action(list, "paletteLine")->text(), "palette: made for these true-colour frames");
}

}  // namespace
