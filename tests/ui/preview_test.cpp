// SPDX-License-Identifier: GPL-3.0-or-later
// The preview of the selected entry.

#include <QCheckBox>
#include <QDir>
#include <QTest>

#include "window_fixture.h"

namespace {

qint64 PictureKey(const QLabel* image) {
  return image->pixmap().isNull() ? 0 : image->pixmap().cacheKey();
}

TEST_F(WindowTest, SelectingAFrameShowsItAndItsPosition) {
  const auto frames = Frames(2, 40, 30);
  AddFiles(frames);
  SelectRow(1);
  auto* image = Get<QLabel>("Image1");
  EXPECT_EQ(image->pixmap().size(), QSize(40, 30));
  EXPECT_TRUE(image->hasScaledContents());
  EXPECT_EQ(Text("Label7"), "2");
}

TEST_F(WindowTest, ASeparatorKeepsThePictureAndShowsItsPosition) {
  AddFiles(Frames(1));
  Click("Button5");
  SelectRow(0);
  const qint64 shown = PictureKey(Get<QLabel>("Image1"));
  ASSERT_NE(shown, 0);
  SelectRow(1);
  EXPECT_EQ(PictureKey(Get<QLabel>("Image1")), shown);
  EXPECT_EQ(Text("Label7"), "2");
}

TEST_F(WindowTest, WithAnotherAddFilterEntryLastChosenNoPictureIsLoaded) {
  AddFiles(Frames(2), 1);
  SelectRow(1);
  EXPECT_TRUE(Get<QLabel>("Image1")->pixmap().isNull());
  EXPECT_EQ(Text("Label7"), "2");
}

TEST_F(WindowTest, StretchChangesAtTheNextPreviewOnly) {
  AddFiles(Frames(2));
  SelectRow(0);
  Click("CheckBox1");
  EXPECT_TRUE(Get<QLabel>("Image1")->hasScaledContents());
  SelectRow(1);
  EXPECT_FALSE(Get<QLabel>("Image1")->hasScaledContents());
}

TEST_F(WindowTest, ClickingTheSelectedEntryAgainAppliesANewStretchMode) {
  AddFiles(Frames(2));
  window->show();
  auto* list = Get<QListView>("ListBox1");
  const QPoint first = list->visualRect(list->model()->index(0, 0)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
  EXPECT_EQ(Text("Label7"), "1");
  EXPECT_TRUE(Get<QLabel>("Image1")->hasScaledContents());
  Click("CheckBox1");
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
  EXPECT_FALSE(Get<QLabel>("Image1")->hasScaledContents());
}

TEST_F(WindowTest, AFileThePreviewCannotShowIsReportedAndChangesNothing) {
  const std::string text = folder.File("notes.bmp");
  testing_support::WriteBytes(text, {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'});
  QDir(QString::fromStdString(folder.path())).mkdir("folder.bmp");
  auto huge = bmpgen::EncodeBmp8(bmpgen::Bmp8(4, 4));
  huge[18] = 0xA0, huge[19] = 0x86, huge[20] = 0x01;  // biWidth 100000
  testing_support::WriteBytes(folder.File("huge.bmp"), huge);
  const struct {
    std::string path;
    const char* reason;  // nullptr: any reason the loader gives
  } bad[] = {{folder.File("missing.bmp"), "File not found"},
             {text, nullptr},
             {folder.File("folder.bmp"), "Not a file that holds a picture."},
             {folder.File("huge.bmp"), "The picture is too large to preview (100000 x 4)."}};
  const auto good = Frames(1);
  AddFiles({good[0]});
  for (const auto& file : bad) {
    AddFiles({file.path});  // nothing selected: appended
  }
  SelectRow(0);
  const qint64 shown = PictureKey(Get<QLabel>("Image1"));
  for (int row = 1; row <= 4; ++row) {
    const auto& file = bad[row - 1];
    dialogs.shown.clear();
    SelectRow(row);
    ASSERT_EQ(dialogs.shown.size(), 1u) << file.path;
    EXPECT_EQ(dialogs.shown[0].kind, "error");
    if (file.reason != nullptr) {
      EXPECT_EQ(dialogs.shown[0].text, file.reason);
    }
    EXPECT_FALSE(dialogs.shown[0].text.empty());
    EXPECT_EQ(dialogs.shown[0].path, file.path);
    EXPECT_EQ(PictureKey(Get<QLabel>("Image1")), shown);
    EXPECT_EQ(Text("Label7"), "1");
  }
}

}  // namespace
