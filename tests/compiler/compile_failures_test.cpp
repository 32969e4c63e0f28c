// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/child_process.h"
#include "support/compile_fixture.h"

namespace kelvane {
namespace {

using testing_support::FileExists;
using testing_support::ReadBytes;
using testing_support::Tile32;
using Status = CompileOutcome::Status;

const std::vector<uint8_t> kEarlierOutput = {'o', 'l', 'd', ' ', 'd', 'e', 'f'};

// Every failure must leave an earlier DEF at the output path as it was, and
// leave nothing else behind.
class CompileFailureTest : public testing_support::CompileTest {
 protected:
  CompileFailureTest() { testing_support::WriteBytes(options.outputName, kEarlierOutput); }

  void ExpectFailure(const std::string& message) {
    const auto outcome = Compile();
    EXPECT_EQ(outcome.status, Status::Failed);
    EXPECT_EQ(outcome.message, message);
    ExpectOutputUntouched();
  }

  void ExpectOutputUntouched() {
    EXPECT_EQ(ReadBytes(options.outputName), kEarlierOutput);
    EXPECT_EQ(out.Names(), std::vector<std::string>{"out.def"});
    EXPECT_EQ(frames.Names().size(), frameFiles);
  }

  std::string frame = Frame("a.bmp", 1);
  size_t frameFiles = 1;
};

TEST_F(CompileFailureTest, EmptyListAsksForFiles) {
  EXPECT_EQ(Compile().status, Status::Stopped);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].first, "!Atantion");
  EXPECT_EQ(host.messages[0].second, "Please enter files for compile");
  EXPECT_TRUE(host.progress.empty());
  ExpectOutputUntouched();
}

TEST_F(CompileFailureTest, NoTypeOrNoFormatsStopsSilently) {
  list.Append(frame);
  options.typeIndex = -1;
  EXPECT_EQ(Compile().status, Status::Stopped);
  options.typeIndex = 0;
  options.formatsIndex = -1;
  EXPECT_EQ(Compile().status, Status::Stopped);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(host.progress.empty());
  EXPECT_EQ(list.Count(), 1u);  // no separator appended
  ExpectOutputUntouched();
}

TEST_F(CompileFailureTest, LoneSeparatorIsAListIndexError) {
  list.Append(kGroupSeparator);
  ExpectFailure("List index out of bounds (1)");
  EXPECT_EQ(list.Count(), 1u);
}

TEST_F(CompileFailureTest, SeparatorFirstIsReadAsAMissingFile) {
  list.Append(kGroupSeparator);
  list.Append(frame);
  ExpectFailure("File not found");
  ASSERT_EQ(list.Count(), 3u);
  EXPECT_TRUE(list.IsSeparator(2));  // the appended separator stays
}

TEST_F(CompileFailureTest, OutputPathsThatCannotBeWritten) {
  list.Append(frame);
  const std::pair<std::string, std::string> cases[] = {
      {"", "Invalid filename"},
      {out.File("no-such-folder/out.def"), "Invalid filename"},
      {out.path(), "File access denied"},
  };
  for (const auto& [path, message] : cases) {
    options.outputName = path;
    const auto outcome = Compile();
    EXPECT_EQ(outcome.status, Status::Failed);
    EXPECT_EQ(outcome.message, message) << path;
  }
  options.outputName = out.File("out.def");
  ExpectOutputUntouched();
}

TEST_F(CompileFailureTest, ReadOnlyOutputIsNotReplaced) {
  if (testing_support::IsSuperuser()) {
    GTEST_SKIP() << "root may write any file";
  }
  list.Append(frame);
  ASSERT_EQ(::chmod(options.outputName.c_str(), 0444), 0);
  ExpectFailure("File access denied");
}

TEST_F(CompileFailureTest, FixedSizeThatIsNoNumber) {
  list.Append(frame);
  options.fixedSize = true;
  options.fixedWidth = "4x";
  ExpectFailure("'4x' is not a valid integer value");
  options.fixedWidth = "64";
  options.fixedHeight = "";
  ExpectFailure("'' is not a valid integer value");
}

TEST_F(CompileFailureTest, FixedSizeBelowOnePixelIsRefused) {
  list.Append(frame);
  options.fixedSize = true;
  options.fixedWidth = "0";
  options.fixedHeight = "40";
  ExpectFailure(
      "Fixed Size must be at least 1 x 1 and at most 268435456 bytes of pixels; it is 0 x 40");
}

TEST_F(CompileFailureTest, MissingFrameFileAfterGoodOnes) {
  list.Append(frame);
  list.Append(kGroupSeparator);
  list.Append(frames.File("missing.bmp"));
  ExpectFailure("File not found");
  EXPECT_EQ(Compile().path, frames.File("missing.bmp"));
}

TEST_F(CompileFailureTest, FramesThatCannotBeTaken) {
  const std::string text = frames.File("notes.bmp");
  testing_support::WriteBytes(text, std::vector<uint8_t>(2000, 'x'));
  const std::string stub = frames.File("stub.bmp");
  testing_support::WriteBytes(stub, {'B', 'M', 0, 0});
  const std::string big = frames.Bmp("big.bmp", bmpgen::Bmp8(64, 32));
  frameFiles = 4;
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{frame, text},
       "\"" + text +
           "\" is neither a BMP nor a PNG: it starts with neither \"BM\" nor the PNG signature"},
      {{stub}, "Read beyond end of file"},  // the first frame's header
      {{frame, big}, "\"" + big + "\" is 64 x 32 pixels; frames of this type must be 32 x 32"},
  };
  for (const auto& [entries, message] : cases) {
    list = testing_support::ListOf(entries);
    ExpectFailure(message);
  }
}

TEST_F(CompileFailureTest, CancelAfterThePaletteCheckChangesNothing) {
  auto other = Tile32(2);
  for (int i = 0; i < 8; ++i) {
    other.SetColour(uint8_t(i), 255, 255, 255);
  }
  list.Append(frame);
  list.Append(frames.Bmp("b.bmp", other));
  ++frameFiles;
  options.checkPalette = true;
  host.answerOk = false;
  EXPECT_EQ(Compile().status, Status::Cancelled);
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(host.questions[0],
            std::make_pair(std::string("!Atantion"), std::string("Do you wnat continue?")));
  EXPECT_EQ(list.Count(), 2u);
  EXPECT_TRUE(host.progress.empty());
  ExpectOutputUntouched();

  host.answerOk = true;
  EXPECT_EQ(Compile().status, Status::Written);
}

}  // namespace
}  // namespace kelvane
