// SPDX-License-Identifier: GPL-3.0-or-later
// "Create Def File" from the window: the same bytes as kelvane-cli, the
// message and error boxes, the palette check, and a usable window afterwards.

#include <QCheckBox>
#include <QProgressBar>

#include "support/cli_run.h"
#include "window_fixture.h"

namespace {

TEST_F(WindowTest, BuildsTheSameBytesAsTheCommandLine) {
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
    Get<QLineEdit>("Edit3")->setText(QString::fromStdString(fromWindow));
    Click("Button1");
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
    dialogs.answers.push_back(true);
    Click("Button6");
  }
}

TEST_F(WindowTest, TheGaugeShowsEachStepAndEndsAtZero) {
  const auto frames = Frames(2);
  SetEntries({frames[0], frames[1], Separator()});
  Pick("ComboBox2", 3);
  Get<QLineEdit>("Edit3")->setText(QString::fromStdString(folder.File("gauge.def")));
  std::vector<int> shown;
  QObject::connect(Get<QProgressBar>("Gauge1"), &QProgressBar::valueChanged,
                   [&shown](int value) { shown.push_back(value); });
  Click("Button1");
  EXPECT_EQ(shown, (std::vector<int>{1, 5, 10, 12, 15, 17, 19, 21, 31, 41, 51, 61, 100, 0}));
}

TEST_F(WindowTest, AnEmptyListIsRefusedWithItsMessage) {
  Click("Button1");
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, "message");
  EXPECT_EQ(dialogs.shown[0].caption, "!Atantion");
  EXPECT_EQ(dialogs.shown[0].text, "Please enter files for compile");
}

TEST_F(WindowTest, ThePaletteCheckReportsEachFrameThenAsks) {
  const auto frames = Frames(1);
  bmpgen::Bmp8 other(32, 32, 1);
  other.SetGreyPalette();
  other.SetColour(200, 0, 0, 0);
  other.SetColour(201, 0, 0, 0);
  other.SetColour(202, 0, 0, 0);
  const std::string different = folder.Bmp("different.bmp", other);
  for (bool answer : {false, true}) {
    SCOPED_TRACE(answer ? "OK" : "Cancel");
    const std::string output = folder.File(answer ? "ok.def" : "cancel.def");
    SetEntries({frames[0], Separator(), different});
    Get<QCheckBox>("CheckBox2")->setChecked(true);
    Get<QLineEdit>("Edit3")->setText(QString::fromStdString(output));
    dialogs.shown.clear();
    dialogs.answers.push_back(answer);
    Click("Button1");
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

TEST_F(WindowTest, AFailedBuildIsReportedAndLeavesTheWindowReady) {
  const auto frames = Frames(2);
  const struct {
    std::vector<std::string> entries;
    const char* width;  // Fixed Size width, or nullptr for no fixed size
    std::string message;
    std::string path;
  } failures[] = {
      {{frames[0], folder.File("gone.bmp")}, nullptr, "File not found", folder.File("gone.bmp")},
      {{frames[0], frames[1]}, "6x", "'6x' is not a valid integer value", ""},
  };
  for (const auto& failure : failures) {
    SCOPED_TRACE(failure.message);
    SetEntries(failure.entries);
    Get<QCheckBox>("CB4")->setChecked(failure.width != nullptr);
    if (failure.width != nullptr) {
      Get<QLineEdit>("Edit1")->setText(failure.width);
    }
    Get<QLineEdit>("Edit3")->setText(QString::fromStdString(folder.File("out.def")));
    dialogs.shown.clear();
    Click("Button1");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, "error");
    EXPECT_EQ(dialogs.shown[0].text, failure.message);
    EXPECT_EQ(dialogs.shown[0].path, failure.path);
    EXPECT_EQ(Get<QProgressBar>("Gauge1")->value(), 0);
    EXPECT_TRUE(Get<QWidget>("Button1")->isEnabled());
    EXPECT_FALSE(testing_support::FileExists(folder.File("out.def")));
    dialogs.answers.push_back(true);
    Click("Button6");
  }
}

}  // namespace
