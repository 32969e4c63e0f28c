// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>

#include "base/errors.h"
#include "framelist/deflist_reader.h"
#include "framelist/deflist_writer.h"
#include "support/test_support.h"

namespace kelvane {
namespace {

using testing_support::ListOf;
using testing_support::TempDir;
using testing_support::Texts;

const char* const kStartHeader =
    "0\r\n2\r\nTemp.def\r\nFALSE\r\nFALSE\r\nFALSE\r\n0\r\n0\r\n\r\n-1\r\n"
    "FALSE\r\nFALSE\r\nFALSE\r\nAuto\r\nAuto\r\n";

// Loads `bytes` into a list and table that start with one entry and all 9s.
struct Loaded {
  FrameList list = ListOf({"old"});
  GroupNumbers numbers{};
  WindowSettings settings = StartSettings();
  std::vector<HeaderLine> header;
  std::string error;

  Loaded(const std::string& bytes, DefListType type) {
    numbers.fill(9);
    error = testing_support::ErrorText([&] {
      ReadDefList(bytes, type, list, numbers, [this](const HeaderLine& line) {
        header.push_back(line);
        ApplyHeaderLine(line, settings);
      });
    });
  }
};

TEST(DefListWriterTest, WritesTheHeaderAndListLinesByteForByte) {
  WindowSettings settings = StartSettings();
  settings.typeIndex = 3;
  settings.outputName = "C:\\out\\terrain.def";
  settings.shadow = true;
  settings.fixedWidth = "450";
  settings.nameMask = "Hero_A";
  settings.monsterIndex = 14;
  settings.useY = true;
  settings.yText = "12";
  GroupNumbers numbers{};
  numbers[0] = 200;
  numbers[2] = 1;
  // A separator that follows no frame is its mark alone; a last frame ends its line.
  const FrameList list =
      ListOf({"/", "C:\\A\\F01.BMP", "C:\\A\\f02.pcx", "/", "rel/F03.bmp", "/", "last.bmp"});
  EXPECT_EQ(DefListText(settings, list, numbers),
            "3\r\n2\r\nC:\\out\\terrain.def\r\nTRUE\r\nFALSE\r\nFALSE\r\n450\r\n0\r\n"
            "Hero_A\r\n14\r\nFALSE\r\nFALSE\r\nTRUE\r\nAuto\r\n12\r\n"
            "  200+\r\nC:\\A\\F01.BMP\r\nC:\\A\\f02.pcx  0+\r\nrel/F03.bmp  1+\r\nlast.bmp\r\n");
}

TEST(DefListWriterTest, RefusesTextsThatWouldLoadBackDifferently) {
  const GroupNumbers numbers{};
  for (const auto& texts : std::vector<std::vector<std::string>>{{"a\rb.bmp"},
                                                                 {"a\nb.bmp"},
                                                                 {"a\x1A.bmp", "/"},
                                                                 {"plus+"},
                                                                 {"a", "plus  3+"},
                                                                 {"", "/"}}) {
    EXPECT_THROW(DefListText(StartSettings(), ListOf(texts), numbers), Error) << texts[0];
  }
  WindowSettings settings = StartSettings();
  settings.nameMask = "two\rlines";
  EXPECT_THROW(DefListText(settings, ListOf({"a"}), numbers), Error);
  // What the reader does take back: a "+" before a separator's mark, an empty line.
  EXPECT_NO_THROW(DefListText(StartSettings(), ListOf({"plus+", "/", ""}), numbers));
}

TEST(DefListWriterTest, SaveNameTakesTheH3lExtension) {
  EXPECT_EQ(DefListSaveName("Temp"), "Temp.H3L");
  EXPECT_EQ(DefListSaveName("/home/u/list.txt"), "/home/u/list.H3L");
  EXPECT_EQ(DefListSaveName("/home/u/list.h3l"), "/home/u/list.H3L");
  EXPECT_EQ(DefListSaveName("/home/u.v/list"), "/home/u.v/list.H3L");
}

TEST(DefListRoundTripTest, EveryGroupNumberAndEveryShapeOfListSurvives) {
  // Leading and doubled separators, a trailing frame, paths kept as they are.
  const FrameList shapes = ListOf({"/", "/", "a.BMP", "/", "b.PCX", "c", "/", "/", "last.bmp"});
  for (int first = 0; first < 256; first += 22) {
    GroupNumbers numbers{};
    for (size_t k = 0; k < numbers.size(); ++k) {
      numbers[k] = static_cast<uint8_t>((first + int(k)) % 256);
    }
    FrameList list = shapes;
    for (int k = 5; k < 22; ++k) {
      list.Append("g" + std::to_string(k) + ".bmp");
      list.Append(kGroupSeparator);
    }
    Loaded loaded(DefListText(StartSettings(), list, numbers), DefListType::WithHeader);
    ASSERT_EQ(loaded.error, "");
    EXPECT_EQ(Texts(loaded.list), Texts(list));
    EXPECT_EQ(loaded.numbers, numbers) << first;
  }
}

TEST(DefListRoundTripTest, GroupsPastTheTableAreSavedAsZeroAndNotStored) {
  GroupNumbers numbers{};
  for (size_t k = 0; k < numbers.size(); ++k) {
    numbers[k] = static_cast<uint8_t>(k + 1);
  }
  FrameList list;
  for (int k = 0; k < 25; ++k) {
    list.Append("f" + std::to_string(k) + ".bmp");
    list.Append(kGroupSeparator);
  }
  const std::string text = DefListText(StartSettings(), list, numbers);
  EXPECT_NE(text.find("f21.bmp  22+\r\nf22.bmp  0+\r\nf23.bmp  0+\r\nf24.bmp  0+\r\n"),
            std::string::npos);

  // A document that numbers 30 groups fills the 22 slots and no more.
  std::string many;
  for (int k = 0; k < 30; ++k) {
    many += "f.bmp  " + std::to_string(100 + k) + "+\r\n";
  }
  Loaded loaded(many, DefListType::ListOnly);
  ASSERT_EQ(loaded.error, "");
  EXPECT_EQ(loaded.list.SeparatorCount(), 30u);
  EXPECT_EQ(loaded.numbers[0], 100);
  EXPECT_EQ(loaded.numbers[21], 121);
}

// Documents as the earlier writer left them: paths ending in "bmp", numbers of
// one or two digits. They load as they always did.
TEST(DefListReaderTest, EarlierDocumentsLoadAsBefore) {
  Loaded loaded(
      "C:\\A\\F01.bmp\r\n"
      "C:\\A\\F05.bmp  3+\r\n"
      "C:\\A\\F06.bmp  42+\r\n"
      "C:\\A\\F07.bmp\r\n" +
          kGroupSeparator + "\r\n" +  // a separator line of its own takes no slot
          "C:\\A\\F08.bmp+\r\n"       // 'p' just before "+": a separator with no number or slot
          "C:\\A\\F09.bmp05+\r\n"     // 'p' three before "+": a two-character number
          "C:\\A\\F10.bmp 255+\r\n"   // 'p' five before: the last three of four characters
          "C:\\A\\F11.BMP\r\n",
      DefListType::ListOnly);
  ASSERT_EQ(loaded.error, "");
  EXPECT_EQ(Texts(loaded.list), (std::vector<std::string>{
                                    "C:\\A\\F01.bmp", "C:\\A\\F05.bmp", "/", "C:\\A\\F06.bmp", "/",
                                    "C:\\A\\F07.bmp", "/", "C:\\A\\F08.bmp", "/", "C:\\A\\F09.bmp",
                                    "/", "C:\\A\\F10.bmp", "/", "C:\\A\\F11.BMP"}));
  EXPECT_EQ(loaded.numbers[0], 3);
  EXPECT_EQ(loaded.numbers[1], 42);
  EXPECT_EQ(loaded.numbers[2], 5);
  EXPECT_EQ(loaded.numbers[3], 255);
  EXPECT_EQ(loaded.numbers[4], 9);  // untouched: loading does not clear the table
}

TEST(DefListReaderTest, AnyTextBeforeAMarkAndAMarkAlone) {
  Loaded loaded("  7+\r\nC:\\A\\F07.bmp  123+\r\nshot.PCX  4+\r\n  300+\r\nend+\r\n",
                DefListType::ListOnly);
  ASSERT_EQ(loaded.error, "");
  EXPECT_EQ(Texts(loaded.list), (std::vector<std::string>{"/", "C:\\A\\F07.bmp", "/", "shot.PCX",
                                                          "/", "/", "end+", "/"}));
  EXPECT_EQ(loaded.numbers[0], 7);
  EXPECT_EQ(loaded.numbers[1], 123);
  EXPECT_EQ(loaded.numbers[2], 4);
  EXPECT_EQ(loaded.numbers[3], 300 % 256);
  EXPECT_EQ(loaded.numbers[4], 9);  // "end+" closes group 4 without a number
}

TEST(DefListReaderTest, LineRules) {
  // CR LF, CR alone and LF alone each end a line; LF CR is two line ends.
  EXPECT_EQ(Texts(Loaded("a\nb\r\nc\rd\r\r\ne\n\rf", DefListType::ListOnly).list),
            (std::vector<std::string>{"a", "b", "c", "d", "", "e", "", "f"}));
  // A document written by hand with LF line ends reads as the one with CR LF.
  std::string handWritten = std::string(kStartHeader) + "7\r\nx/a.bmp  3+\r\n";
  for (size_t cr; (cr = handWritten.find('\r')) != std::string::npos;) {
    handWritten.erase(cr, 1);
  }
  Loaded lf(handWritten, DefListType::WithHeader);
  ASSERT_EQ(lf.error, "");
  EXPECT_EQ(lf.settings.typeIndex, 0);
  EXPECT_EQ(lf.settings.yText, "Auto");
  EXPECT_EQ(Texts(lf.list), (std::vector<std::string>{"7", "x/a.bmp", "/"}));
  EXPECT_EQ(lf.numbers[0], 3);
  EXPECT_EQ(Texts(Loaded("a\r\nb\x1A\r\nc\r\n", DefListType::ListOnly).list),
            (std::vector<std::string>{"a", "b"}));
  // At least one line is read, so an empty file gives one empty entry.
  EXPECT_EQ(Texts(Loaded("", DefListType::ListOnly).list), (std::vector<std::string>{""}));
}

TEST(DefListReaderTest, AWrongNumberFieldStopsWithEntriesReadSoFar) {
  Loaded loaded("a.bmp\r\nb.bmpab+\r\nc.bmp\r\n", DefListType::ListOnly);
  EXPECT_EQ(loaded.error, "'ab' is not a valid integer value");
  EXPECT_EQ(Texts(loaded.list), (std::vector<std::string>{"a.bmp"}));
}

TEST(DefListReaderTest, IntegerTokens) {
  // Blank lines before a number are skipped, the rest of its line too.
  Loaded skipped("\r\n  \t3 and more\r\n-1\r\n", DefListType::WithHeader);
  EXPECT_EQ(skipped.settings.typeIndex, 3);
  EXPECT_EQ(skipped.settings.formatsIndex, -1);

  // At the end of the file a number reads as 0, a text as empty, a flag as off.
  Loaded truncated("+2\r\n", DefListType::WithHeader);
  EXPECT_EQ(truncated.header.size(), 15u);
  EXPECT_EQ(truncated.settings.typeIndex, 2);
  EXPECT_EQ(truncated.settings.formatsIndex, 0);
  EXPECT_EQ(truncated.settings.outputName, "");

  // An index past the items selects nothing.
  EXPECT_EQ(Loaded("7\r\n", DefListType::WithHeader).settings.typeIndex, -1);

  for (const std::string& bad : std::vector<std::string>{"3x\r\n", std::string(33, '1')}) {
    Loaded loaded(bad, DefListType::WithHeader);
    EXPECT_EQ(loaded.error, "Invalid numeric input") << bad;
    EXPECT_TRUE(loaded.header.empty());
  }
  // 32 characters at most: the 33rd starts what is skipped.
  Loaded longest(std::string(31, '0') + "1" + "9\r\n", DefListType::WithHeader);
  EXPECT_EQ(longest.header.at(0).index, 1);
}

TEST(DefListReaderTest, ChosenAsTheOtherType) {
  const std::string typeOne = "C:\\A\\F01.bmp\r\nC:\\A\\F02.bmp  0+\r\n";
  Loaded asTwo(typeOne, DefListType::WithHeader);
  EXPECT_EQ(asTwo.error, "Invalid numeric input");
  EXPECT_EQ(Texts(asTwo.list), (std::vector<std::string>{"old"}));
  EXPECT_TRUE(asTwo.header.empty());

  Loaded asOne(std::string(kStartHeader) + "a.bmp\r\n", DefListType::ListOnly);
  EXPECT_EQ(asOne.list.Count(), 16u);
  EXPECT_EQ(asOne.list.Text(2), "Temp.def");
}

TEST(DefListReaderTest, HeaderLinesApplyInOrderWithCheckBoxReactions) {
  std::string text = kStartHeader;
  text.replace(text.find("FALSE\r\nFALSE\r\nAuto"), 7, "TRUE\r\n");  // line 12: "X:" on
  text.replace(text.find("Auto\r\nAuto"), 4, "33");                  // line 14
  text += "a.bmp\r\n";
  Loaded loaded(text, DefListType::WithHeader);
  ASSERT_EQ(loaded.header.at(11).field, HeaderField::UseX);
  EXPECT_EQ(loaded.settings.xText, "33");

  // Turning the box on runs its reaction before line 14 sets the final text.
  WindowSettings settings = StartSettings();
  ApplyHeaderLine(loaded.header[11], settings);
  EXPECT_EQ(settings.xText, "0");
  ApplyHeaderLine(loaded.header[11], settings);  // no change of state, no reaction
  settings.xText = "5";
  ApplyHeaderLine(loaded.header[11], settings);
  EXPECT_EQ(settings.xText, "5");
}

TEST(DefListReaderTest, AHeaderErrorKeepsWhatWasAppliedAndTheList) {
  WindowSettings settings = StartSettings();
  settings.outputName = "mine.def";
  std::string text = DefListText(settings, ListOf({"a"}), {});
  text.replace(text.find("-1"), 2, "x");  // line 10, the monster box
  Loaded loaded(text, DefListType::WithHeader);
  EXPECT_EQ(loaded.error, "Invalid numeric input");
  EXPECT_EQ(loaded.header.size(), 9u);
  EXPECT_EQ(loaded.settings.outputName, "mine.def");
  EXPECT_EQ(Texts(loaded.list), (std::vector<std::string>{"old"}));
}

TEST(DefListLoadTest, LoadsAFileAndFinishesAsTheWindowDoes) {
  TempDir dir;
  const std::string frame = dir.Bmp("f.bmp", bmpgen::Bmp8(40, 30));
  const std::string path = dir.File("list.H3L");
  WindowSettings saved = StartSettings();
  saved.fixedSize = true;
  saved.fixedWidth = "64";
  GroupNumbers numbers{};
  numbers[0] = 4;
  SaveDefList(path, saved, ListOf({frame, "/"}), numbers);

  FrameList list;
  GroupNumbers loaded{};
  WindowSettings settings = StartSettings();
  LoadDefList(path, DefListType::WithHeader, list, loaded,
              [&](const HeaderLine& line) { ApplyHeaderLine(line, settings); });
  EXPECT_EQ(FinishLoad(list, settings), 1);
  EXPECT_EQ(Texts(list), (std::vector<std::string>{frame, "/"}));
  EXPECT_EQ(loaded[0], 4);
  EXPECT_TRUE(settings.fixedSize);
  EXPECT_EQ(settings.fixedWidth, "40");  // the first frame's size, not the saved one
  EXPECT_EQ(settings.fixedHeight, "30");
  EXPECT_EQ(settings.outputName, "Temp.def");

  // After a cancelled dialog an empty list keeps the fixed size texts.
  FrameList empty;
  EXPECT_EQ(FinishLoad(empty, settings), 0);
  EXPECT_EQ(settings.fixedWidth, "40");

  EXPECT_EQ(testing_support::ErrorText([&] {
              LoadDefList(dir.File("none.h3l"), DefListType::ListOnly, list, loaded, {});
            }),
            "File not found");
  EXPECT_EQ(list.Count(), 2u);
}

// Whatever a file holds, the reader loads it or stops with a numeric-input
// error; what it loads is saved and loads back the same.
TEST(DefListReaderTest, SurvivesArbitraryBytes) {
  GroupNumbers numbers{};
  numbers.fill(1);
  const std::string valid =
      DefListText(StartSettings(), ListOf({"/", "a.bmp", "b.bmp", "/", "c.bmp"}), numbers);
  const std::string alphabet = std::string("+p0123456789 -\r\n\t") + '\x1A' + '\0' + "\xff" + "ab";
  std::mt19937 random(12345);
  int roundTrips = 0;
  for (int round = 0; round < 3000; ++round) {
    std::string bytes;
    if (round % 3 == 0) {
      bytes = valid.substr(0, random() % (valid.size() + 1));
    } else {
      const size_t length = random() % 200;
      for (size_t i = 0; i < length; ++i) {
        bytes += round % 3 == 1 ? alphabet[random() % alphabet.size()] : char(random() % 256);
      }
    }
    for (const auto type : {DefListType::ListOnly, DefListType::WithHeader}) {
      FrameList list;
      GroupNumbers table{};
      WindowSettings settings = StartSettings();
      try {
        ReadDefList(bytes, type, list, table,
                    [&](const HeaderLine& line) { ApplyHeaderLine(line, settings); });
      } catch (const Error& error) {
        EXPECT_TRUE(
            error.kind() == ErrorKind::Conversion ||
            (error.kind() == ErrorKind::Io && error.code() == io_code::kInvalidNumericInput))
            << error.what();
        continue;
      }
      const std::string saved = DefListText(settings, list, table);
      const Loaded again(saved, DefListType::WithHeader);
      ASSERT_EQ(again.error, "") << saved;
      EXPECT_EQ(Texts(again.list), Texts(list));
      EXPECT_EQ(DefListText(again.settings, again.list, again.numbers), saved);
      ++roundTrips;
    }
  }
  EXPECT_GT(roundTrips, 4000);
}

}  // namespace
}  // namespace kelvane
