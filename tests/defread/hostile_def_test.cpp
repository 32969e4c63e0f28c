// SPDX-License-Identifier: GPL-3.0-or-later
// DEF files made to harm the reading commands, each run as a user runs it:
// the exit status, the message, and what is left in the folders afterwards.
// bench/hostile measures the time and memory the same kinds of file take.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <sstream>

#include "base/errors.h"
#include "cli/build_command.h"
#include "cli/extract_command.h"
#include "cli/info_command.h"
#include "cli/sheet_command.h"
#include "hostile/hostile_files.h"
#include "sheet/contact_sheet.h"
#include "support/test_support.h"

namespace kelvane::cli {
namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;

struct CommandRun {
  int status = 0;
  std::string out;
  std::string err;
};

using Command = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);

CommandRun RunIn(Command command, const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = command(args, out, err);
  return {status, out.str(), err.str()};
}

struct Planted {
  std::string path;    // in the folder
  std::string target;  // empty: a FIFO
};

void Plant(const TempDir& work, const Planted& planted) {
  const std::string path = work.File(planted.path);
  const std::string folder = path.substr(0, path.rfind('/'));
  ASSERT_TRUE(testing_support::FileExists(folder) || ::mkdir(folder.c_str(), 0700) == 0);
  ASSERT_EQ(planted.target.empty() ? ::mkfifo(path.c_str(), 0600)
                                   : ::symlink(planted.target.c_str(), path.c_str()),
            0);
}

struct HostileCase {
  const char* what;
  std::vector<uint8_t> def;
  const char* defName;  // written into `work`
  Command command;
  // The arguments after the DEF: @ stands for the folder `work`.
  std::vector<std::string> args;
  // Made in `work` before the run: a FIFO, or a symbolic link to `target`.
  std::vector<Planted> planted;
  int status;
  std::string said;  // in stderr (status 1) or stdout (status 0)
  // The names in `work` afterwards, the DEF's included.
  std::vector<std::string> left;
};

// Files of the folder: every regular file keeps its bytes unless the case
// wrote it; nothing else appears; the DEF is never touched.
TEST(HostileDef, EachFileEndsAsItShouldAndTouchesNothingElse) {
  const HostileCase cases[] = {
      {"a sheet whose size wraps to 0 in 64 bits",
       hostile::WrappingSheetDef(),
       "w.def",
       RunSheet,
       {"@/s.png"},
       {},
       kExitFailed,
       "would make a sheet of 8,589,934,592 x 2,147,483,648 pixels; a sheet has at most "
       "1,000,000 pixels a side and 67,108,864 in all",
       {"w.def"}},
      {"a sheet higher than PNG readers take",
       hostile::TallSheetDef(),
       "t.def",
       RunSheet,
       {"@/s.png"},
       {},
       kExitFailed,
       "would make a sheet of 64 x 1,000,001 pixels",
       {"t.def"}},
      {"a sheet over its own DEF",
       hostile::NamedFrameDef("a.pcx"),
       "x.def",
       RunSheet,
       {"@/x.def"},
       {},
       kExitFailed,
       "is the DEF being read",
       {"x.def"}},
      {"a frame whose file is the DEF",
       hostile::NamedFrameDef("foo.def.pcx"),
       "foo.def",
       RunExtract,
       {"@", "--force"},
       {},
       kExitFailed,
       "is the DEF being read",
       {"foo.def"}},
      {"a DefList named as the DEF",
       hostile::NamedFrameDef("a.pcx"),
       "x.h3l",
       RunExtract,
       {"@", "--force"},
       {},
       kExitFailed,
       "is the DEF being read",
       {"x.h3l"}},
      {"a link to a FIFO outside the folder",
       hostile::NamedFrameDef("walk0001.pcx"),
       "w.def",
       RunExtract,
       {"@/out", "--force"},
       {{"fifo", ""}, {"out/walk0001.bmp", "../fifo"}},
       kExitFailed,
       "is a symbolic link to something that is not a regular file",
       {"fifo", "out", "w.def"}},
      {"a DefList linked to /dev/null",
       hostile::NamedFrameDef("walk0001.pcx"),
       "w.def",
       RunExtract,
       {"@/out", "--force"},
       {{"out/w.h3l", "/dev/null"}},
       kExitFailed,
       "is a symbolic link to something that is not a regular file",
       {"out", "w.def"}},
      {"a FIFO in the folder",
       hostile::NamedFrameDef("walk0001.pcx"),
       "w.def",
       RunExtract,
       {"@/out", "--force"},
       {{"out/walk0001.bmp", ""}},
       kExitFailed,
       "exists and is not a regular file",
       {"out", "w.def"}},
      {"more groups than a DEF may have",
       hostile::ManyGroupsDef((size_t{1} << 20) + 1),
       "g.def",
       RunInfo,
       {},
       {},
       kExitFailed,
       "byte 12: GroupCount 1,048,577 is more than the 1,048,576 groups a DEF may have here",
       {"g.def"}},
      {"entries of one big frame past the size limit",
       hostile::SharedFrameDef(3, 1024),
       "b.def",
       RunExtract,
       {"@/out", "--max-size", "3M"},
       {},
       kExitFailed,
       "would write 3,149,058 bytes (3 BMP files and b.h3l), more than the 3,145,728 allowed",
       {"b.def"}},
      {"the same within a larger limit",
       hostile::SharedFrameDef(3, 1024),
       "b.def",
       RunExtract,
       {"@", "--max-size=4m"},
       {},
       kExitOk,
       "Extracted 3 frames of 1 group",
       {"b.def", "b.h3l", "f0", "f1", "f2"}},
  };
  for (const HostileCase& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir work;
    const std::string def = work.File(c.defName);
    testing_support::WriteBytes(def, c.def);
    for (const Planted& planted : c.planted) {
      Plant(work, planted);
    }
    std::vector<std::string> args{def};
    for (const std::string& arg : c.args) {
      args.push_back(arg[0] == '@' ? work.path() + arg.substr(1) : arg);
    }
    const CommandRun run = RunIn(c.command, args);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_NE((c.status == kExitOk ? run.out : run.err).find(c.said), std::string::npos)
        << run.err << run.out;
    EXPECT_EQ(run.err.find("libpng"), std::string::npos);
    EXPECT_EQ(ReadBytes(def), c.def);
    EXPECT_EQ(work.Names(), c.left);
    struct stat fifo {};
    if (::stat(work.File("fifo").c_str(), &fifo) == 0) {
      EXPECT_TRUE(S_ISFIFO(fifo.st_mode));
    }
    if (testing_support::FileExists(work.File("out"))) {
      EXPECT_LE(testing_support::NamesIn(work.File("out")).size(), 1u);  // what was planted
    }
  }
}

