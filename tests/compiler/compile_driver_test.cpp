#include "compiler/compile_driver.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "compiler/def_format.h"
#include "support/test_support.h"

namespace kelvane {
namespace {

using testing_support::Le32;
using testing_support::ReadBytes;
using testing_support::RecordingHost;
using testing_support::TempDir;
using testing_support::Tile32;

class CompileDriverTest : public ::testing::Test {
 protected:
  CompileDriverTest() {
    options.typeIndex = 3;  // Terrain: format 0
    options.formatsIndex = 4;
    options.outputName = dir.File("out.def");
  }

  std::string Frame(const std::string& name, int seed = 0) { return dir.Bmp(name, Tile32(seed)); }
  void Add(const std::string& entry) { list.Append(entry); }
  void AddSeparator() { list.Append(kGroupSeparator); }
  CompileOutcome Compile() { return CreateDefFile(state, document, host); }

  TempDir dir;
  CompileState state;
  FrameDocument document{FrameList{}, GroupNumbers{}, WindowSettings{}};
  FrameList& list = document.list;
  WindowSettings& options = document.settings;
  RecordingHost host;
};

// Two groups: frames a and b, then frame c.
TEST_F(CompileDriverTest, ReproducesTheTwoGroupLayoutByteForByte) {
  auto tileA = Tile32(1);
  tileA.SetColour(10, 30, 20, 10);
  Add(dir.Bmp("runner10.bmp", tileA));
  Add(Frame("walk07.bmp", 2));
  AddSeparator();
  Add(Frame("w.bmp", 3));
  AddSeparator();

  const auto outcome = Compile();
  ASSERT_EQ(outcome.status, CompileOutcome::Status::Written) << outcome.message;
  const auto def = ReadBytes(options.outputName);
  ASSERT_EQ(def.size(), 4035u);

  EXPECT_EQ(Le32(def, 0), 0x45);
  EXPECT_EQ(Le32(def, 4), 32);
  EXPECT_EQ(Le32(def, 8), 32);
  EXPECT_EQ(Le32(def, 12), 2);
  // Colour table entry 10 was stored as blue 10, green 20, red 30.
  EXPECT_EQ(def[16 + 30], 30);
  EXPECT_EQ(def[16 + 31], 20);
  EXPECT_EQ(def[16 + 32], 10);

  EXPECT_EQ(Le32(def, 784), 0);
  EXPECT_EQ(Le32(def, 788), 2);
  EXPECT_EQ(Le32(def, 792), 0);
  EXPECT_EQ(Le32(def, 796), 0);
  const std::string first(def.begin() + 800, def.begin() + 813);
  EXPECT_EQ(first, std::string("runner10.pcx\0", 13));
  const std::string second(def.begin() + 813, def.begin() + 826);
  EXPECT_EQ(second, std::string("\xCD\xCDwalk07.pcx", 12) + std::string(1, '\0'));
  EXPECT_EQ(Le32(def, 826), 867);
  EXPECT_EQ(Le32(def, 830), 1923);
  EXPECT_EQ(Le32(def, 834), 1);
  EXPECT_EQ(Le32(def, 838), 1);
  const std::string third(def.begin() + 850, def.begin() + 863);
  EXPECT_EQ(third, std::string("w.bmp.pcx\0\0\0\0", 13));
  EXPECT_EQ(Le32(def, 863), 2979);

  for (const size_t block : {867u, 1923u, 2979u}) {
    EXPECT_EQ(Le32(def, block), 1024);
    EXPECT_EQ(Le32(def, block + 4), 0);
  }
  // Frame 3's first pixel, top-left of seed 3.
  EXPECT_EQ(def[2979 + 32], Tile32(3).At(0, 0));
}

TEST_F(CompileDriverTest, AppendsTheMissingSeparatorAndKeepsIt) {
  Add(Frame("a.bmp"));
  Add(Frame("b.bmp"));
  Add(Frame("c.bmp"));
  ASSERT_EQ(Compile().status, CompileOutcome::Status::Written);
  ASSERT_EQ(list.Count(), 4u);
  EXPECT_TRUE(list.IsSeparator(3));
  EXPECT_EQ(state.groupCount, 1);
  const auto def = ReadBytes(options.outputName);
  EXPECT_EQ(Le32(def, 12), 1);
  EXPECT_EQ(Le32(def, 784), 0);
  EXPECT_EQ(Le32(def, 788), 3);
  const int32_t d = 784 + 16 + 17 * 3;
  EXPECT_EQ(Le32(def, 800 + 39), d);
  EXPECT_EQ(Le32(def, 800 + 43), d + 1056);
  EXPECT_EQ(Le32(def, 800 + 47), d + 2112);
  EXPECT_EQ(def.size(), size_t(d + 3 * 1056));
}

TEST_F(CompileDriverTest, EmptyGroupIsAHeadWithoutFrames) {
  Add(Frame("a.bmp"));
  AddSeparator();
  AddSeparator();
  Add(Frame("b.bmp"));
  Add(Frame("c.bmp"));
  AddSeparator();
  ASSERT_EQ(Compile().status, CompileOutcome::Status::Written);
  const auto def = ReadBytes(options.outputName);
  const int32_t d = 784 + 16 * 3 + 17 * 3;
  EXPECT_EQ(Le32(def, 12), 3);
  // Group 0: one frame.
  EXPECT_EQ(Le32(def, 784), 0);
  EXPECT_EQ(Le32(def, 788), 1);
  EXPECT_EQ(Le32(def, 800 + 13), d);
  // Group 1: empty, 16 bytes.
  const size_t g1 = 800 + 17;
  EXPECT_EQ(Le32(def, g1), 1);
  EXPECT_EQ(Le32(def, g1 + 4), 0);
  // Group 2: frames 2 and 3, numbered on from the empty group.
  const size_t g2 = g1 + 16;
  EXPECT_EQ(Le32(def, g2), 2);
  EXPECT_EQ(Le32(def, g2 + 4), 2);
  EXPECT_EQ(Le32(def, g2 + 16 + 26), d + 1056);
  EXPECT_EQ(Le32(def, g2 + 16 + 30), d + 2112);
  EXPECT_EQ(def.size(), size_t(d + 3 * 1056));
}

TEST_F(CompileDriverTest, GroupsAreNumberedByTheMonsterType) {
  for (int g = 0; g < 7; ++g) {
    Add(Frame("f" + std::to_string(g) + ".bmp", g));
    AddSeparator();
  }
  ASSERT_EQ(Compile().status, CompileOutcome::Status::Written);
  auto def = ReadBytes(options.outputName);
  std::vector<int32_t> numbers;
  for (size_t at = 784; numbers.size() < 7; at += 16 + 17) {
    numbers.push_back(Le32(def, at));
  }
  EXPECT_EQ(numbers, (std::vector<int32_t>{0, 1, 2, 3, 4, 5, 7}));

  document.numbers = {2, 6, 5};
  options.monsterIndex = 14;
  ASSERT_EQ(Compile().status, CompileOutcome::Status::Written);
  def = ReadBytes(options.outputName);
  EXPECT_EQ(Le32(def, 784), 2);
  EXPECT_EQ(Le32(def, 784 + 33), 6);
  EXPECT_EQ(Le32(def, 784 + 66), 5);
}

TEST_F(CompileDriverTest, NameMaskRenamesFrames) {
  Add(Frame("runner10.bmp"));
  Add(Frame("a.bmp"));
  options.nameMask = "Hero_A";
  ASSERT_EQ(Compile().status, CompileOutcome::Status::Written);
  const auto def = ReadBytes(options.outputName);
  EXPECT_EQ(std::string(def.begin() + 800, def.begin() + 813), std::string("Hero_A10.pcx\0", 13));
  EXPECT_EQ(std::string(def.begin() + 813, def.begin() + 826), std::string("Hero_Aa..pcx\0", 13));
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
  ASSERT_EQ(Compile().status, CompileOutcome::Status::Written);
  const auto roads = ReadBytes(options.outputName);
  options.typeIndex = 3;
  ASSERT_EQ(Compile().status, CompileOutcome::Status::Written);
  EXPECT_EQ(ReadBytes(options.outputName), roads);
  EXPECT_EQ(roads.size(), 784u + 16 + 17 + 1056);
}

TEST_F(CompileDriverTest, FixedSizeGoesToTheDefHeaderOnly) {
  Add(Frame("a.bmp"));
  options.fixedSize = true;
  options.fixedWidth = "64";
  options.fixedHeight = " 48";
  ASSERT_EQ(Compile().status, CompileOutcome::Status::Written);
  const auto def = ReadBytes(options.outputName);
  EXPECT_EQ(Le32(def, 4), 64);
  EXPECT_EQ(Le32(def, 8), 48);
  EXPECT_EQ(Le32(def, 817 + 8), 32);  // the frame still says 32 x 32
}

TEST_F(CompileDriverTest, OptionsOfOtherFormatsLeaveFormatZeroUnchanged) {
  Add(Frame("a.bmp"));
  Add(Frame("b.bmp", 4));
  ASSERT_EQ(Compile().status, CompileOutcome::Status::Written);
  const auto plain = ReadBytes(options.outputName);
  list.SetChecked(0, true);
  options.shadow = options.outline = options.useX = options.useY = true;
  options.xText = "5";
  options.yText = "-3";
  ASSERT_EQ(Compile().status, CompileOutcome::Status::Written);
  EXPECT_EQ(ReadBytes(options.outputName), plain);
}

TEST_F(CompileDriverTest, RelativeOutputGoesToTheCurrentFolderAndNothingElseIsLeft) {
  Add(Frame("a.bmp"));
  options.outputName = "rel.def";
  TempDir work;
  testing_support::InFolder(work.path(),
                            [&] { ASSERT_EQ(Compile().status, CompileOutcome::Status::Written); });
  EXPECT_EQ(work.Names(), std::vector<std::string>{"rel.def"});
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"a.bmp"});
}

