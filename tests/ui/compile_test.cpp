// SPDX-License-Identifier: GPL-3.0-or-later
// "Create Def File" from the window: off the GUI thread, the same bytes as
// kelvane-cli, the status line, the message and error boxes with their hints,
// the palette check, a stop, and controls that wait for the build.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QProgressBar>

#include "base/checked_size.h"
#include "support/cli_run.h"
#include "ui/status_line.h"
#include "window_fixture.h"

namespace {

using kelvane::ui::StatusLine;

class BuildTest : public WindowTest {
 protected:
  StatusLine* Status() const { return Get<StatusLine>("StatusLine"); }
  std::string Summary() const { return Status()->summary().toStdString(); }
  void Output(const std::string& path) {
    Get<QLineEdit>("Edit3")->setText(QString::fromStdString(path));
  }
  void Press(Qt::Key key, QWidget* target) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
  }
  // A frame whose palette differs from Frames()'s, so that the palette check
  // asks its question: the build waits there on its worker.
  std::string OddPalette() {
    bmpgen::Bmp8 other(32, 32, 1);
    other.SetGreyPalette();
    for (uint8_t index : {200, 201, 202}) {
      other.SetColour(index, 0, 0, 0);
    }
    return folder.Bmp("odd.bmp", other);
  }
};

TEST_F(BuildTest, BuildsTheSameBytesAsTheCommandLineAndSaysWhatItWrote) {
  const struct {
    int type;
    const char* box;  // an option check box to click, or nullptr
    std::vector<std::string> cliOptions;
  } builds[] = {{3, nullptr, {"--type", "3"}},
                {0, "CB2", {"--type", "0", "--shadow"}},
                {2, nullptr, {"--type", "2"}}};
  const auto frames = Frames(3);
  for (const auto& build : builds) {
    SCOPED_TRACE(build.type);
    dialogs.shown.clear();
    const std::string fromWindow = folder.File("window.def");
    const std::string fromCli = folder.File("cli.def");
    Pick("ComboBox2", build.type);
    if (build.box != nullptr) {
      Get<QCheckBox>(build.box)->setChecked(true);
    }
    SetEntries(frames);
    Output(fromWindow);
    BuildAndWait();
    ASSERT_TRUE(dialogs.shown.empty()) << dialogs.shown[0].text;
    EXPECT_EQ(Entries().back(), Separator());
    EXPECT_EQ(Text("Label8"), "1");
    EXPECT_EQ(Get<QProgressBar>("Gauge1")->value(), 0);
    auto args = build.cliOptions;
    args.insert(args.end(), {"-o", fromCli});
    args.insert(args.end(), frames.begin(), frames.end());
    const auto cli = testing_support::Build(args);
    ASSERT_EQ(cli.status, 0) << cli.err;
    EXPECT_EQ(testing_support::ReadBytes(fromWindow), testing_support::ReadBytes(fromCli));
    EXPECT_EQ(Summary(), "Wrote " + fromWindow + ": 3 frames in 1 group, " +
                             kelvane::SizeText(testing_support::ReadBytes(fromCli).size()) +
                             " bytes");
    dialogs.answers.push_back(true);
    Click("Button6");
  }
}

TEST_F(BuildTest, TheGaugeFollowsTheFramesEncodedAndEndsAtZero) {
  const auto frames = Frames(4);
  SetEntries({frames[0], frames[1], frames[2], frames[3], Separator()});
  Pick("ComboBox2", 3);
  Output(folder.File("gauge.def"));
  std::vector<int> shown;
  QObject::connect(Get<QProgressBar>("Gauge1"), &QProgressBar::valueChanged,
                   [&shown](int value) { shown.push_back(value); });
  BuildAndWait();
  ASSERT_GE(shown.size(), 2u);
  EXPECT_EQ(shown.back(), 0);
  EXPECT_EQ(shown[shown.size() - 2], 100);  // the last notice counts every frame
  EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end() - 1));
}

