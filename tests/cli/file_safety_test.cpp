// SPDX-License-Identifier: GPL-3.0-or-later
// What the builder does with files that are not plain ones, with a full disk,
// with what a killed build left, and with inputs its outputs would overwrite:
// each case checks the message, the status, and that nothing was lost or left.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "cli/convert_command.h"
#include "support/child_process.h"
#include "support/cli_run.h"
#include "support/test_support.h"

namespace kelvane::cli {
namespace {

using testing_support::Build;
using testing_support::ReadBytes;
using testing_support::TempDir;

class FileSafetyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < 4; ++i) {
      frames.push_back(in.Bmp("tile" + std::to_string(i) + ".bmp", testing_support::Tile32(i)));
    }
    ASSERT_EQ(Build(Args(in.File("reference.def"))).status, 0);
    reference = ReadBytes(in.File("reference.def"));
  }

  // A terrain build of the frames, `repeat` times over, to `output`.
  std::vector<std::string> Args(const std::string& output, int repeat = 1) const {
    std::vector<std::string> args = {"--type", "3", "-o", output};
    for (int i = 0; i < repeat; ++i) {
      args.insert(args.end(), frames.begin(), frames.end());
    }
    return args;
  }

  // The program itself, for what only a process shows: its streams, limits, signals.
  int RunProgram(std::vector<std::string> args, const testing_support::ChildSetup& setup) const {
    args.insert(args.begin(), {KELVANE_CLI_PATH, "build", "-q"});
    return testing_support::WaitForProgram(testing_support::StartProgram(args, setup));
  }

  std::string ErrText() const {
    const auto bytes = ReadBytes(in.File("err.txt"));
    return {bytes.begin(), bytes.end()};
  }

  TempDir in;
  TempDir out;
  std::vector<std::string> frames;
  std::vector<uint8_t> reference;
};

// What a writer that has finished left in the FIFO read through `fd`.
std::vector<uint8_t> ReadAll(int fd) {
  std::vector<uint8_t> got;
  uint8_t chunk[4096];
  for (ssize_t n; (n = ::read(fd, chunk, sizeof chunk)) > 0;) {
    got.insert(got.end(), chunk, chunk + n);
  }
  return got;
}

// Until a writer has put bytes into the FIFO read through `fd`.
void WaitUntilReadable(int fd) {
  pollfd ready{fd, POLLIN, 0};
  ::poll(&ready, 1, 30000);
}

TEST_F(FileSafetyTest, AFifoOutputIsWrittenInPlaceAndStaysAFifo) {
  const std::string fifo = out.File("null");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  const pid_t pid =
      testing_support::StartProgram({KELVANE_CLI_PATH, "build", "-q", "--type", "3", "-o", fifo,
                                     frames[0], frames[1], frames[2], frames[3]});
  // The DEF fits in the FIFO: the build ends before it is read.
  EXPECT_EQ(testing_support::WaitForProgram(pid), 0);
  EXPECT_EQ(ReadAll(reader), reference);
  ::close(reader);
  struct stat info {};
  ASSERT_EQ(::stat(fifo.c_str(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));
  EXPECT_EQ(out.Names(), std::vector<std::string>{"null"});
}

TEST_F(FileSafetyTest, AFifoThatNobodyReadsOrThatStopsReadingFailsAndSaysSo) {
  const std::string fifo = out.File("pipe");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const auto nobody = Build(Args(fifo));
  EXPECT_EQ(nobody.status, 1);
  EXPECT_EQ(nobody.err, "kelvane-cli: No program is reading from \"" + fifo + "\"\n");

  // More than a pipe holds, so the writer meets the reader's close.
  const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  const pid_t pid = testing_support::StartProgram(
      [&] {
        auto args = Args(fifo, 40);
        args.insert(args.begin(), {KELVANE_CLI_PATH, "build", "-q"});
        return args;
      }(),
      {"/dev/null", in.File("err.txt")});
  WaitUntilReadable(reader);
  ::close(reader);
  EXPECT_EQ(testing_support::WaitForProgram(pid), 1);
  const std::string err = ErrText();
  EXPECT_EQ(err.rfind("kelvane-cli: Writing into \"" + fifo + "\" in place stopped after ", 0), 0u)
      << err;
  EXPECT_NE(err.find(" bytes: the program reading it stopped reading\n"), std::string::npos) << err;
  EXPECT_EQ(out.Names(), std::vector<std::string>{"pipe"});
}

TEST_F(FileSafetyTest, StandardOutputAsTheOutputGetsTheDefAndNothingElse) {
  const int status = RunProgram(
      {"--type", "3", "-o", "/dev/stdout", frames[0], frames[1], frames[2], frames[3], "--json"},
      {in.File("def.out"), in.File("err.txt")});
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadBytes(in.File("def.out")), reference);
  EXPECT_EQ(ErrText().rfind(
                "{\"path\":\"/dev/stdout\",\"bytes\":" + std::to_string(reference.size()) + ",", 0),
            0u)
      << ErrText();
}

