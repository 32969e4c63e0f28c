// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/compile_driver.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/child_process.h"
#include "support/compile_fixture.h"
#include "support/def_reader.h"

namespace kelvane {
namespace {

using testing_support::Concat;
using testing_support::DefFile;
using testing_support::GroupNumbersOf;
using testing_support::Le32Bytes;
using testing_support::TempDir;
using testing_support::Tile32;
using Bytes = std::vector<uint8_t>;
using Offsets = std::vector<int32_t>;

class CompileDriverTest : public testing_support::CompileTest {
 protected:
  void Add(const std::string& entry) { list.Append(entry); }
  void AddSeparator() { list.Append(kGroupSeparator); }
  DefFile Written() { return testing_support::ReadDef(CompiledBytes()); }
};

Bytes Name13(const std::string& name) {
  Bytes bytes(name.begin(), name.end());
  bytes.resize(13);
  return bytes;
}

// Two groups: frames a and b, then frame c.
TEST_F(CompileDriverTest, ReproducesTheTwoGroupLayoutByteForByte) {
  auto tileA = Tile32(1);
  tileA.SetColour(10, 30, 20, 10);
  Add(frames.Bmp("runner10.bmp", tileA));
  Add(Frame("walk07.bmp", 2));
  AddSeparator();
  Add(Frame("w.bmp", 3));
  AddSeparator();

  const auto bytes = CompiledBytes();
  ASSERT_EQ(bytes.size(), 4035u);
  EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 16), Le32Bytes({0x45, 32, 32, 2}));
  // Colour table entry 10 was stored as blue 10, green 20, red 30.
  EXPECT_EQ(Bytes(bytes.begin() + 16 + 30, bytes.begin() + 16 + 33), (Bytes{30, 20, 10}));
  EXPECT_EQ(Bytes(bytes.begin() + 784, bytes.begin() + 867),
            Concat({Le32Bytes({0, 2, 0, 0}), Name13("runner10.pcx"), Name13("\xCD\xCDwalk07.pcx"),
                    Le32Bytes({867, 1923}), Le32Bytes({1, 1, 0, 0}), Name13("w.bmp.pcx"),
                    Le32Bytes({2979})}));

  const DefFile def = testing_support::ReadDef(bytes);
  ASSERT_EQ(def.frames.size(), 3u);
  for (size_t cut = 0; cut < bytes.size(); cut += 5) {  // the reader stays inside the bytes
    EXPECT_ANY_THROW(testing_support::ReadDef(Bytes(bytes.begin(), bytes.begin() + long(cut))));
  }
  for (const auto& frame : def.frames) {
    EXPECT_EQ(frame.dataSize, 1024);
    EXPECT_EQ(frame.format, 0);
  }
  // Frame 3's first pixel, top-left of seed 3.
  EXPECT_EQ(def.frames[2].data.at(0), Tile32(3).At(0, 0));
}

TEST_F(CompileDriverTest, AppendsTheMissingSeparatorAndKeepsIt) {
  Add(Frame("a.bmp"));
  Add(Frame("b.bmp"));
  Add(Frame("c.bmp"));
  const DefFile def = Written();
  ASSERT_EQ(list.Count(), 4u);
  EXPECT_TRUE(list.IsSeparator(3));
  EXPECT_EQ(state.groupCount, 1);
  ASSERT_EQ(def.groups.size(), 1u);
  EXPECT_EQ(def.groups[0].number, 0);
  const int32_t d = 784 + 16 + 17 * 3;
  EXPECT_EQ(def.groups[0].offsets, (Offsets{d, d + 1056, d + 2112}));
}

TEST_F(CompileDriverTest, EmptyGroupIsAHeadWithoutFrames) {
  Add(Frame("a.bmp"));
  AddSeparator();
  AddSeparator();
  Add(Frame("b.bmp"));
  Add(Frame("c.bmp"));
  AddSeparator();
  const DefFile def = Written();
  const int32_t d = 784 + 16 * 3 + 17 * 3;
  ASSERT_EQ(def.groups.size(), 3u);
  EXPECT_EQ(def.groups[0].offsets, Offsets{d});
  EXPECT_TRUE(def.groups[1].offsets.empty());
  // Group 2: frames 2 and 3, numbered on from the empty group.
  EXPECT_EQ(GroupNumbersOf(def), (Offsets{0, 1, 2}));
  EXPECT_EQ(def.groups[2].offsets, (Offsets{d + 1056, d + 2112}));
}

TEST_F(CompileDriverTest, GroupsAreNumberedByTheMonsterType) {
  for (int g = 0; g < 7; ++g) {
    Add(Frame("f" + std::to_string(g) + ".bmp", g));
    AddSeparator();
  }
  EXPECT_EQ(GroupNumbersOf(Written()), (std::vector<int32_t>{0, 1, 2, 3, 4, 5, 7}));
  document.numbers = {2, 6, 5};
  options.monsterIndex = 14;
  EXPECT_EQ(GroupNumbersOf(Written()), (std::vector<int32_t>{2, 6, 5, 0, 0, 0, 0}));
}

TEST_F(CompileDriverTest, NameMaskRenamesFrames) {
  Add(Frame("runner10.bmp"));
  Add(Frame("a.bmp"));
  options.nameMask = "Hero_A";
  EXPECT_EQ(Written().groups.at(0).names,
            (std::vector<std::string>{"Hero_A10.pcx", "Hero_Aa..pcx"}));
}

