// SPDX-License-Identifier: GPL-3.0-or-later
// What a desktop tool does around the specified window: a title with the
// document and its unsaved changes, the question before they are thrown away,
// shortcuts shown in tooltips, places kept across starts and fitted to the
// screen, message boxes wide enough for their captions.

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include "ui/Unit3.h"
#include "ui/file_filters.h"
#include "ui/qt_dialogs.h"
#include "ui/screen_fit.h"
#include "window_fixture.h"

namespace {

using kelvane::ui::SaveAnswer;

class DesktopTest : public WindowTest {
 protected:
  // The title as shown once the window has caught up, "*" for unsaved changes.
  std::string Title() {
    QCoreApplication::processEvents();
    QString title = window->windowTitle();
    title.replace("[*]", window->isWindowModified() ? "*" : "");
    return title.toStdString();
  }
  QAction* ActionFor(const QKeySequence& keys) const {
    for (QAction* action : window->actions()) {
      if (action->shortcuts().contains(keys)) {
        return action;
      }
    }
    ADD_FAILURE() << "no action for " << keys.toString().toStdString();
    return nullptr;
  }
  // Closes the window as its close button does; true when it closed.
  bool CloseWindow() {
    QCloseEvent close;
    QApplication::sendEvent(window.get(), &close);
    return close.isAccepted();
  }
  // A saved document of two frames, named doc.H3L.
  void SaveDocument() {
    SetEntries(Frames(2));
    dialogs.saveAnswers.push_back(folder.File("doc.h3l"));
    Click("BitBtn1");
  }
};

const std::string kCaption = "Kelvane v. 8.5              ";

TEST_F(DesktopTest, TheTitleShowsTheDocumentAndItsUnsavedChanges) {
  EXPECT_EQ(Title(), kCaption);
  SetEntries(Frames(1));
  EXPECT_EQ(Title(), "Untitled* - " + kCaption);
  dialogs.saveAnswers.push_back(folder.File("doc.h3l"));
  Click("BitBtn1");
  EXPECT_EQ(Title(), "doc.H3L - " + kCaption);
  Get<QLineEdit>("Edit4")->setText("Mask");
  EXPECT_EQ(Title(), "doc.H3L* - " + kCaption);
  Get<QLineEdit>("Edit4")->setText("");
  EXPECT_EQ(Title(), "doc.H3L - " + kCaption);  // back as it was saved
  Check(0, true);
  EXPECT_EQ(Title(), "doc.H3L - " + kCaption);  // a DefList keeps no check marks
  Click("Button5");
  EXPECT_EQ(Title(), "doc.H3L* - " + kCaption);
  dialogs.answers.push_back(true);
  Click("Button6");
  EXPECT_EQ(Title(), kCaption);
  dialogs.openAnswers.push_back(kelvane::ui::OpenFilesAnswer{{folder.File("doc.H3L")}, 0});
  Click("Button4");
  EXPECT_EQ(Title(), "doc.H3L - " + kCaption);
}

TEST_F(DesktopTest, UnsavedChangesAreAskedAboutBeforeTheyAreThrownAway) {
  const struct {
    const char* command;
    std::function<void()> run;  // what throws the list away
  } commands[] = {
      {"New", [this] { Click("Button6"); }},
      {"Load DefList", [this] { Click("Button4"); }},
      {"a dropped document",
       [this] {
         Drop({50, 50}, {folder.File("doc.H3L")});
       }},
      {"the wizard",
       [this] {
         QTimer::singleShot(0, [] {
           if (auto* wizard = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
             wizard->reject();
           }
         });
         Click("WizardButton");
       }},
      {"closing", [this] { CloseWindow(); }},
  };
  for (const auto& command : commands) {
    for (SaveAnswer answer : {SaveAnswer::Cancel, SaveAnswer::Save, SaveAnswer::Discard}) {
      SCOPED_TRACE(std::string(command.command) + " " + std::to_string(int(answer)));
      SaveDocument();
      const auto before = testing_support::ReadBytes(folder.File("doc.H3L"));
      Click("Button5");  // an unsaved change
      dialogs.saveQuestions.clear();
      dialogs.openRequests.clear();
      dialogs.keepAnswers = {answer};
      dialogs.answers = {true, true, true};
      dialogs.openAnswers = {kelvane::ui::OpenFilesAnswer{{folder.File("doc.H3L")}, 0}};
      command.run();
      ASSERT_EQ(dialogs.saveQuestions.size(), 1u);
      EXPECT_EQ(dialogs.saveQuestions[0].text,
                "doc.H3L has changes that are not saved.\nSave them first?");
      if (answer == SaveAnswer::Cancel) {
        EXPECT_EQ(Entries().size(), 3u);  // the two frames and the separator stay
        EXPECT_EQ(dialogs.openRequests.size(), 0u);
      }
      EXPECT_EQ(testing_support::ReadBytes(folder.File("doc.H3L")) != before,
                answer == SaveAnswer::Save);
      dialogs.openRequests.clear();
      dialogs.keepAnswers.clear();
      Click("Button5");
      dialogs.keepAnswers = {SaveAnswer::Discard};
      dialogs.answers = {true};
      Click("Button6");
    }
  }
}

TEST_F(DesktopTest, ShortcutsRunTheirCommandsAndShowInTooltips) {
  const struct {
    QKeySequence keys;
    const char* control;  // whose tooltip names the keys
    const char* tip;
  } shortcuts[] = {
      {Qt::CTRL | Qt::Key_N, "Button6", "Empties the list (Ctrl+N)"},
      {Qt::CTRL | Qt::Key_O, "Button4", "Opens a DefList document (Ctrl+O)"},
      {Qt::CTRL | Qt::Key_S, "BitBtn1",
       "Saves the list and the settings as a DefList document (Ctrl+S)"},
      {Qt::Key_Insert, "Button2", "Adds BMP and PNG frames below the selected entry (Ins)"},
      {Qt::CTRL | Qt::Key_B, "Button1", "Builds the DEF file (Ctrl+B, F5)"},
      {Qt::Key_F5, "Button1", "Builds the DEF file (Ctrl+B, F5)"},
      {Qt::Key_F1, "help", "Shows the help (F1)"},
  };
  for (const auto& shortcut : shortcuts) {
    EXPECT_EQ(Get<QWidget>(shortcut.control)->toolTip().toStdString(), shortcut.tip);
    EXPECT_NE(ActionFor(shortcut.keys), nullptr);
  }
  EXPECT_EQ(Get<QWidget>("Button3")->toolTip().toStdString(), "Removes the selected entry (Del)");

  dialogs.openAnswers.push_back(kelvane::ui::OpenFilesAnswer{Frames(1), 0});
  ActionFor(Qt::Key_Insert)->trigger();
  EXPECT_EQ(Entries().size(), 1u);
  dialogs.saveAnswers.push_back(std::nullopt);
  ActionFor(Qt::CTRL | Qt::Key_S)->trigger();
  EXPECT_EQ(dialogs.saveRequests.size(), 1u);
  dialogs.answers.push_back(true);
  ActionFor(Qt::CTRL | Qt::Key_N)->trigger();
  EXPECT_TRUE(Entries().empty());
  window->show();
  ActionFor(Qt::CTRL | Qt::Key_Q)->trigger();
  EXPECT_FALSE(window->isVisible());
}

TEST(ScreenFitTest, AWindowLiesWholeOnTheScreenMovedAsLittleAsItCan) {
  const QRect screen(0, 0, 853, 683);  // 1280 x 1024 at a scale of 1.5
  const struct {
    QRect frame;
    QPoint at;
  } cases[] = {
      {{255, 307, 666, 523}, {187, 160}},  // the main window with its frame
      {{10, 20, 300, 200}, {10, 20}},
      {{-40, -10, 300, 200}, {0, 0}},
      {{192, 107, 835, 613}, {18, 70}},
      {{100, 100, 900, 700}, {0, 0}},  // larger: its title bar stays on the screen
  };
  for (const auto& c : cases) {
    EXPECT_EQ(kelvane::ui::FittedFramePosition(c.frame, screen), c.at) << c.frame.x();
  }
}

TEST_F(DesktopTest, WindowsOpenOnTheScreenAndTheMainOneWhereItWasLeft) {
  const QRect available = QApplication::primaryScreen()->availableGeometry();
  const auto onScreen = [&](const QWidget& shown) {
    return available.contains(QRect(shown.pos(), shown.frameGeometry().size()));
  };
  EXPECT_TRUE(onScreen(*window));
  kelvane::ui::TForm3 help(*window, dialogs);
  EXPECT_TRUE(help.pos().x() >= available.left() && help.pos().y() >= available.top());

  window->move(40, 30);
  EXPECT_TRUE(CloseWindow());
  window = std::make_unique<kelvane::ui::TForm1>(dialogs);
  EXPECT_EQ(window->pos(), QPoint(40, 30));
}

// Chooses `file` in the file dialog about to open, noting where it opened.
void ChooseInNextDialog(const std::string& file, QString& openedIn) {
  QTimer::singleShot(0, [file, &openedIn] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    openedIn = dialog->directory().absolutePath();
    dialog->selectFile(QString::fromStdString(file));
    QMetaObject::invokeMethod(dialog, "accept");  // as its Open button does
  });
}

