// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: its picture of the main window, its built-in text and the
// help.txt of the start folder.

#include <sys/stat.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <cstdio>

#include "ui/Unit3.h"
#include "ui/help_picture.h"
#include "ui/help_text.h"
#include "window_fixture.h"

namespace {

// `size` bytes of lines of 64 characters.
std::string Lines(size_t size) {
  std::string text;
  while (text.size() < size) {
    text += std::string(63, 'x') + '\n';
  }
  return text.substr(0, size);
}

class HelpTest : public WindowTest {
 protected:
  // The main window starts in the temporary folder, its start folder.
  HelpTest() {
    testing_support::InFolder(folder.path(),
                              [this] { window = std::make_unique<kelvane::ui::TForm1>(dialogs); });
    help = std::make_unique<kelvane::ui::TForm3>(*window, dialogs);
  }
  ~HelpTest() override { help.reset(); }

  std::string ShownText() {
    help->hide();
    help->show();
    return help->findChild<QPlainTextEdit*>("Memo1")->toPlainText().toStdString();
  }
  void WriteHelp(const std::string& folderPath, const std::string& bytes) {
    testing_support::WriteBytes(folderPath + "/help.txt", {bytes.begin(), bytes.end()});
  }

  std::unique_ptr<kelvane::ui::TForm3> help;
};

TEST_F(HelpTest, ShowsTheBuiltInTextBesideTheNumberedWindow) {
  EXPECT_EQ(ShownText(), kelvane::ui::BuiltInHelpText().toStdString());
  EXPECT_EQ(help->windowTitle().toStdString(), "Kelvane Help 1.0");
  // 827 x 579 where the screen has room (the offscreen one has 800 x 600):
  // on a smaller screen the window is smaller and its client scrolls.
  EXPECT_EQ(help->findChild<QPlainTextEdit*>("Memo1")->geometry(), QRect(409, 0, 418, 579));
  EXPECT_EQ(help->size(), QSize(827, 579).boundedTo(help->maximumSize()));
  EXPECT_LE(help->width() + 8, QApplication::primaryScreen()->availableGeometry().width());
  EXPECT_FALSE(help->isModal());
  const QString text = kelvane::ui::BuiltInHelpText();
  const QPixmap picture = help->findChild<QLabel*>("Image1")->pixmap();
  EXPECT_EQ(picture.size(), QSize(409, 579));
  const QRect pictureRect(QPoint(-24, -55), picture.size());  // in the window's pixels
  for (const auto& item : kelvane::ui::HelpNumbers()) {
    SCOPED_TRACE(item.number);
    EXPECT_NE(window->findChild<QWidget*>(item.control), nullptr);
    EXPECT_TRUE(pictureRect.contains(item.at));
    EXPECT_TRUE(text.contains(QString("\n%1. ").arg(item.number)));
  }
  EXPECT_EQ(kelvane::ui::HelpNumbers().size(), 19u);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(HelpTest, TheStartFoldersHelpFileReplacesTheTextEachTimeTheWindowShows) {
  const struct {
    const char* name;
    std::string bytes;  // written as help.txt; empty: a folder of that name
    std::string shown;
    const char* box;  // the box shown, or nullptr
  } steps[] = {
      {"Windows-1251", "\xd1\xef\xf0\xe0\xe2\xea\xe0\r\n", "Справка\n", nullptr},
      {"UTF-8", "Справка, правка\n", "Справка, правка\n", nullptr},
      {"too large", Lines(2 * 1024 * 1024), Lines(1024 * 1024),
       "is larger than 1 MiB: only its first 1 MiB is shown."},
      {"unreadable", "", Lines(1024 * 1024), "File access denied"},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.name);
    dialogs.shown.clear();
    if (step.bytes.empty()) {
      std::remove(folder.File("help.txt").c_str());
      ASSERT_EQ(::mkdir(folder.File("help.txt").c_str(), 0700), 0);
    } else {
      WriteHelp(folder.path(), step.bytes);
    }
    EXPECT_EQ(ShownText(), step.shown);
    ASSERT_EQ(dialogs.shown.size(), step.box == nullptr ? 0u : 1u);
    if (step.box != nullptr) {
      EXPECT_NE(dialogs.shown[0].text.find(step.box), std::string::npos) << dialogs.shown[0].text;
    }
  }
}

TEST(HelpTextTest, FollowsTheDesktopsLanguageWithTheSameNineteenItems) {
  const struct {
    QLocale locale;
    const char* start;
  } languages[] = {{QLocale(QLocale::Russian, QLocale::Russia), "Справка"},
                   {QLocale(QLocale::English, QLocale::UnitedKingdom), "Kelvane help"},
                   {QLocale(QLocale::German), "Kelvane help"},
                   {QLocale::c(), "Kelvane help"}};
  for (const auto& language : languages) {
    const QString text = kelvane::ui::BuiltInHelpText(language.locale);
    EXPECT_TRUE(text.startsWith(QString::fromUtf8(language.start))) << language.start;
    for (int item = 1; item <= 19; ++item) {
      EXPECT_TRUE(text.contains(QString("\n%1. ").arg(item))) << item;
    }
    EXPECT_FALSE(text.contains("\n20. "));
  }
}

TEST_F(HelpTest, AHelpFileInTheDocumentsFolderIsNotUsed) {
  testing_support::TempDir elsewhere;
  WriteHelp(elsewhere.path(), "elsewhere");
  const std::string document = elsewhere.File("doc.h3l");
  testing_support::WriteBytes(document, {'a', '.', 'b', 'm', 'p', '\r', '\n'});
  window->OpenDefList(document);
  EXPECT_EQ(window->document().folder, elsewhere.path());
  EXPECT_EQ(ShownText(), kelvane::ui::BuiltInHelpText().toStdString());
}

}  // namespace
