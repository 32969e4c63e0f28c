// SPDX-License-Identifier: GPL-3.0-or-later
// What kelvane-cli prints is safe for a terminal: file names, list lines and
// frame names are anybody's bytes, shown with control bytes and bytes outside
// UTF-8 as \xHH, while the files keep the bytes as they are.

#include <gtest/gtest.h>

#include <sstream>

#include "cli/build_command.h"
#include "cli/info_command.h"
#include "cli/json_text.h"
#include "cli/printable_text.h"
#include "support/child_process.h"
#include "support/test_support.h"

namespace kelvane::cli {
namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;

TEST(PrintableText, EscapesControlBytesAndBytesOutsideUtf8) {
  struct Case {
    std::string text;
    std::string shown;
    std::string json;  // JsonString's text, quotes left out
  };
  const Case cases[] = {
      {"C:\\frames\\walk01.bmp\n", "C:\\frames\\walk01.bmp\n", "C:\\\\frames\\\\walk01.bmp\\u000a"},
      {"walkp\x1b[31m+", "walkp\\x1b[31m+", "walkp\\u001b[31m+"},
      {"a\tb\rc\x7f", "a\\x09b\\x0dc\\x7f", "a\\u0009b\\u000dc\\u007f"},
      {"Kreatur \xc3\x84\xc3\x96\xc3\x9c", "Kreatur ÄÖÜ", "Kreatur ÄÖÜ"},
      {"\xd0\x9a\xe2\x82\xac\xf0\x9f\x98\x80", "К€😀", "К€😀"},
      {"\xc2\x9b"
       "2J",
       "\\xc2\\x9b2J", "\\u009b2J"},                                 // a C1 control
      {"\xc0\xaf", "\\xc0\\xaf", "\\\\xc0\\\\xaf"},                  // overlong '/'
      {"\xed\xa0\x80", "\\xed\\xa0\\x80", "\\\\xed\\\\xa0\\\\x80"},  // a surrogate
      {"\xf4\x90\x80\x80", "\\xf4\\x90\\x80\\x80", "\\\\xf4\\\\x90\\\\x80\\\\x80"},
      {"\xe2\x82"
       "A",
       "\\xe2\\x82A", "\\\\xe2\\\\x82A"},
      {"end\xf0\x9f\x98", "end\\xf0\\x9f\\x98", "end\\\\xf0\\\\x9f\\\\x98"},
      {"\xff", "\\xff", "\\\\xff"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(PrintableText(c.text), c.shown);
    EXPECT_EQ(PrintableText(c.shown), c.shown);  // a stream filtered twice shows the same
    EXPECT_EQ(JsonString(c.text), "\"" + c.json + "\"");
    EXPECT_EQ(PrintableText(JsonString(c.text)), JsonString(c.text));
  }
}

TEST(PrintableStream, HoldsBackOnlyASequenceThatIsNotCompleteYet) {
  struct Case {
    std::vector<std::string> writes;
    bool flushBetween;
    std::string shown;
  };
  const Case cases[] = {
      {{"a\xc3",
        "\x84"
        "b"},
       false,
       "aÄb"},
      {{"\xf0", "\x9f", "\x98", "\x80"}, false, "😀"},  // one put() each
      {{"a\xc3", "\x84"}, true, "a\\xc3\\x84"},
      {{"\xc3", "A"}, false, "\\xc3A"},
      {{"\x1b[", "2J", "\xe2\x82"}, false, "\\x1b[2J\\xe2\\x82"},  // ended by the stream's end
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shown);
    std::ostringstream target;
    {
      PrintableStream stream(target);
      for (const std::string& bytes : c.writes) {
        bytes.size() == 1 ? stream.put(bytes[0]) : stream << bytes;
        if (c.flushBetween) {
          stream.flush();
        }
      }
      // Everything before the held bytes has reached the target already.
      EXPECT_EQ(target.str(), c.shown.substr(0, target.str().size()));
    }
    EXPECT_EQ(target.str(), c.shown);
  }
}

struct Shown {
  int status;
  std::string out;
  std::string err;
};

Shown RunOnTerminal(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = RunBuild(args, out, err, Console{nullptr, true, false});
  return {status, out.str(), err.str()};
}

std::string Text(const std::vector<uint8_t>& bytes) {
  return {bytes.begin(), bytes.end()};
}

// A name in a frame path, in an output path and in a DefList line.
TEST(PrintableOutput, BuildShowsNamesEscapedAndWritesTheirBytes) {
  struct Case {
    std::string name;
    std::string shown;
    bool fitsADefList;  // a CR would end the line
  };
  const Case cases[] = {
      {"k\x1b[31m", "k\\x1b[31m", true},
      {"k\xff", "k\\xff", true},
      {"k\r", "k\\x0d", false},
      {"Kreatur \xc3\x84\xc3\x96\xc3\x9c \xd0\x9a", "Kreatur ÄÖÜ К", true},
  };
  TempDir dir;
  const std::string frame = dir.Bmp("a.bmp", testing_support::Tile32(0));
  ASSERT_EQ(RunOnTerminal({"-q", "--type", "3", "-o", dir.File("plain.def"), frame}).status,
            kExitOk);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shown);
    if (!testing_support::FileNamesTakeAnyBytes() && c.name != c.shown) {
      continue;  // a name this system's files cannot have
    }
    const std::string def = dir.File(c.name + ".def");
    const Shown written = RunOnTerminal({"--type", "3", "-o", def, frame});
    EXPECT_EQ(written.status, kExitOk);
    EXPECT_EQ(written.out,
              "wrote " + dir.File(c.shown) + ".def: 1 frame in 1 group, 1,873 bytes\n");
    EXPECT_EQ(ReadBytes(def), ReadBytes(dir.File("plain.def")));