TEST(QtDialogsTest, EachKindOfDialogOpensWhereItLastChoseAFileAcrossStarts) {
  testing_support::TempDir frames;
  testing_support::TempDir lists;
  const std::string frame = frames.Bmp("walk.bmp", testing_support::Tile32(1));
  const std::string list = lists.File("walk.h3l");
  testing_support::WriteBytes(list, {'a', '\n'});
  QString openedIn;
  {
    kelvane::ui::QtDialogs dialogs;
    ChooseInNextDialog(frame, openedIn);
    ASSERT_TRUE(dialogs.OpenFiles(kelvane::ui::AddFilesRequest(0)));
    ChooseInNextDialog(list, openedIn);
    ASSERT_TRUE(dialogs.OpenFiles(kelvane::ui::LoadDefListRequest()));
  }
  kelvane::ui::QtDialogs afterRestart;
  ChooseInNextDialog(frame, openedIn);
  afterRestart.OpenFiles(kelvane::ui::AddFilesRequest(0));
  EXPECT_EQ(openedIn.toStdString(), frames.path());
  ChooseInNextDialog(list, openedIn);
  afterRestart.OpenFiles(kelvane::ui::LoadDefListRequest());
  EXPECT_EQ(openedIn.toStdString(), lists.path());
}

TEST(MessageBoxTest, IsWideEnoughForItsCaption) {
  for (const char* caption : {"Kelvane", "!Atantion", "?", "Warnings"}) {
    QMessageBox box(QMessageBox::Information, caption, "OK", QMessageBox::Ok);
    kelvane::ui::WidenForCaption(box);
    EXPECT_GE(box.sizeHint().width(), kelvane::ui::CaptionWidth(caption, box.font())) << caption;
    EXPECT_GT(kelvane::ui::CaptionWidth(caption, box.font()),
              QFontMetrics(box.font()).horizontalAdvance(caption) + 100);
  }
}

}  // namespace