TEST_F(CompileDriverTest, ReadOnlyFramesCompile) {
  const std::string frame = Frame("a.bmp");
  ASSERT_EQ(::chmod(frame.c_str(), 0444), 0);
  Add(frame);
  EXPECT_EQ(Compile().status, CompileOutcome::Status::Written);
}

TEST_F(CompileDriverTest, ReplacedOutputKeepsItsPermissions) {
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
  ASSERT_EQ(Compile().status, CompileOutcome::Status::Written);
  const auto def = ReadBytes(options.outputName);
  EXPECT_EQ(Le32(def, 784 + 33 * 22), 23);  // 0..5, 7..23: the 23rd group is 23
}

TEST_F(CompileDriverTest, MoreThanFiveHundredFramesCompile) {
  const std::string frame = Frame("a.bmp");
  for (int i = 0; i < 520; ++i) {
    Add(frame);
  }
  ASSERT_EQ(Compile().status, CompileOutcome::Status::Written);
  const auto def = ReadBytes(options.outputName);
  const int32_t d = 784 + 16 + 17 * 520;
  EXPECT_EQ(def.size(), size_t(d) + 520u * 1056);
  EXPECT_EQ(Le32(def, 800 + 13 * 520 + 4 * 519), d + 519 * 1056);
}

}  // namespace
}  // namespace kelvane