TEST_F(FileSafetyTest, ASymbolicLinkAsTheOutputIsReplacedAndWhatItNamedIsKept) {
  const std::string named = in.File("named.def");
  testing_support::WriteBytes(named, {'o', 'l', 'd'});
  const std::string link = out.File("link.def");
  ASSERT_EQ(::symlink(named.c_str(), link.c_str()), 0);
  EXPECT_EQ(Build(Args(link)).status, 0);
  struct stat info {};
  ASSERT_EQ(::lstat(link.c_str(), &info), 0);
  EXPECT_TRUE(S_ISREG(info.st_mode));
  EXPECT_EQ(ReadBytes(link), reference);
  EXPECT_EQ(ReadBytes(named), (std::vector<uint8_t>{'o', 'l', 'd'}));
}

TEST_F(FileSafetyTest, SpecialFilesAreRefusedAsInputsWithoutWaiting) {
  const std::string fifo = in.File("frame.bmp");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  auto asFrame = Args(out.File("x.def"));
  asFrame.push_back(fifo);
  for (const auto& args : {asFrame, {"--list", fifo, "-o", out.File("x.def")}}) {
    const auto run = Build(args);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(
        run.err.rfind(
            "kelvane-cli: \"" + fifo + "\" is a FIFO, not a regular file: it is not read\n", 0),
        0u)
        << run.err;
  }
  EXPECT_TRUE(out.Names().empty());
}

TEST_F(FileSafetyTest, AFileSizeLimitFailsWithDiskFullAndKeepsTheEarlierOutput) {
  const std::string def = out.File("big.def");
  testing_support::WriteBytes(def, {'o', 'l', 'd'});
  const int status = RunProgram(Args(def, 8), {"/dev/null", in.File("err.txt"), 8192});
  EXPECT_EQ(status, 1);
  EXPECT_EQ(ErrText(), "kelvane-cli: Disk full (" + def + ")\n");
  EXPECT_EQ(ReadBytes(def), (std::vector<uint8_t>{'o', 'l', 'd'}));
  EXPECT_FALSE(testing_support::HasPartFile(out.path()));
}

// The number of a process that has ended.
pid_t EndedProcess() {
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::_exit(0);
  }
  ::waitpid(pid, nullptr, 0);
  return pid;
}

TEST_F(FileSafetyTest, LeftoversOfKilledBuildsAreRemovedAndNamed) {
  const std::string dead = std::to_string(EndedProcess());
  const std::string alive = std::to_string(::getpid());
  const std::vector<std::string> kept = {
      ".out.def." + alive + ".0.part",   // a build still running
      ".other.def." + dead + ".0.part",  // another output's
      ".out.def." + dead + ".x.part",    // not a name the builder makes
  };
  for (const auto& name : kept) {
    testing_support::WriteBytes(out.File(name), {1});
  }
  testing_support::WriteBytes(out.File(".out.def." + dead + ".3.part"), {1, 2, 3});
  const auto run = Build(Args(out.File("out.def")));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "kelvane-cli: removed " + out.File(".out.def." + dead + ".3.part") +
                         ", an incomplete DEF left by a build that did not finish (process " +
                         dead + ")\n");
  auto expected = kept;
  expected.push_back("out.def");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(out.Names(), expected);
}