TEST_F(BuildTest, AnEmptyListIsRefusedWithItsMessage) {
  BuildAndWait();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, "message");
  EXPECT_EQ(dialogs.shown[0].caption, "!Atantion");
  EXPECT_EQ(dialogs.shown[0].text, "Please enter files for compile");
  EXPECT_EQ(Summary(), "Not built: the list is empty");
}

TEST_F(BuildTest, ThePaletteCheckReportsEachFrameThenAsks) {
  const auto frames = Frames(1);
  const std::string different = OddPalette();
  for (bool answer : {false, true}) {
    SCOPED_TRACE(answer ? "OK" : "Cancel");
    const std::string output = folder.File(answer ? "ok.def" : "cancel.def");
    SetEntries({frames[0], Separator(), different});
    Get<QCheckBox>("CheckBox2")->setChecked(true);
    Output(output);
    dialogs.shown.clear();
    dialogs.answers.push_back(answer);
    BuildAndWait();
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].kind, "message");
    EXPECT_EQ(dialogs.shown[0].caption, "Atantion!");
    EXPECT_EQ(dialogs.shown[0].text, "Wrong palette in 3 Frame");
    EXPECT_EQ(dialogs.shown[1].kind, "question");
    EXPECT_EQ(dialogs.shown[1].caption, "!Atantion");
    EXPECT_EQ(dialogs.shown[1].text, "Do you wnat continue?");
    EXPECT_EQ(testing_support::FileExists(output), answer);
    dialogs.answers.push_back(true);
    Click("Button6");
  }
}

TEST_F(BuildTest, AFailureIsReportedWithTheCommandLinesHints) {
  const auto frames = Frames(2);
  const std::string text = folder.File("notes.bmp");
  testing_support::WriteBytes(text, std::vector<uint8_t>(33, 'x'));
  const struct {
    std::vector<std::string> entries;
    const char* width;  // Fixed Size width, or nullptr for no fixed size
    std::string output;
    std::string message;
    std::string path;
    std::string hint;  // found in the one hint, or "" for none
  } failures[] = {
      {{frames[0], folder.File("gone.bmp")},
       nullptr,
       "out.def",
       "File not found",
       folder.File("gone.bmp"),
       ""},
      {{frames[0], frames[1]}, "6x", "out.def", "'6x' is not a valid integer value", "", ""},
      {{frames[0]},
       nullptr,
       "nodir/out.def",
       "Invalid filename",
       folder.File("nodir/out.def"),
       "the folder \"" + folder.File("nodir/") + "\" does not exist"},
      {{frames[0], text},
       nullptr,
       "out.def",
       "Read beyond end of file",
       text,
       "is 33 bytes long, shorter than the 54 bytes of a BMP's headers"},
  };
  for (const auto& failure : failures) {
    SCOPED_TRACE(failure.message);
    SetEntries(failure.entries);
    Get<QCheckBox>("CB4")->setChecked(failure.width != nullptr);
    if (failure.width != nullptr) {
      Get<QLineEdit>("Edit1")->setText(failure.width);
    }
    Output(folder.File(failure.output));
    dialogs.shown.clear();
    BuildAndWait();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, "error");
    EXPECT_EQ(dialogs.shown[0].text, failure.message);
    EXPECT_EQ(dialogs.shown[0].path, failure.path);
    ASSERT_EQ(dialogs.shown[0].hints.size(), failure.hint.empty() ? 0u : 1u);
    if (!failure.hint.empty()) {
      EXPECT_NE(dialogs.shown[0].hints[0].find(failure.hint), std::string::npos)
          << dialogs.shown[0].hints[0];
    }
    EXPECT_EQ(Summary().rfind("Not written: " + failure.message, 0), 0u) << Summary();
    EXPECT_EQ(Get<QProgressBar>("Gauge1")->value(), 0);
    EXPECT_TRUE(Get<QWidget>("Button1")->isEnabled());
    EXPECT_FALSE(testing_support::FileExists(folder.File("out.def")));
    dialogs.answers.push_back(true);
    Click("Button6");
  }
}

