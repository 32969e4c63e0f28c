// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "compiler/compile_driver.h"
#include "prepare/creature_shadow.h"
#include "prepare/object_shadow.h"
#include "support/test_support.h"

namespace kelvane {
namespace {

using testing_support::ReadBytes;
using testing_support::RecordingHost;
using testing_support::TempDir;
using testing_support::Tile32;
using testing_support::WriteBytes;
using Status = CompileOutcome::Status;

const std::vector<uint8_t> kEarlierOutput = {'o', 'l', 'd', ' ', 'd', 'e', 'f'};

// Runs `body` in a child process (for limits and identities a test must not
// keep) and returns the text it produced.
std::string InChild(const std::function<std::string()>& body) {
  int pipeEnds[2];
  if (::pipe(pipeEnds) != 0) {
    return "no pipe";
  }
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipeEnds[0]);
    const std::string text = body();
    (void)!::write(pipeEnds[1], text.data(), text.size());
    ::_exit(0);
  }
  ::close(pipeEnds[1]);
  std::string text;
  char buffer[256];
  for (ssize_t got; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
    text.append(buffer, size_t(got));
  }
  ::close(pipeEnds[0]);
  ::waitpid(child, nullptr, 0);
  return text;
}

// A failed build must leave the earlier DEF and every frame as they were, and
// nothing else beside them.
class RobustnessTest : public ::testing::Test {
 protected:
  RobustnessTest() {
    options.typeIndex = 3;
    options.formatsIndex = 4;
    options.outputName = out.File("out.def");
    WriteBytes(options.outputName, kEarlierOutput);
    good = frames.Bmp("good.bmp", Tile32(1));
  }

  std::string FailureOf(const std::vector<std::string>& entries) {
    for (const auto& entry : entries) {
      list.Append(entry);
    }
    const auto before = ReadBytes(entries.front());
    const CompileOutcome outcome = CreateDefFile(state, document, host);
    EXPECT_EQ(outcome.status, Status::Failed);
    EXPECT_EQ(ReadBytes(entries.front()), before);
    return outcome.message;
  }

  void ExpectNothingLost() {
    EXPECT_EQ(ReadBytes(options.outputName), kEarlierOutput);
    EXPECT_EQ(out.Names(), std::vector<std::string>{"out.def"});
  }

  TempDir frames;
  TempDir out;
  std::string good;
  CompileState state;
  FrameDocument document{FrameList{}, GroupNumbers{}, WindowSettings{}, {}, {}};
  FrameList& list = document.list;
  WindowSettings& options = document.settings;
  RecordingHost host;
};

TEST_F(RobustnessTest, FramesOutsideTheContractAreRefused) {
  struct Case {
    size_t offset;
    std::vector<uint8_t> bytes;
    std::string why;
  };
  const std::vector<Case> cases = {
      {28, {1, 0}, "it has 1 bits per pixel, not 8"},
      {28, {4, 0}, "it has 4 bits per pixel, not 8"},
      {28, {16, 0}, "it has 16 bits per pixel, not 8"},
      {30, {1, 0, 0, 0}, "its pixels are compressed"},
      {30, {2, 0, 0, 0}, "its pixels are compressed"},
  };
  const std::string bad = frames.File("bad.bmp");
  for (const auto& c : cases) {
    auto bytes = bmpgen::EncodeBmp8(Tile32(2));
    std::copy(c.bytes.begin(), c.bytes.end(), bytes.begin() + long(c.offset));
    WriteBytes(bad, bytes);
    list.Clear();
    EXPECT_EQ(FailureOf({good, bad}), "\"" + bad + "\" is not a 256-colour BMP: " + c.why);
    ExpectNothingLost();
  }
}

TEST_F(RobustnessTest, HugeFrameIsRefusedBeforeItsPixelsAreRead) {
  // 16384 x 16385 pixels: a sparse file of 256 MiB and more, refused unread.
  bmpgen::Bmp8 header(4, 1);
  auto bytes = bmpgen::EncodeBmp8(header);
  bytes.resize(1078);
  for (size_t i = 0; i < 4; ++i) {
    bytes[18 + i] = uint8_t(16384 >> (8 * i));
    bytes[22 + i] = uint8_t(16385 >> (8 * i));
  }
  const std::string huge = frames.File("huge.bmp");
  WriteBytes(huge, bytes);
  ASSERT_EQ(::truncate(huge.c_str(), 1078 + 16384L * 16385), 0);
  EXPECT_EQ(FailureOf({good, huge}),
            "\"" + huge +
                "\" is not a 256-colour BMP: its pixel rows take 268451840 bytes, more than the "
                "268435456 a frame may have");
  ExpectNothingLost();
}