TEST_F(CompileDriverTest, ProgressRunsThroughItsFixedSteps) {
  Add(Frame("a.bmp"));
  Add(Frame("b.bmp"));
  AddSeparator();
  ASSERT_EQ(Compile().status, CompileOutcome::Status::Written);
  EXPECT_EQ(host.progress,
            (std::vector<int>{1, 5, 10, 12, 15, 17, 19, 21, 31, 41, 51, 61, 100, 0}));
}

TEST_F(CompileDriverTest, ProgressStepIsOneFromEightyEntries) {
  const std::string frame = Frame("a.bmp");
  for (const size_t frames : {78u, 79u}) {
    list.Clear();
    host.progress.clear();
    for (size_t i = 0; i < frames; ++i) {
      Add(frame);
    }
    AddSeparator();
    ASSERT_EQ(Compile().status, CompileOutcome::Status::Written);
    const int step = frames + 1 < 80 ? 2 : 1;
    EXPECT_EQ(host.progress[5], 15 + step);
    EXPECT_EQ(host.progress[5 + frames], 15 + step * int(frames + 1));
  }
}

TEST_F(CompileDriverTest, TypesTwoAndFourBothGiveFormatZero) {
  Add(Frame("a.bmp"));
  options.typeIndex = 1;
  const auto roads = CompiledBytes();
  options.typeIndex = 3;
  EXPECT_EQ(CompiledBytes(), roads);
  EXPECT_EQ(roads.size(), 784u + 16 + 17 + 1056);
}

TEST_F(CompileDriverTest, FixedSizeGoesToTheDefHeaderOnly) {
  Add(Frame("a.bmp"));
  options.fixedSize = true;
  options.fixedWidth = "64";
  options.fixedHeight = " 48";
  const DefFile def = Written();
  EXPECT_EQ(def.width, 64);
  EXPECT_EQ(def.height, 48);
  EXPECT_EQ(def.frames.at(0).fullWidth, 32);  // the frame still says 32 x 32
  EXPECT_EQ(def.frames.at(0).fullHeight, 32);
}

TEST_F(CompileDriverTest, OptionsOfOtherFormatsLeaveFormatZeroUnchanged) {
  Add(Frame("a.bmp"));
  Add(Frame("b.bmp", 4));
  const auto plain = CompiledBytes();
  list.SetChecked(0, true);
  options.shadow = options.outline = options.useX = options.useY = true;
  options.xText = "5";
  options.yText = "-3";
  EXPECT_EQ(CompiledBytes(), plain);
}

TEST_F(CompileDriverTest, RelativeOutputGoesToTheCurrentFolderAndNothingElseIsLeft) {
  Add(Frame("a.bmp"));
  options.outputName = "rel.def";
  TempDir work;
  testing_support::InFolder(work.path(),
                            [&] { ASSERT_EQ(Compile().status, CompileOutcome::Status::Written); });
  EXPECT_EQ(work.Names(), std::vector<std::string>{"rel.def"});
  EXPECT_EQ(frames.Names(), std::vector<std::string>{"a.bmp"});
  EXPECT_TRUE(out.Names().empty());
}

TEST_F(CompileDriverTest, ReadOnlyFramesCompile) {
  const std::string frame = Frame("a.bmp");
  ASSERT_EQ(::chmod(frame.c_str(), 0444), 0);
  Add(frame);
  EXPECT_EQ(Compile().status, CompileOutcome::Status::Written);
}

TEST_F(CompileDriverTest, ReplacedOutputKeepsItsPermissions) {
  if (!testing_support::FilesHavePermissionBits()) {
    GTEST_SKIP() << "a new file's permissions come from its folder";
  }
  Add(Frame("a.bmp"));
  testing_support::WriteBytes(options.outputName, {1, 2, 3});
  ASSERT_EQ(::chmod(options.outputName.c_str(), 0640), 0);
  ASSERT_EQ(Compile().status, CompileOutcome::Status::Written);
  struct stat info {};
  ASSERT_EQ(::stat(options.outputName.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(CompileDriverTest, CustomNumbersBeyondTheTableAreRefused) {
  const std::string frame = Frame("a.bmp");
  for (int g = 0; g < 23; ++g) {
    Add(frame);
    AddSeparator();
  }
  options.monsterIndex = 14;
  const auto outcome = Compile();
  EXPECT_EQ(outcome.status, CompileOutcome::Status::Failed);
  EXPECT_EQ(outcome.message,
            "Type of monster \"Custom\" numbers at most 22 groups; this list has 23");
  EXPECT_FALSE(testing_support::FileExists(options.outputName));

  options.monsterIndex = -1;
  EXPECT_EQ(GroupNumbersOf(Written()).at(22), 23);  // 0..5, 7..23: the 23rd group is 23
}

TEST_F(CompileDriverTest, MoreThanFiveHundredFramesCompile) {
  const std::string frame = Frame("a.bmp");
  for (int i = 0; i < 520; ++i) {
    Add(frame);
  }
  const DefFile def = Written();
  ASSERT_EQ(def.frames.size(), 520u);
  EXPECT_EQ(def.groups.at(0).offsets.back(), 784 + 16 + 17 * 520 + 519 * 1056);
}

}  // namespace
}  // namespace kelvane