// Many frames of one name, or of names that come down to one safe name: each
// gets a file of its own, numbered on, in time linear in their number.
TEST(HostileDef, FramesOfOneNameAreNumberedOn) {
  const struct {
    std::vector<uint8_t> def;
    std::vector<std::string> some;  // among the files
    std::string reason;
  } cases[] = {
      {hostile::OneNameDef(100),
       {"walk0001.bmp", "walk0001-2.bmp", "walk0001-100.bmp"},
       "Extracted 100 frames"},  // each file gives the name back
      {hostile::SameSafeNameDef(100),
       {"a.bmp", "a-2.bmp", "a-100.bmp"},
       "a frame name comes from no safe file name"},
  };
  for (const auto& c : cases) {
    TempDir work;
    testing_support::WriteBytes(work.File("x.def"), c.def);
    const CommandRun run = RunIn(RunExtract, {work.File("x.def"), work.File("out")});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    EXPECT_NE(run.out.find(c.reason), std::string::npos) << run.out;
    const auto names = testing_support::NamesIn(work.File("out"));
    EXPECT_EQ(names.size(), 101u);  // and x.h3l
    for (const std::string& name : c.some) {
      EXPECT_TRUE(std::binary_search(names.begin(), names.end(), name)) << name;
    }
  }
}

// Entries that share one block show it each time, measured once; distinct
// blocks that overlap are refused.
TEST(HostileDef, SharedBlocksAreReadOnceAndOverlapsRefused) {
  TempDir work;
  testing_support::WriteBytes(work.File("s.def"), hostile::SharedFrameDef(2000, 4096));
  const CommandRun info = RunIn(RunInfo, {work.File("s.def")});
  ASSERT_EQ(info.status, kExitOk) << info.err;
  EXPECT_NE(info.out.find("  2000 \"f1999.pcx\" format 1, full 4096 x 4096, image 0 x 0"),
            std::string::npos);

  hostile::DefAssembler shared;
  const size_t a = shared.AddBlock(hostile::RawFrame(3, 2, 5));
  const size_t b = shared.AddBlock(hostile::RawFrame(3, 2, 9));
  shared.AddGroup(0, {{"a.pcx", a}, {"b.pcx", b}, {"a.pcx", a}});
  const ContactSheet sheet = DrawContactSheet(DefFile(shared.Bytes(), "s.def"));
  const auto pixel = [&sheet](int x, int y) {
    return std::vector<uint8_t>(&sheet.rgba[(size_t(y) * size_t(sheet.width) + size_t(x)) * 4],
                                &sheet.rgba[(size_t(y) * size_t(sheet.width) + size_t(x)) * 4 + 4]);
  };
  for (int y = 22; y < 24; ++y) {
    for (int x = 0; x < 3; ++x) {
      EXPECT_EQ(pixel(8 + x, y), pixel(8 + 2 * 11 + x, y));  // frames 1 and 3: the same block
      EXPECT_NE(pixel(8 + x, y), pixel(8 + 11 + x, y));
    }
  }

  std::vector<uint8_t> overlapping = shared.Bytes();
  const size_t firstBlock = overlapping.size() - 2 * (32 + 6);
  overlapping[firstBlock] = 7;  // DataSize 7 runs one byte into the second block
  try {
    DefFile(std::move(overlapping), "o.def");
    ADD_FAILURE() << "overlapping blocks were read";
  } catch (const Error& error) {
    EXPECT_NE(std::string(error.what())
                  .find("frame 1, byte " + std::to_string(firstBlock) +
                        ": DataSize 7 runs into the next frame's data block"),
              std::string::npos)
        << error.what();
  }
}

// A line feed in a file name shows as \x0a, so that it cannot fake a line.
TEST(HostileDef, LineFeedsInNamesStayOnTheirLine) {
  TempDir work;
  const std::string def = work.File("a\nkelvane-cli: wrote x.def");
  testing_support::WriteBytes(def, hostile::NamedFrameDef("a.pcx"));
  const CommandRun info = RunIn(RunInfo, {def});
  EXPECT_EQ(info.out.rfind("File: " + work.File("a\\x0akelvane-cli: wrote x.def") + " (", 0), 0u)
      << info.out;
  const CommandRun sheet = RunIn(RunSheet, {def, def});
  EXPECT_EQ(sheet.err.find('\n'), sheet.err.size() - 1) << sheet.err;
  EXPECT_NE(sheet.err.find("a\\x0akelvane-cli"), std::string::npos) << sheet.err;
}

}  // namespace
}  // namespace kelvane::cli