TEST_F(RobustnessTest, AFifoAsAFrameIsRefusedWithoutWaiting) {
  const std::string fifo = frames.File("pipe.bmp");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(FailureOf({good, fifo}),
            "\"" + fifo + "\" is a FIFO, not a regular file: it is not read");
  ExpectNothingLost();
}

TEST_F(RobustnessTest, OutputThatIsOneOfTheFramesIsRefused) {
  const std::string link = frames.File("link.def");
  ASSERT_EQ(::link(good.c_str(), link.c_str()), 0);
  for (const std::string& output : {good, link}) {
    options.outputName = output;
    list.Clear();
    EXPECT_EQ(FailureOf({good}), "The output file is the frame \"" + good +
                                     "\": a build never writes over one of its frames");
  }
  EXPECT_EQ(frames.Names(), (std::vector<std::string>{"good.bmp", "link.def"}));
}

TEST_F(RobustnessTest, FullDiskFailsAndKeepsTheEarlierOutput) {
  for (int i = 0; i < 10; ++i) {
    list.Append(frames.Bmp("t" + std::to_string(i) + ".bmp", Tile32(i)));
  }
  const std::string message = InChild([this] {
    // The DEF needs some 11 KiB; writing past 4 KiB fails instead of killing.
    const rlimit limit{4096, 4096};
    ::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    return CreateDefFile(state, document, host).message;
  });
  EXPECT_EQ(message, "Disk full");
  ExpectNothingLost();
}

TEST_F(RobustnessTest, UnwritableFolderFailsAndKeepsTheEarlierOutput) {
  list.Append(good);
  ASSERT_EQ(::chmod(frames.path().c_str(), 0755), 0);
  // The earlier output itself may be written: only the folder refuses.
  ASSERT_EQ(::chmod(options.outputName.c_str(), 0666), 0);
  ASSERT_EQ(::chmod(out.path().c_str(), 0555), 0);
  const std::string message = InChild([this] {
    // Root writes anywhere: the build runs as nobody.
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
      return std::string("cannot drop root");
    }
    return CreateDefFile(state, document, host).message;
  });
  ::chmod(out.path().c_str(), 0700);
  EXPECT_EQ(message, "File access denied");
  ExpectNothingLost();
}

TEST_F(RobustnessTest, LongAndNonAsciiPathsBuildTheSameDef) {
  std::string folder = frames.path() + "/Kreatur \xC3\x84\xC3\x96\xC3\x9C \xE6\x9D\xB1\xE4\xBA\xAC";
  ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
  for (int depth = 0; depth < 4; ++depth) {
    folder += "/" + std::string(200, char('a' + depth));
    ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
  }
  const std::string deep = folder + "/walk01.bmp";
  WriteBytes(deep, ReadBytes(frames.Bmp("walk01.bmp", Tile32(7))));
  options.outputName = frames.File("short.def");
  list.Append(frames.File("walk01.bmp"));
  ASSERT_EQ(CreateDefFile(state, document, host).status, Status::Written);
  options.outputName = folder + "/\xC3\xBC" + "ber.def";
  list.Clear();
  list.Append(deep);
  ASSERT_EQ(CreateDefFile(state, document, host).status, Status::Written);
  EXPECT_GT(options.outputName.size(), 800u);
  EXPECT_EQ(ReadBytes(options.outputName), ReadBytes(frames.File("short.def")));
}

TEST(NarrowFrames, GetNoShadowOrOutlineAndAreNotReadPastTheirRows) {
  for (const int32_t width : {1, 2}) {
    for (const uint8_t fill : {0, 9}) {
      BmpImage image = testing_support::ImageOf(bmpgen::Bmp8(width, 3, fill));
      const PixelRows before = image.pixels;
      showdowCreture(image, true, true);
      showdowObjects(image);
      EXPECT_EQ(image.pixels, before) << width << " " << int(fill);
    }
  }
}

}  // namespace
}  // namespace kelvane