TEST_F(BuildTest, WarningsOfTheBuildAreInTheStatusLine) {
  const std::string first = folder.Bmp("grassland01.bmp", testing_support::Tile32(1));
  const std::string second = folder.Bmp("grassland02.bmp", testing_support::Tile32(2));
  Pick("ComboBox2", 3);
  Get<QCheckBox>("CB2")->setChecked(true);
  SetEntries({first, second, Separator()});
  Output(folder.File("warned.def"));
  BuildAndWait();
  const QStringList details = Status()->details();
  ASSERT_EQ(details.size(), 2);
  EXPECT_EQ(details[0].toStdString(),
            "\"Generate Shadow\" changes nothing with Type \"Terrain\" (frame format 0)");
  EXPECT_EQ(details[1].toStdString(), "\"" + first + "\" and \"" + second +
                                          "\" both get the frame name grasslan.pcx in the DEF");
  emit Status()->linkActivated("details");
  ASSERT_FALSE(dialogs.shown.empty());
  EXPECT_EQ(dialogs.shown.back().text, details.join("\n").toStdString());
}

TEST_F(BuildTest, EscapeStopsABuildAndLeavesTheEarlierOutput) {
  const auto frames = Frames(3);
  const std::string output = folder.File("kept.def");
  testing_support::WriteBytes(output, {'o', 'l', 'd'});
  SetEntries({frames[0], frames[1], OddPalette(), Separator()});
  Get<QCheckBox>("CheckBox2")->setChecked(true);
  Output(output);
  // The build waits at the palette question: Esc, and OK to stop.
  dialogs.whileAsking = [&] {
    EXPECT_TRUE(window->IsBuilding());
    dialogs.answers.push_back(true);
    auto* stop = Get<QAction>("stopBuild");
    EXPECT_EQ(stop->shortcut(), QKeySequence(Qt::Key_Escape));
    stop->trigger();
    EXPECT_NE(dialogs.shown.back().text.find("Stop building " + output), std::string::npos);
  };
  dialogs.answers.push_back(true);  // go on after the palette check
  BuildAndWait();
  EXPECT_EQ(testing_support::ReadBytes(output), (std::vector<uint8_t>{'o', 'l', 'd'}));
  EXPECT_EQ(Summary(), "Stopped: nothing written; " + output + " left as it was");
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"frame1.bmp", "frame2.bmp", "frame3.bmp",
                                                      "kept.def", "odd.bmp"}));
}

TEST_F(BuildTest, WhatTheUserDoesDuringABuildDoesNotReachTheList) {
  const auto frames = Frames(2);
  SetEntries({frames[0], frames[1], OddPalette()});
  Get<QCheckBox>("CheckBox2")->setChecked(true);
  Output(folder.File("during.def"));
  dialogs.whileAsking = [&] {
    Click("Button5");
    Click("Button6");
    Check(0, true);
    SelectRow(0);
    Press(Qt::Key_Delete, Get<QWidget>("ListBox1"));
    for (const char* name : {"Button2", "Button4", "BitBtn1", "Button1", "CB2", "Edit3",
                             "ComboBox2", "WizardButton"}) {
      EXPECT_FALSE(Get<QWidget>(name)->isEnabled()) << name;
    }
    EXPECT_TRUE(Get<QWidget>("CheckBox1")->isEnabled());
  };
  dialogs.answers.push_back(true);
  BuildAndWait();
  EXPECT_EQ(Entries(),
            (std::vector<std::string>{frames[0], frames[1], folder.File("odd.bmp"), Separator()}));
  EXPECT_EQ(Checks(), (std::vector<bool>{false, false, false, false}));
  EXPECT_TRUE(Get<QWidget>("Button5")->isEnabled());
  const auto cli = testing_support::Build(
      {"-o", folder.File("cli.def"), frames[0], frames[1], folder.File("odd.bmp"), "/"});
  ASSERT_EQ(cli.status, 0) << cli.err;
  EXPECT_EQ(testing_support::ReadBytes(folder.File("during.def")),
            testing_support::ReadBytes(folder.File("cli.def")));
}

}  // namespace