struct RefusedCase {
  const char* what;
  std::vector<std::string> args;  // "@NAME": NAME in the output folder; "#N": frame N
  std::string message;            // after "kelvane-cli: "
};

TEST_F(FileSafetyTest, InputsTheCommandWouldOverwriteAreRefused) {
  const std::string list = out.File("list.h3l");
  const std::string nulMask = "3\n4\nx.def\nFALSE\nFALSE\nFALSE\n32\n32\nab" +
                              std::string(1, '\0') + "c\n-1\nFALSE\nFALSE\nFALSE\nAuto\nAuto\n" +
                              frames[0] + "\n";
  const RefusedCase cases[] = {
      {"a NUL in the name mask",
       {"--list", "@nul.h3l", "-o", "@x.def"},
       "The name mask holds a NUL byte (at character 3): frame names cannot hold one"},
      {"the DEF over its document",
       {"--list", "@list.h3l", "-o", "@list.h3l"},
       "The output file is the DefList document \"" + list +
           "\": a build never writes over the document it reads"},
      {"the document over the DEF",
       {"--type", "3", "-o", "@x.def", "--save-list", "@x.def", "#0"},
       "--save-list and the output name the same file \"" + out.File("x.def") +
           "\": the DEF would replace the document"},
      {"the document over a frame",
       {"--type", "3", "-o", "@x.def", "--save-list", "#1", "#0", "#1"},
       "--save-list names the frame \"" + frames[1] +
           "\": a document is never written over one of its frames"},
  };
  const auto frameBytes = ReadBytes(frames[1]);
  for (const auto& c : cases) {
    testing_support::WriteBytes(out.File("nul.h3l"), {nulMask.begin(), nulMask.end()});
    ASSERT_EQ(Build({"--type", "3", "-o", out.File("x.def"), "--save-list", list, "--no-build",
                     frames[0]})
                  .status,
              0);
    const auto listBytes = ReadBytes(list);
    std::vector<std::string> args;
    for (const auto& arg : c.args) {
      args.push_back(arg[0] == '@'   ? out.File(arg.substr(1))
                     : arg[0] == '#' ? frames[size_t(arg[1] - '0')]
                                     : arg);
    }
    const auto run = Build(args);
    EXPECT_EQ(run.status, 1) << c.what;
    EXPECT_EQ(run.err.rfind("kelvane-cli: " + c.message, 0), 0u) << c.what << "\n" << run.err;
    EXPECT_EQ(ReadBytes(list), listBytes) << c.what;
    EXPECT_EQ(ReadBytes(frames[1]), frameBytes) << c.what;
    EXPECT_EQ(out.Names(), (std::vector<std::string>{"list.h3l", "nul.h3l"})) << c.what;
  }
}

// A link planted where convert writes, pointing at a FIFO outside its folder,
// is refused even with --force, before anything is written.
TEST_F(FileSafetyTest, ConvertWritesNoFileThroughALinkToAFifo) {
  const std::string fifo = out.File("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  ASSERT_EQ(::mkdir(out.File("bmps").c_str(), 0700), 0);
  ASSERT_EQ(::symlink(fifo.c_str(), out.File("bmps/tile1.bmp").c_str()), 0);
  std::ostringstream said, err;
  EXPECT_EQ(RunConvert({"--force", "-o", out.File("bmps"), frames[0], frames[1]}, said, err), 1);
  EXPECT_NE(err.str().find("is a symbolic link to something that is not a regular file"),
            std::string::npos)
      << err.str();
  EXPECT_EQ(out.Names(), (std::vector<std::string>{"bmps", "fifo"}));
  struct stat info {};
  EXPECT_TRUE(::stat(fifo.c_str(), &info) == 0 && S_ISFIFO(info.st_mode));
  EXPECT_FALSE(testing_support::FileExists(out.File("bmps/tile0.bmp")));
}

}  // namespace
}  // namespace kelvane::cli
