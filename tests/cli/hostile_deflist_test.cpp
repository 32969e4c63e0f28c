// SPDX-License-Identifier: GPL-3.0-or-later
// DefList documents made to harm a build: output names that leave the
// document's folder, files of empty lines, over-long lines. Each is refused
// with its message and leaves every file as it was; bench/hostile measures the
// memory the large ones take.

#include <gtest/gtest.h>

#include "compiler/compile_driver.h"
#include "framelist/deflist_reader.h"
#include "hostile/hostile_files.h"
#include "support/cli_run.h"
#include "support/test_support.h"

namespace kelvane::cli {
namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;

TEST(HostileDefList, EachDocumentIsRefusedAndLeavesFilesAsTheyWere) {
  TempDir work;
  const std::string frame = work.Bmp("a.bmp", testing_support::Tile32(1));
  const std::string victim = work.File("victim.txt");
  testing_support::WriteBytes(victim, {'k', 'e', 'p', 't'});
  const struct {
    const char* what;
    std::string document;
    std::vector<std::string> extra;  // after --list DOC
    int status;
    std::string said;
  } cases[] = {
      {"an output name that climbs out",
       hostile::DefListWithOutput("../victim.txt", frame),
       {},
       kExitFailed,
       "The document's output name \"../victim.txt\" climbs out with \"..\": a DefList writes "
       "its DEF only inside its own folder (@doc.h3l)\n"
       "kelvane-cli: hint: give -o with the DEF's path to write it outside the document's "
       "folder\n"},
      {"an absolute output name",
       hostile::DefListWithOutput(victim, frame),
       {},
       kExitFailed,
       "\" is an absolute path"},
      {"a climb in the middle",
       hostile::DefListWithOutput("in/../../victim.txt", frame),
       {},
       kExitFailed,
       "climbs out"},
      {"an output name in the folder",
       hostile::DefListWithOutput("ok.def", frame),
       {},
       kExitOk,
       ""},
      {"-o is the user's own choice",
       hostile::DefListWithOutput("../victim.txt", frame),
       {"-o", work.File("chosen.def")},
       kExitOk,
       ""},
      {"more lines than a DefList may have",
       hostile::EmptyLinesDefList((size_t{1} << 20) - 14),
       {},
       kExitFailed,
       "\"@doc.h3l\" has 1,048,577 lines, more than the 1,048,576 it may have"},
      {"an over-long line",
       hostile::LongLineDefList(20, 5000),
       {},
       kExitFailed,
       "line 20 of \"@doc.h3l\" is 5,000 bytes long, more than the 4,096 a line may have"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir documents;
    const std::string doc = documents.File("doc.h3l");
    ASSERT_TRUE(hostile::WriteFile(doc, c.document));
    std::vector<std::string> args{"--list", doc};
    args.insert(args.end(), c.extra.begin(), c.extra.end());
    const auto run = testing_support::Build(args);
    EXPECT_EQ(run.status, c.status) << run.err;
    std::string said = c.said;
    for (size_t at = said.find("@doc.h3l"); at != std::string::npos; at = said.find("@doc.h3l")) {
      said.replace(at, 8, doc);
    }
    EXPECT_NE(run.err.find(said), std::string::npos) << run.err;
    EXPECT_EQ(ReadBytes(victim), (std::vector<uint8_t>{'k', 'e', 'p', 't'}));
  }
}

// The window builds from a loaded document's output name only while the load
// left it there (a load that stopped half-way): the same rule then holds.
TEST(HostileDefList, ABuildFromALoadedOutputNameKeepsTheRule) {
  TempDir work;
  const std::string frame = work.Bmp("a.bmp", testing_support::Tile32(1));
  std::string text = hostile::DefListWithOutput("../victim.txt", frame);
  text.replace(text.find("\r\n-1\r\n"), 6, "\r\nnone\r\n");  // the monster line: no number
  FrameDocument document;
  document.settings = StartSettings();
  EXPECT_NE(testing_support::ErrorText([&] {
              ReadDefList(
                  text, DefListType::WithHeader, document.list, document.numbers,
                  [&](const HeaderLine& line) { ApplyHeaderLine(line, document.settings); });
            }),
            "");
  document.list.Append(frame);
  ASSERT_EQ(document.settings.outputName, "../victim.txt");
  CompileState state;
  testing_support::RecordingHost host;
  const CompileOutcome refused = CreateDefFile(state, document, host);
  EXPECT_EQ(refused.status, CompileOutcome::Status::Failed);
  EXPECT_NE(refused.message.find("climbs out"), std::string::npos) << refused.message;

  document.settings.outputName = work.File("typed.def");  // the user's own
  EXPECT_EQ(CreateDefFile(state, document, host).status, CompileOutcome::Status::Written);
}

}  // namespace
}  // namespace kelvane::cli