    const std::string missing = dir.File(c.name + ".bmp");
    const std::string notFound = "kelvane-cli: File not found (" + dir.File(c.shown) + ".bmp)\n";
    const Shown fromArgs = RunOnTerminal({"-o", def, frame, missing});
    EXPECT_EQ(fromArgs.status, kExitFailed);
    // The bar's control sequences go out as they are, the name in it escaped.
    const std::string bar = "] 1/2 frames  " + c.shown + ".bmp\033[K\n";
    EXPECT_EQ(fromArgs.err.substr(std::min(fromArgs.err.rfind(bar), fromArgs.err.size())),
              bar + notFound);
    if (!c.fitsADefList) {
      continue;
    }
    const std::string list = dir.File(c.name + ".h3l");
    EXPECT_EQ(RunOnTerminal({"--save-list", list, "--no-build", frame, missing}).err, "");
    // Named from the document's folder, as it lies there.
    EXPECT_NE(Text(ReadBytes(list)).find("\r\n" + c.name + ".bmp\r\n"), std::string::npos);
    const Shown fromList = RunOnTerminal({"-q", "--list", list, "-o", def});
    EXPECT_EQ(fromList.status, kExitFailed);
    EXPECT_EQ(fromList.err, notFound);
  }
}

TEST(PrintableOutput, InfoShowsTheFileAndFrameNamesEscaped) {
  if (!testing_support::FileNamesTakeAnyBytes()) {
    GTEST_SKIP() << "file names here hold no control bytes";
  }
  TempDir dir;
  const std::string frame = dir.Bmp("k\x1b[31m.bmp", testing_support::Tile32(0));
  const std::string def = dir.File("\x1b]0;x\x07\xff.def");
  ASSERT_EQ(RunOnTerminal({"-q", "-o", def, frame}).status, kExitOk);
  std::ostringstream out, err;
  ASSERT_EQ(RunInfo({def}, out, err), kExitOk) << err.str();
  EXPECT_EQ(out.str().rfind("File: " + dir.File("\\x1b]0;x\\x07\\xff.def") + " (", 0), 0u)
      << out.str();
  EXPECT_NE(out.str().find("  1 \"\\xcd\\xcdk\\x1b[31m.pcx\" format "), std::string::npos)
      << out.str();
  std::ostringstream json;
  ASSERT_EQ(RunInfo({def, "--json"}, json, err), kExitOk) << err.str();
  EXPECT_NE(json.str().find("\"file\": \"" + dir.File("\\u001b]0;x\\u0007\\\\xff.def") + "\""),
            std::string::npos)
      << json.str();
}

}  // namespace
}  // namespace kelvane::cli
